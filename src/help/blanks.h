// Texts the host gives are trimmed of blanks (spaces) only, as automation strings are.
#pragma once
#include <string>

namespace brocade {

inline std::string TrimBlanks(const std::string &text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace brocade
