// Picture objects over bitmaps and icons, the screen capture and the background surface.
#include <gtest/gtest.h>

#include "common/com_ptr.h"
#include "render/background_surface.h"
#include "render/picture_handles.h"
#include "render/screen_capture.h"
#include "render_test_support.h"
#include "support/test_support.h"

using namespace brocade;

namespace {

HBITMAP MakeBitmap(int width, int height, COLORREF (*colorAt)(int, int)) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetPixelV(memory, x, y, colorAt(x, y));
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

COLORREF Gradient(int x, int y) { return RGB(x * 20, y * 30, 90); }

// A 16 x 16 icon: red in the top half, transparent in the bottom half (mask set, colour black).
HICON MakeIcon() {
    HBITMAP color = MakeBitmap(16, 16, [](int, int y) -> COLORREF { return y < 8 ? RGB(255, 0, 0) : RGB(0, 0, 0); });
    BYTE maskBits[16 * 2];
    for (int row = 0; row < 16; ++row) maskBits[row * 2] = maskBits[row * 2 + 1] = row < 8 ? 0x00 : 0xFF;
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, maskBits);
    ICONINFO info = {TRUE, 0, 0, mask, color};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(color);
    DeleteObject(mask);
    return icon;
}

ComPtr<IPictureDisp> AsDisp(const ComPtr<IPicture> &picture) { return picture.As<IPictureDisp>(IID_IPictureDisp); }

SHORT TypeOf(IPicture *picture) {
    SHORT type = -2;
    picture->get_Type(&type);
    return type;
}

// An automation object that is no picture, as a host might pass one.
class NotAPicture : public IDispatch {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void **out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }
    STDMETHODIMP GetTypeInfoCount(UINT *count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *, UINT *) override {
        return E_NOTIMPL;
    }
    ULONG references = 1;
};

}  // namespace

TEST(Pictures, BitmapPictureOwnsItsBitmap) {
    HBITMAP bitmap = MakeBitmap(5, 3, Gradient);
    {
        ComPtr<IPicture> picture = BitmapToPicture(bitmap, nullptr);
        ASSERT_TRUE(picture);
        EXPECT_EQ(TypeOf(picture.Get()), PICTYPE_BITMAP);
        EXPECT_EQ(PictureHandle(picture.Get()), bitmap);
        SIZE size = PicturePixelSize(picture.Get());
        EXPECT_EQ(size.cx, 5);
        EXPECT_EQ(size.cy, 3);
        EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    }
    EXPECT_EQ(GetObjectType(bitmap), 0u);  // released with the picture
    EXPECT_FALSE(BitmapToPicture(nullptr, nullptr));
}

TEST(Pictures, IconPictureOwnsItsIcon) {
    EXPECT_FALSE(IconToPicture(nullptr));
    HICON icon = MakeIcon();
    ASSERT_TRUE(icon);
    {
        ComPtr<IPicture> picture = IconToPicture(icon);
        ASSERT_TRUE(picture);
        EXPECT_EQ(TypeOf(picture.Get()), PICTYPE_ICON);
        EXPECT_EQ(PictureHandle(picture.Get()), icon);
    }
    ICONINFO info;
    EXPECT_FALSE(GetIconInfo(icon, &info));  // destroyed with the picture
}

// A window painted red at the screen's top-left corner shows in the capture.
TEST(Pictures, ScreenCaptureHoldsTheWholeScreen) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(RGB(255, 0, 0));
    windowClass.lpszClassName = L"BrocadeCaptureProbe";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, L"BrocadeCaptureProbe", L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    UpdateWindow(window);
    brocade_test::PumpMessages(200);

    ComPtr<IPicture> picture = CaptureScreenBitmap();
    ASSERT_TRUE(picture);
    EXPECT_EQ(TypeOf(picture.Get()), PICTYPE_BITMAP);
    BITMAP info = {};
    GetObjectW(PictureHandle(picture.Get()), sizeof info, &info);
    EXPECT_EQ(info.bmWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(info.bmHeight, GetSystemMetrics(SM_CYSCREEN));
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, PictureHandle(picture.Get()));
    EXPECT_EQ(GetPixel(memory, 20, 20), RGB(255, 0, 0));
    SelectObject(memory, old);
    DeleteDC(memory);

    DestroyWindow(window);
    UnregisterClassW(L"BrocadeCaptureProbe", GetModuleHandleW(nullptr));
    DeleteObject(windowClass.hbrBackground);
}

TEST(BackgroundSurface, HoldsABitmapPictureInAMemoryDc) {
    HBITMAP bitmap = MakeBitmap(7, 5, Gradient);
    ComPtr<IPictureDisp> picture = AsDisp(BitmapToPicture(bitmap, nullptr));
    BackgroundSurface surface;
    EXPECT_EQ(surface.Prepare(picture.Get()), PictureTypeStatus::kAccepted);
    ASSERT_TRUE(surface.Dc());
    EXPECT_EQ(surface.Width(), 7);
    EXPECT_EQ(surface.Height(), 5);
    EXPECT_EQ(GetPixel(surface.Dc(), 3, 2), Gradient(3, 2));

    // Clearing gives the bitmap back: another DC can select it.
    EXPECT_EQ(surface.Prepare(nullptr), PictureTypeStatus::kAccepted);
    EXPECT_EQ(surface.Dc(), nullptr);
    EXPECT_EQ(surface.Width(), 0);
    HDC other = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(other, bitmap);
    EXPECT_TRUE(old);
    SelectObject(other, old);
    DeleteDC(other);
}

// An icon cannot be selected into a DC: it is drawn into a bitmap over the backdrop colour.
TEST(BackgroundSurface, RendersAnIconPictureIntoABitmap) {
    ComPtr<IPictureDisp> picture = AsDisp(IconToPicture(MakeIcon()));
    BackgroundSurface surface;
    EXPECT_EQ(surface.Prepare(picture.Get(), RGB(0, 0, 200)), PictureTypeStatus::kAccepted);
    ASSERT_TRUE(surface.Dc());
    EXPECT_EQ(surface.Width(), 16);
    EXPECT_EQ(surface.Height(), 16);
    EXPECT_EQ(GetPixel(surface.Dc(), 8, 3), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(surface.Dc(), 8, 12), RGB(0, 0, 200));
}

TEST(BackgroundSurface, RefusesMetafilesAndObjectsThatAreNoPictures) {
    HDC recorder = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    Rectangle(recorder, 0, 0, 10, 10);
    PICTDESC description = {sizeof description, PICTYPE_ENHMETAFILE};
    description.emf.hemf = CloseEnhMetaFile(recorder);
    ComPtr<IPictureDisp> metafile;
    ASSERT_EQ(OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, reinterpret_cast<void **>(metafile.Out())),
              S_OK);
    BackgroundSurface surface;
    EXPECT_EQ(surface.Prepare(metafile.Get()), PictureTypeStatus::kInvalidPictureType);
    EXPECT_EQ(surface.Dc(), nullptr);
    EXPECT_EQ(surface.Width(), 0);

    NotAPicture object;
    EXPECT_EQ(surface.Prepare(reinterpret_cast<IPictureDisp *>(static_cast<IDispatch *>(&object))),
              PictureTypeStatus::kInvalidPictureType);
    EXPECT_EQ(object.references, 1u);
    EXPECT_STREQ(kInvalidPictureTypeText, L"Invalid picture type");

    // An empty picture has no type to draw and a size of 0.
    ComPtr<IPictureDisp> empty;
    ASSERT_EQ(OleCreatePictureIndirect(nullptr, IID_IPictureDisp, TRUE, reinterpret_cast<void **>(empty.Out())), S_OK);
    EXPECT_EQ(surface.Prepare(empty.Get()), PictureTypeStatus::kInvalidPictureType);
    EXPECT_EQ(surface.Dc(), nullptr);
}
