#include "common/os_version.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace brocade {

namespace {

// The version cannot change while the process runs; asked for every item drawn, it is read
// once.
bool ReadVersion(OSVERSIONINFOA &info) {
    static const struct Version {
        OSVERSIONINFOA info;
        bool read;
        Version() : info(), read(false) {
            info.dwOSVersionInfoSize = sizeof info;  // 148 bytes
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
            read = GetVersionExA(&info) != 0;
#pragma GCC diagnostic pop
        }
    } version;
    info = version.info;
    return version.read;
}

}  // namespace

bool IsWin95() {
    OSVERSIONINFOA v;
    return ReadVersion(v) && v.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && v.dwMinorVersion == 0;
}

bool IsWin98() {
    OSVERSIONINFOA v;
    return ReadVersion(v) && v.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && v.dwMinorVersion != 0;
}

bool IsWinNT3() {
    OSVERSIONINFOA v;
    return ReadVersion(v) && v.dwPlatformId == VER_PLATFORM_WIN32_NT && v.dwMajorVersion == 3;
}

bool IsWinNT4() {
    OSVERSIONINFOA v;
    return ReadVersion(v) && v.dwPlatformId == VER_PLATFORM_WIN32_NT && v.dwMajorVersion == 4;
}

bool IsWinXP() {
    OSVERSIONINFOA v;
    return ReadVersion(v) && v.dwPlatformId == VER_PLATFORM_WIN32_NT && v.dwMajorVersion == 5 &&
           v.dwMinorVersion != 0;
}

float GetOSVersionNumber() {
    OSVERSIONINFOA v;
    if (!ReadVersion(v)) return 0.0f;
    char plain[32];
    snprintf(plain, sizeof plain, "%lu.%lu", v.dwMajorVersion, v.dwMinorVersion);
    char formatted[255];
    if (GetNumberFormatA(LOCALE_USER_DEFAULT, 0, plain, nullptr, formatted, sizeof formatted) <= 0)
        return static_cast<float>(atof(plain));
    // Read the formatted text back with the same locale's separators.
    char decimal[8] = ".", thousand[8] = ",";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal);
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand, sizeof thousand);
    std::string text(formatted), canonical;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, strlen(decimal), decimal) == 0) {
            canonical += '.';
            i += strlen(decimal);
        } else if (thousand[0] && text.compare(i, strlen(thousand), thousand) == 0) {
            i += strlen(thousand);
        } else {
            canonical += text[i++];
        }
    }
    return strtof(canonical.c_str(), nullptr);
}

}  // namespace brocade
