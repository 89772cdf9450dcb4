#include "command_line.h"

namespace brocade::demo {

Options ParseOptions(const std::vector<std::wstring> &arguments) {
    Options options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring &argument = arguments[i];
        if (argument == L"--gallery") {
            options.gallery = true;
            if (i + 1 >= arguments.size()) {
                options.error = L"--gallery needs an output folder";
                return options;
            }
            options.outputDir = arguments[++i];
        } else if (argument == L"--only") {
            if (i + 1 >= arguments.size()) {
                options.error = L"--only needs a picture's file name";
                return options;
            }
            options.only = arguments[++i];
        } else if (argument == L"--quick") {
            options.quick = true;
        } else if (argument == L"--mdi") {
            options.mdi = true;
        } else if (argument == L"--self-check") {
            options.selfCheck = true;
        } else {
            options.error = L"unknown argument " + argument;
            return options;
        }
    }
    if ((options.quick || !options.only.empty()) && !options.gallery)
        options.error = L"--quick and --only only apply to --gallery";
    if (options.selfCheck && (options.gallery || options.mdi)) options.error = L"--self-check stands alone";
    return options;
}

}  // namespace brocade::demo
