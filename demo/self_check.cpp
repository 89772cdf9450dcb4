#include "self_check.h"

#include <string>

#include "Brocade.h"
#include "common/com_ptr.h"
#include "demo_form.h"
#include "event_sink.h"

namespace brocade::demo {

namespace {

void Report(const char *step, bool passed) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (!out || out == INVALID_HANDLE_VALUE) return;
    const std::string line = std::string(step) + (passed ? ": ok\n" : ": FAILED\n");
    DWORD written = 0;
    WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

bool Creates(REFCLSID clsid) {
    ComPtr<_Brocade> control;
    return SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID__Brocade,
                                      reinterpret_cast<void **>(control.Out())));
}

bool CreatesByProgId() {
    CLSID clsid;
    return SUCCEEDED(CLSIDFromProgID(L"Brocade.Brocade", &clsid)) && Creates(clsid);
}

class NoEvents : public EventHandler {
public:
    void OnSetMenuItemAttributes(_CMenuItem *) override {}
    void OnShowMenuHelp(_CMenuItem *, BSTR *) override {}
    void OnClearMenuHelp() override {}
};

bool SinkDescribesItself() {
    NoEvents handler;
    EventSink sink(handler);
    ComPtr<ITypeInfo> info;
    BSTR name = nullptr;
    bool named = SUCCEEDED(sink.GetTypeInfo(0, LOCALE_USER_DEFAULT, info.Out())) && info &&
                 SUCCEEDED(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr)) &&
                 name && std::wstring(name) == L"__Brocade";
    SysFreeString(name);
    return named;
}

void CALLBACK CloseMenu(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    EndMenu();
}

// Opens the form's File menu for real: the control prepares the popup's items as it opens.
bool StylesMenu() {
    DemoForm form(FormKind::Single, false);
    RECT bounds = {100, 100, 740, 580};
    if (!form.Create(bounds)) {
        DestroyWindow(form.Window());
        return false;
    }
    form.Show();
    HMENU file = TitlePopup(GetMenu(form.Window()), kFileMenu);
    SetTimer(form.Window(), 1, 200, CloseMenu);
    TrackPopupMenu(file, TPM_LEFTALIGN | TPM_TOPALIGN, 120, 120, 0, form.Window(), nullptr);
    bool ownerDrawn = false;
    for (int position = 0; position < GetMenuItemCount(file); ++position) {
        MENUITEMINFOW info = {sizeof info, MIIM_FTYPE};
        if (GetMenuItemInfoW(file, position, TRUE, &info) && (info.fType & MFT_OWNERDRAW)) ownerDrawn = true;
    }
    DestroyWindow(form.Window());
    return ownerDrawn;
}

}  // namespace

int RunSelfCheck() {
    const struct {
        const char *name;
        bool (*run)();
    } steps[] = {
        {"created by class ID", [] { return Creates(CLSID_Brocade); }},
        {"created by ProgID", CreatesByProgId},
        {"event sink type library", SinkDescribesItself},
        {"menu styled", StylesMenu},
    };
    int failed = 0;
    for (int i = 0; i < 4; ++i) {
        bool passed = steps[i].run();
        Report(steps[i].name, passed);
        if (!passed) failed |= 1 << i;
    }
    return failed;
}

}  // namespace brocade::demo
