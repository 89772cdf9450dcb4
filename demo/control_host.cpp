#include "control_host.h"

namespace brocade::demo {

namespace {

// atl.dll, found at run time: MinGW ships neither ATL headers nor (for i686) an import library.
using AtlAxWinInitFunction = BOOL(WINAPI *)();
using AtlAxGetControlFunction = HRESULT(WINAPI *)(HWND, IUnknown **);

struct Atl {
    AtlAxWinInitFunction init = nullptr;
    AtlAxGetControlFunction getControl = nullptr;
};

const Atl &LoadAtl() {
    static const Atl atl = [] {
        Atl loaded;
        if (HMODULE module = LoadLibraryW(L"atl.dll")) {
            loaded.init = reinterpret_cast<AtlAxWinInitFunction>(GetProcAddress(module, "AtlAxWinInit"));
            loaded.getControl = reinterpret_cast<AtlAxGetControlFunction>(GetProcAddress(module, "AtlAxGetControl"));
            // Registers the "AtlAxWin" window class; a later call may answer FALSE, the class stays.
            if (loaded.init) loaded.init();
        }
        return loaded;
    }();
    return atl;
}

}  // namespace

bool ControlHost::Create(HWND form) {
    const Atl &atl = LoadAtl();
    if (!atl.init || !atl.getControl) return false;
    // The control shows nothing of its own at run time: a small container in the corner.
    container_ = CreateWindowExW(0, L"AtlAxWin", L"Brocade.Brocade", WS_CHILD, 0, 0, 1, 1, form, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (!container_) return false;
    ComPtr<IUnknown> unknown;
    if (FAILED(atl.getControl(container_, unknown.Out())) || !unknown) return false;
    control_ = unknown.As<_Brocade>(IID__Brocade);
    if (!control_) return false;
    sink_.Connect(unknown.Get());
    return true;
}

}  // namespace brocade::demo
