// Stand-ins for the host of the menu scan (the control's side of ScanHost, the host's event
// handler, its image list) and helpers for building and reading real menus.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/com_ptr.h"
#include "menu/menu_item.h"
#include "menu/menu_scan.h"
#include "menu/scan_host.h"

namespace menu_test {

using brocade::ComPtr;
using brocade::MenuItemRecord;
using brocade::RecordPtr;

// The control's side of the scan, with every answer in a public field.
class TestScanHost final : public brocade::ScanHost {
public:
    TestScanHost();

    bool enabled = true;
    bool unicode = false;
    bool rightToLeft = false;
    bool useCustomColors = false;
    long language = 0;
    long iconSet = 0;
    HBRUSH menuBarBrush = nullptr;
    HWND hostWindow = nullptr;
    HWND controlWindow = nullptr;
    ComPtr<IFontDisp> captionFont;
    ComPtr<IFontDisp> shortcutFont;
    int systemFontRebuilds = 0;
    // Help messages by whole menu text; default help by clean caption, per language.
    std::map<std::string, std::string> userHelp;
    std::map<std::pair<long, std::string>, std::string> defaultHelp;
    std::vector<long> loadedLanguages;
    ComPtr<IDispatch> imageList;
    std::function<ComPtr<IPictureDisp>(const std::string &caption, bool convert, long language, long iconSet)>
        defaultPicture;
    int defaultPictureCalls = 0;
    // The host's SetMenuItemAttributes handler: it sees the record only late-bound.
    std::function<void(IDispatch *item)> onSetMenuItemAttributes;
    // Serials of the records the event was raised for, in order.
    std::vector<long> raised;
    // Makes every look-up the scan asks for (fonts, help, pictures, image list) throw.
    bool failLookUps = false;

    bool ScanEnabled() override { return enabled; }
    bool ScanUnicode() override { return unicode; }
    bool ScanRightToLeft() override { return rightToLeft; }
    long ScanLanguage() override { return language; }
    bool ScanUseCustomColors() override { return useCustomColors; }
    long ScanMenuIconSet() override { return iconSet; }
    HBRUSH MenuBarBackgroundBrush() override { return menuBarBrush; }
    HWND HostFormWindow() override { return hostWindow; }
    HWND ControlOwnWindow() override { return controlWindow; }
    ComPtr<IFontDisp> MenuCaptionFont() override { return Checked(captionFont); }
    ComPtr<IFontDisp> MenuShortcutFont() override { return Checked(shortcutFont); }
    void RebuildSystemMenuFont() override { ++systemFontRebuilds; }
    std::string UserHelpMessage(const std::string &text) override;
    std::string DefaultHelpText(const std::string &text, long language) override;
    void LoadLanguageHelp(long language) override { loadedLanguages.push_back(language); }
    ComPtr<IDispatch> ImageListObject() override { return Checked(imageList); }
    ComPtr<IPictureDisp> DefaultPictureFor(const std::string &caption, bool convert, long language,
                                           long iconSet) override;
    void RaiseSetMenuItemAttributes(MenuItemRecord &record) override;

private:
    template <class T>
    T Checked(const T &answer) const {
        if (failLookUps) throw std::runtime_error("host look-up failed");
        return answer;
    }
};

// A top-level window whose procedure scans popups on WM_INITMENUPOPUP (after its own
// handling, as the control does), answers WM_MENUCHAR and WM_MEASUREITEM, and closes a
// tracked menu from a timer.
class TestWindow {
public:
    explicit TestWindow(brocade::MenuScanner *scanner, DWORD style = WS_OVERLAPPEDWINDOW);
    ~TestWindow();
    TestWindow(const TestWindow &) = delete;
    TestWindow &operator=(const TestWindow &) = delete;

    HWND Handle() const { return window_; }
    // Opens the popup with the system's menu loop; EndMenu closes it after the delay.
    void TrackAndClose(HMENU popup, UINT closeAfterMs = 150);

    std::vector<HMENU> initMenuPopups;
    std::vector<ULONG_PTR> measuredItemData;
    std::vector<ULONG_PTR> drawnItemData;

private:
    brocade::MenuScanner *scanner_;
    HWND window_ = nullptr;
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// --- Menus ---------------------------------------------------------------------------------
HMENU PopupOf(const std::vector<std::string> &texts, UINT firstId = 101);
ULONG_PTR ItemData(HMENU menu, int position);
UINT ItemType(HMENU menu, int position);
std::string ItemText(HMENU menu, int position);

// --- OLE objects ---------------------------------------------------------------------------
ComPtr<IPictureDisp> MakePicture(int width = 16, int height = 16);
ComPtr<IFontDisp> MakeFont(const wchar_t *name, int points, bool bold = false);
short FontCharset(IFontDisp *font);

// --- Late-bound calls ------------------------------------------------------------------------
DISPID DispidOf(IDispatch *object, const wchar_t *name);
HRESULT GetProperty(IDispatch *object, const wchar_t *name, VARIANT &result);
HRESULT PutProperty(IDispatch *object, const wchar_t *name, VARIANT value, WORD kind = DISPATCH_PROPERTYPUT);
long GetLong(IDispatch *object, const wchar_t *name);
std::wstring GetString(IDispatch *object, const wchar_t *name);
ComPtr<IDispatch> GetObject(IDispatch *object, const wchar_t *name);
VARIANT LongValue(LONG value);
VARIANT ObjectValue(IDispatch *object);

// An image list as a host's runtime offers it: ListImages, Item(key) and Picture, late-bound.
ComPtr<IDispatch> MakeImageList(const std::map<std::wstring, ComPtr<IPictureDisp>> &pictures);

// A plain automation object that is no picture.
ComPtr<IDispatch> MakePlainObject();

// Takes every GDI handle the process may still create but a few, for as long as it lives:
// code that leaks one GDI object per call then fails within a few calls. (Wine does not
// count a process's GDI objects, so a leak is made to show this way.)
class GdiHeadroom {
public:
    explicit GdiHeadroom(size_t handlesLeft);
    ~GdiHeadroom();
    GdiHeadroom(const GdiHeadroom &) = delete;
    GdiHeadroom &operator=(const GdiHeadroom &) = delete;
    size_t Taken() const { return taken_.size(); }
    // How many GDI objects can still be made (each is deleted again).
    static size_t Left();

private:
    std::vector<HRGN> taken_;
};

}  // namespace menu_test
