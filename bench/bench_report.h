// What every benchmark prints, which scripts/bench reads:
//   RATIO<TAB>group<TAB>name<TAB>value[<TAB>note]   one line per ratio, for the summary table;
//   PASS: <what> or FAIL: <what>                     the verdict, always the last line.
// A benchmark without a ratio or whose last line is no verdict has not run to its end.
#pragma once
#include <cstdarg>
#include <cstdio>

namespace brocade_bench {

// Call first: every line goes out as it is printed, so a long run shows how far it got and a
// run that ends early leaves everything it printed (a full buffer is lost with the process).
inline void PrintAsYouGo() { std::setvbuf(stdout, nullptr, _IONBF, 0); }

// Prints the verdict line and returns the exit code that goes with it.
inline int Verdict(bool passed, const char *format, ...) {
    std::printf("%s: ", passed ? "PASS" : "FAIL");
    va_list arguments;
    va_start(arguments, format);
    std::vprintf(format, arguments);
    va_end(arguments);
    std::printf("\n");
    std::fflush(stdout);
    return passed ? 0 : 1;
}

}  // namespace brocade_bench
