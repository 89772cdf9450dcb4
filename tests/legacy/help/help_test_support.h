// Helpers of the help tests: modules loaded by name, and texts between UTF-16 and code pages.
#pragma once
#include <windows.h>

#include <string>

namespace help_test {

// A module loaded by its bare file name, as the control loads its resource library.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const char *fileName) : module_(LoadLibraryA(fileName)) {}
    ~LoadedLibrary() {
        if (module_) FreeLibrary(module_);
    }
    LoadedLibrary(const LoadedLibrary &) = delete;
    LoadedLibrary &operator=(const LoadedLibrary &) = delete;
    HMODULE Get() const { return module_; }

private:
    HMODULE module_;
};

inline std::string ToCodePage(const std::wstring &text, UINT codePage) {
    int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string result(size > 0 ? size : 0, '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

// Empty when the bytes are not valid in the code page.
inline std::wstring FromCodePage(const std::string &text, UINT codePage) {
    int size = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0);
    std::wstring result(size > 0 ? size : 0, L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                        result.data(), size);
    return result;
}

}  // namespace help_test
