#include "menu/menu_test_support.h"

#include <oleauto.h>

#include "com/menu_item_object.h"
#include "common/boolean.h"
#include "menu/captions.h"
#include "menu/menu_char.h"
#include "support/test_support.h"

namespace menu_test {

// --- TestScanHost ---------------------------------------------------------------------------

TestScanHost::TestScanHost()
    : captionFont(MakeFont(L"Arial", 10)), shortcutFont(MakeFont(L"Arial", 9)) {}

std::string TestScanHost::UserHelpMessage(const std::string &text) {
    Checked(0);
    for (const auto &entry : userHelp)
        if (CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, entry.first.c_str(), -1, text.c_str(), -1) ==
            CSTR_EQUAL)
            return entry.second;
    return std::string();
}

std::string TestScanHost::DefaultHelpText(const std::string &text, long language) {
    Checked(0);
    std::string clean = brocade::GetCleanCaption(text);
    auto found = defaultHelp.find({language, clean});
    if (found == defaultHelp.end()) found = defaultHelp.find({0L, clean});
    return found == defaultHelp.end() ? std::string() : found->second;
}

ComPtr<IPictureDisp> TestScanHost::DefaultPictureFor(const std::string &caption, bool convert, long language,
                                                     long iconSet) {
    ++defaultPictureCalls;
    Checked(0);
    return defaultPicture ? defaultPicture(caption, convert, language, iconSet) : ComPtr<IPictureDisp>();
}

void TestScanHost::RaiseSetMenuItemAttributes(MenuItemRecord &record) {
    raised.push_back(record.ItemSerial());
    if (!onSetMenuItemAttributes) return;
    ComPtr<IDispatch> item = brocade::MenuItemDispatch(record);
    onSetMenuItemAttributes(item.Get());
}

// --- TestWindow -----------------------------------------------------------------------------

namespace {
const wchar_t kWindowClass[] = L"BrocadeMenuTestWindow";
constexpr UINT_PTR kCloseMenuTimer = 1;

void RegisterTestClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassW(&windowClass);
    registered = true;
}
}  // namespace

TestWindow::TestWindow(brocade::MenuScanner *scanner, DWORD style) : scanner_(scanner) {
    RegisterTestClass();
    window_ = CreateWindowExW(0, kWindowClass, L"Menu test", style, 10, 10, 400, 300, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
    // Left hidden: without a window manager, Wine waits seconds for a shown window to unmap.
}

TestWindow::~TestWindow() {
    if (IsWindow(window_)) DestroyWindow(window_);
}

void TestWindow::TrackAndClose(HMENU popup, UINT closeAfterMs) {
    SetForegroundWindow(window_);
    SetTimer(window_, kCloseMenuTimer, closeAfterMs, nullptr);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN, 60, 60, 0, window_, nullptr);
    KillTimer(window_, kCloseMenuTimer);
    brocade_test::PumpMessages(20);
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *self = reinterpret_cast<TestWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_INITMENUPOPUP: {
        // The window's own handling first, then the scan, as the control orders them.
        LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        self->initMenuPopups.push_back(reinterpret_cast<HMENU>(wParam));
        if (self->scanner_) self->scanner_->OnInitMenuPopup(window, reinterpret_cast<HMENU>(wParam), lParam);
        return result;
    }
    case WM_MENUCHAR: {
        if (self->scanner_) {
            brocade::Boolean route = brocade::kTrue;
            LRESULT result = brocade::OnMenuChar(&self->scanner_->Items(), wParam, lParam, route);
            if (!brocade::IsTrue(route)) return result;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    case WM_MEASUREITEM: {
        auto *measure = reinterpret_cast<MEASUREITEMSTRUCT *>(lParam);
        if (measure->CtlType != ODT_MENU) break;
        self->measuredItemData.push_back(measure->itemData);
        measure->itemWidth = 120;
        measure->itemHeight = 18;
        return TRUE;
    }
    case WM_DRAWITEM: {
        auto *draw = reinterpret_cast<DRAWITEMSTRUCT *>(lParam);
        if (draw->CtlType != ODT_MENU) break;
        self->drawnItemData.push_back(draw->itemData);
        return TRUE;
    }
    case WM_TIMER:
        if (wParam == kCloseMenuTimer) {
            KillTimer(window, kCloseMenuTimer);
            EndMenu();
            return 0;
        }
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// --- Menus ----------------------------------------------------------------------------------

HMENU PopupOf(const std::vector<std::string> &texts, UINT firstId) {
    HMENU menu = CreatePopupMenu();
    UINT id = firstId;
    for (const std::string &text : texts) {
        if (text == "-")
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(menu, MF_STRING, id++, text.c_str());
    }
    return menu;
}

ULONG_PTR ItemData(HMENU menu, int position) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
    return info.dwItemData;
}

UINT ItemType(HMENU menu, int position) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
    return info.fType;
}

std::string ItemText(HMENU menu, int position) {
    char buffer[512] = {};
    int length = GetMenuStringA(menu, static_cast<UINT>(position), buffer, sizeof buffer, MF_BYPOSITION);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

// --- OLE objects ----------------------------------------------------------------------------

ComPtr<IPictureDisp> MakePicture(int width, int height) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap;
    ComPtr<IPictureDisp> picture;
    if (FAILED(OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE,
                                        reinterpret_cast<void **>(picture.Out()))))
        DeleteObject(bitmap);
    return picture;
}

ComPtr<IFontDisp> MakeFont(const wchar_t *name, int points, bool bold) {
    FONTDESC description = {};
    description.cbSizeofstruct = sizeof(description);
    description.lpstrName = const_cast<LPOLESTR>(name);
    description.cySize.int64 = static_cast<LONGLONG>(points) * 10000;
    description.sWeight = bold ? FW_BOLD : FW_NORMAL;
    description.sCharset = ANSI_CHARSET;
    ComPtr<IFontDisp> font;
    OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void **>(font.Out()));
    return font;
}

short FontCharset(IFontDisp *font) {
    ComPtr<IFont> properties = ComPtr<IFontDisp>(font).As<IFont>(IID_IFont);
    SHORT charset = -1;
    if (properties) properties->get_Charset(&charset);
    return charset;
}

// --- Late-bound calls -----------------------------------------------------------------------

DISPID DispidOf(IDispatch *object, const wchar_t *name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

HRESULT GetProperty(IDispatch *object, const wchar_t *name, VARIANT &result) {
    VariantInit(&result);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    return object->Invoke(DispidOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                          &result, nullptr, nullptr);
}

HRESULT PutProperty(IDispatch *object, const wchar_t *name, VARIANT value, WORD kind) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&value, &named, 1, 1};
    UINT argError = 0;
    return object->Invoke(DispidOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, kind, &params, nullptr, nullptr,
                          &argError);
}

long GetLong(IDispatch *object, const wchar_t *name) {
    VARIANT value;
    if (FAILED(GetProperty(object, name, value))) return -12345;
    VariantChangeType(&value, &value, 0, VT_I4);
    long result = V_I4(&value);
    VariantClear(&value);
    return result;
}

std::wstring GetString(IDispatch *object, const wchar_t *name) {
    VARIANT value;
    if (FAILED(GetProperty(object, name, value)) || V_VT(&value) != VT_BSTR) {
        VariantClear(&value);
        return L"<failed>";
    }
    std::wstring text(V_BSTR(&value), SysStringLen(V_BSTR(&value)));
    VariantClear(&value);
    return text;
}

ComPtr<IDispatch> GetObject(IDispatch *object, const wchar_t *name) {
    VARIANT value;
    ComPtr<IDispatch> result;
    if (SUCCEEDED(GetProperty(object, name, value)) && V_VT(&value) == VT_DISPATCH)
        result = ComPtr<IDispatch>(V_DISPATCH(&value));
    VariantClear(&value);
    return result;
}

VARIANT LongValue(LONG value) {
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return v;
}

VARIANT ObjectValue(IDispatch *object) {
    VARIANT v;
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = object;
    return v;
}

// --- A late-bound object of named members -----------------------------------------------------

namespace {

class NamedObject final : public IDispatch {
public:
    using Handler = std::function<HRESULT(DISPID, DISPPARAMS *, VARIANT *)>;
    NamedObject(std::map<std::wstring, DISPID> names, Handler handler)
        : names_(std::move(names)), handler_(std::move(handler)) {}

    STDMETHODIMP QueryInterface(REFIID iid, void **result) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
            *result = static_cast<IDispatch *>(this);
            AddRef();
            return S_OK;
        }
        *result = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG refs = InterlockedDecrement(&refs_);
        if (refs == 0) delete this;
        return refs;
    }
    STDMETHODIMP GetTypeInfoCount(UINT *count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID, DISPID *ids) override {
        if (count != 1) return DISP_E_UNKNOWNNAME;
        auto found = names_.find(names[0]);
        if (found == names_.end()) {
            ids[0] = DISPID_UNKNOWN;
            return DISP_E_UNKNOWNNAME;
        }
        ids[0] = found->second;
        return S_OK;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *result, EXCEPINFO *,
                        UINT *) override {
        return handler_(id, params, result);
    }

private:
    LONG refs_ = 1;
    std::map<std::wstring, DISPID> names_;
    Handler handler_;
};

ComPtr<IDispatch> Adopt(NamedObject *object) { return ComPtr<IDispatch>::Adopt(object); }

HRESULT ReturnObject(IDispatch *object, VARIANT *result) {
    if (!result) return E_POINTER;
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = object;
    object->AddRef();
    return S_OK;
}

}  // namespace

ComPtr<IDispatch> MakeImageList(const std::map<std::wstring, ComPtr<IPictureDisp>> &pictures) {
    std::map<std::wstring, ComPtr<IDispatch>> images;
    for (const auto &entry : pictures) {
        ComPtr<IPictureDisp> picture = entry.second;
        images[entry.first] = Adopt(new NamedObject({{L"Picture", 1}}, [picture](DISPID, DISPPARAMS *, VARIANT *r) {
            return ReturnObject(picture.Get(), r);
        }));
    }
    ComPtr<IDispatch> listImages = Adopt(new NamedObject(
        {{L"Item", 0}}, [images](DISPID, DISPPARAMS *params, VARIANT *result) -> HRESULT {
            if (!params || params->cArgs != 1 || V_VT(&params->rgvarg[0]) != VT_BSTR) return DISP_E_TYPEMISMATCH;
            // Keys compare exactly, as an image list's do; a missing key is an error.
            auto found = images.find(V_BSTR(&params->rgvarg[0]));
            if (found == images.end()) return DISP_E_EXCEPTION;
            return ReturnObject(found->second.Get(), result);
        }));
    return Adopt(new NamedObject({{L"ListImages", 1}}, [listImages](DISPID, DISPPARAMS *, VARIANT *result) {
        return ReturnObject(listImages.Get(), result);
    }));
}

ComPtr<IDispatch> MakePlainObject() {
    // No default value either, so nothing can turn it into a number.
    return Adopt(new NamedObject({{L"Name", 1}}, [](DISPID id, DISPPARAMS *, VARIANT *) {
        return id == 1 ? S_OK : DISP_E_MEMBERNOTFOUND;
    }));
}

GdiHeadroom::GdiHeadroom(size_t handlesLeft) {
    while (HRGN region = CreateRectRgn(0, 0, 1, 1)) taken_.push_back(region);
    for (size_t i = 0; i < handlesLeft && !taken_.empty(); ++i) {
        DeleteObject(taken_.back());
        taken_.pop_back();
    }
}

size_t GdiHeadroom::Left() {
    std::vector<HRGN> made;
    while (made.size() < 1000)
        if (HRGN region = CreateRectRgn(0, 0, 1, 1))
            made.push_back(region);
        else
            break;
    for (HRGN region : made) DeleteObject(region);
    return made.size();
}

GdiHeadroom::~GdiHeadroom() {
    for (HRGN region : taken_) DeleteObject(region);
}

}  // namespace menu_test
