// The module (the .ocx, or an executable linking the same code) holding this code and
// the control's own resources.
#pragma once
#include <windows.h>

namespace brocade {

inline HINSTANCE CodeModule() {
    static HINSTANCE module = [] {
        HMODULE handle = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(&CodeModule), &handle);
        return handle;
    }();
    return module;
}

// Resource identifiers of the control module.
constexpr int kToolboxBitmapResource = 1;
constexpr int kDesignIconResource = 2;

}  // namespace brocade
