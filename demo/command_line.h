// The demo's command line: interactive by default, a gallery run that writes pictures, or a
// check of the installation.
#pragma once
#include <string>
#include <vector>

namespace brocade::demo {

struct Options {
    bool gallery = false;
    bool quick = false;       // the reduced gallery: the styles, right to left, states
    bool mdi = false;         // start with the MDI frame instead of the single form
    bool selfCheck = false;   // check the installation, print the result and exit
    std::wstring outputDir;   // where the gallery writes its pictures and index.html
    // Only this picture of the gallery, written with its line of gallery.txt as <file>.txt:
    // the gallery runs itself so for a picture taken at another DPI.
    std::wstring only;
    std::wstring error;       // set when the arguments make no sense
};

// Arguments without the program name: "--gallery <dir> [--quick | --only <file>]", "--mdi" or
// "--self-check".
Options ParseOptions(const std::vector<std::wstring> &arguments);

}  // namespace brocade::demo
