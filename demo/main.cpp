// BrocadeDemo.exe: an ordinary interactive application whose menus the Brocade control
// styles, or, with --gallery <folder> [--quick], a run that saves pictures of its menus, or, with
// --self-check, a check that the control can be used as it is deployed here.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "command_line.h"
#include "demo_form.h"
#include "gallery.h"
#include "self_check.h"

using namespace brocade::demo;

namespace {

std::vector<std::wstring> Arguments() {
    int count = 0;
    LPWSTR *list = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(list[i]);
    LocalFree(list);
    return arguments;
}

int RunInteractive(const Options &options) {
    DemoForm form(options.mdi ? FormKind::MdiFrame : FormKind::Single, true);
    RECT bounds = {100, 100, 740, 580};
    if (!form.Create(bounds)) {
        MessageBoxW(nullptr,
                    L"Brocade.Brocade could not be created. Register it first: regsvr32 Brocade.ocx "
                    L"(with BrocadeRes.dll beside it).",
                    L"Brocade demo", MB_ICONERROR);
        return 2;
    }
    form.Show();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form.TranslateKeys(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    Options options = ParseOptions(Arguments());
    if (!options.error.empty()) {
        MessageBoxW(nullptr, (options.error + L"\n\nBrocadeDemo.exe [--mdi] | --gallery <folder> [--quick | --only <file>] | --self-check").c_str(),
                    L"Brocade demo", MB_ICONERROR);
        return 2;
    }
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterDemoClasses(instance);
    int code = options.selfCheck ? RunSelfCheck()
               : options.gallery ? RunGallery(instance, options)
                                 : RunInteractive(options);
    OleUninitialize();
    return code;
}
