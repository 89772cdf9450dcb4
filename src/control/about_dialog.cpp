// The about box: a small modal dialog built in memory, so it needs no resource module.
#include <windows.h>

#include <string>
#include <vector>

#include "common/boundary.h"
#include "common/code_module.h"
#include "control/control.h"
#include "control/version.h"

namespace brocade {

namespace {

constexpr WORD kOkId = IDOK;

// Appends a DLGITEMTEMPLATE (DWORD aligned) with a predefined class atom and a text.
void AddItem(std::vector<WORD> &t, DWORD style, short x, short y, short cx, short cy, WORD id,
             WORD classAtom, const std::wstring &text) {
    while (t.size() % 2) t.push_back(0);
    DLGITEMTEMPLATE item = {style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id};
    const WORD *raw = reinterpret_cast<const WORD *>(&item);
    t.insert(t.end(), raw, raw + sizeof item / sizeof(WORD));
    t.push_back(0xFFFF);
    t.push_back(classAtom);
    t.insert(t.end(), text.begin(), text.end());
    t.push_back(0);
    t.push_back(0);  // no creation data
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    // FALSE: the message is left to the dialog manager.
    return Guarded(
        [&]() -> INT_PTR {
            if (message == WM_INITDIALOG) return TRUE;
            if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        },
        []() -> INT_PTR { return FALSE; });
}

}  // namespace

void Control::ShowAboutBox(HWND owner) {
    const std::wstring title = std::wstring(L"About ") + kProductName;
    std::vector<WORD> t;
    DLGTEMPLATE dialog = {DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                          0, 3, 0, 0, 180, 70};
    const WORD *raw = reinterpret_cast<const WORD *>(&dialog);
    t.insert(t.end(), raw, raw + sizeof dialog / sizeof(WORD));
    t.push_back(0);  // no menu
    t.push_back(0);  // default class
    t.insert(t.end(), title.begin(), title.end());
    t.push_back(0);
    t.push_back(8);  // point size, then the face name
    const std::wstring face = L"MS Shell Dlg";
    t.insert(t.end(), face.begin(), face.end());
    t.push_back(0);

    AddItem(t, SS_CENTER, 10, 10, 160, 12, 100, 0x0082, kProductName);
    AddItem(t, SS_CENTER, 10, 24, 160, 12, 101, 0x0082, std::wstring(L"Version ") + properties_.Version());
    AddItem(t, BS_DEFPUSHBUTTON | WS_TABSTOP, 65, 46, 50, 14, kOkId, 0x0080, L"OK");

    DialogBoxIndirectParamW(CodeModule(), reinterpret_cast<DLGTEMPLATE *>(t.data()), owner, AboutProc, 0);
}

}  // namespace brocade
