// The control's properties carried through IPersistStreamInit as a container saves and loads
// them: what a stream must never make the control do, and what it must leave to the loading
// machine and container.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <vector>

#include "gdi.h"
#include "support/form.h"
#include "support/hosted_control.h"
#include "support/pixels.h"
#include "support/settings.h"

using namespace brocade_test;

namespace {

// The stream format by hand: "BRCD", version, entry count, then entries of a name index (into
// the format's name table), a kind and a value.
enum Name : BYTE { kHighlightStyle = 2, kMenuBackground = 5, kRightToLeft = 13, kBackgroundPicture = 20 };
enum Kind : BYTE { kShort = 1, kLong = 2, kPicture = 3 };

void Append(std::vector<BYTE> &bytes, const void *data, size_t size) {
    const size_t at = bytes.size();
    bytes.resize(at + size);
    if (size) memcpy(bytes.data() + at, data, size);
}
std::vector<BYTE> Entry(Name name, Kind kind, const void *value, size_t size) {
    std::vector<BYTE> bytes = {name, kind};
    Append(bytes, value, size);
    return bytes;
}
std::vector<BYTE> ShortEntry(Name name, SHORT value) { return Entry(name, kShort, &value, 2); }
std::vector<BYTE> LongEntry(Name name, LONG value) { return Entry(name, kLong, &value, 4); }
// A picture entry whose byte count says declared and which holds content.
std::vector<BYTE> PictureEntry(DWORD declared, const std::vector<BYTE> &content) {
    std::vector<BYTE> bytes = Entry(kBackgroundPicture, kPicture, &declared, 4);
    Append(bytes, content.data(), content.size());
    return bytes;
}
// What OleSaveToStream writes for an object: its class, then its data; a standard picture's
// data is "lt", two NUL bytes, the size of what follows, then that.
std::vector<BYTE> ObjectBytes(const CLSID &clsid, DWORD declared, size_t held) {
    std::vector<BYTE> bytes;
    Append(bytes, &clsid, sizeof clsid);
    const DWORD header[2] = {0x0000746C, declared};
    Append(bytes, header, sizeof header);
    bytes.resize(bytes.size() + held, 0x42);
    return bytes;
}
std::vector<BYTE> Stream(WORD version, const std::vector<std::vector<BYTE>> &entries) {
    std::vector<BYTE> bytes = {'B', 'R', 'C', 'D'};
    const WORD count = static_cast<WORD>(entries.size());
    Append(bytes, &version, 2);
    Append(bytes, &count, 2);
    for (const auto &entry : entries) Append(bytes, entry.data(), entry.size());
    return bytes;
}

// A class of the host's own, registered for this process only: counts the objects COM asks for.
class CountingFactory final : public IClassFactory {
public:
    int created = 0;
    STDMETHODIMP QueryInterface(REFIID iid, void **object) override {
        return Offer(iid, object, {{IID_IUnknown, this}, {IID_IClassFactory, this}});
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown *, REFIID, void **object) override {
        ++created;
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};

struct RegisteredClass {
    CountingFactory factory;
    CLSID clsid = {};
    DWORD cookie = 0;
    RegisteredClass() {
        CoCreateGuid(&clsid);
        CoRegisterClassObject(clsid, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie);
    }
    ~RegisteredClass() { CoRevokeClassObject(cookie); }
};

LONG LongOf(IDispatch *control, const wchar_t *name) { return Get(control, name).value.AsLong(); }

// A site whose container answers RightToLeft (unanswered while empty), loading from stream
// (initialising as new when null).
SiteOptions Site(std::optional<bool> rightToLeft, IStream *stream = nullptr) {
    SiteOptions options;
    options.rightToLeft = rightToLeft;
    options.stream = stream;
    return options;
}

}  // namespace

TEST(StreamLoad, AStreamThatIsNotOursToReadFailsAndAppliesAndCreatesNothing) {
    RegisteredClass hostClass;
    ASSERT_NE(hostClass.cookie, 0u);
    const std::vector<BYTE> style = LongEntry(kHighlightStyle, 6);  // read before the picture fails

    // A real picture's entry, cut short.
    Form source;
    HostedControl saved = HostedControl::WithSite(source);
    ASSERT_EQ(saved->putref_BackgroundPicture(BitmapPicture(16, 16, RGB(10, 200, 30)).Get()), S_OK);
    std::vector<BYTE> cut = StreamBytes(SaveToStream(saved).Get());
    ASSERT_GT(cut.size(), 100u);
    cut.resize(cut.size() - 40);

    const struct {
        const char *name;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"a picture naming a class of the host's", Stream(1, {style, PictureEntry(200, ObjectBytes(hostClass.clsid, 176, 176))})},
        {"the same in the current version", Stream(2, {style, PictureEntry(200, ObjectBytes(hostClass.clsid, 176, 176))})},
        {"a picture's byte count beyond the stream's end", Stream(1, {style, PictureEntry(1u << 20, ObjectBytes(CLSID_StdPicture, 176, 176))})},
        {"a picture's own size beyond its entry", Stream(1, {style, PictureEntry(200, ObjectBytes(CLSID_StdPicture, 100000, 176))})},
        {"a picture cut short", cut},
    };
    for (const auto &c : cases) {
        hostClass.factory.created = 0;
        Form form;
        HostedControl control = HostedControl::WithSite(form, Site({}, MemoryStream(c.bytes).Get()));
        EXPECT_TRUE(FAILED(control.InitResult())) << c.name << ": Load answered " << std::hex << control.InitResult();
        EXPECT_EQ(hostClass.factory.created, 0) << c.name << ": the stream had the host's class created";
        EXPECT_EQ(LongOf(control, L"HighlightStyle"), 1) << c.name << ": part of the stream was applied";
        ComPtr<IPictureDisp> background;
        control->get_BackgroundPicture(background.Out());
        EXPECT_FALSE(background) << c.name;
    }
}

TEST(StreamLoad, APictureSavedByTheControlComesBackWithItsPixels) {
    // 24 bits per pixel: Wine saves a 32-bit bitmap picture as BI_BITFIELDS without its masks
    // and cannot read it back.
    auto pixel = [](int x, int y) { return RGB(x * 15, y * 30, 77); };
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, 16, -8, 1, 24, BI_RGB};
    BYTE *bits = nullptr;
    PICTDESC desc = {sizeof desc, PICTYPE_BITMAP};
    desc.bmp.hbitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(&bits), nullptr, 0);
    ASSERT_TRUE(desc.bmp.hbitmap);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) {
            BYTE *at = bits + y * 48 + x * 3;
            at[0] = GetBValue(pixel(x, y)), at[1] = GetGValue(pixel(x, y)), at[2] = GetRValue(pixel(x, y));
        }
    ComPtr<IPictureDisp> picture;
    ASSERT_EQ(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void **>(picture.Out())), S_OK);

    Form form;
    HostedControl saved = HostedControl::WithSite(form);
    ASSERT_EQ(saved->putref_BackgroundPicture(picture.Get()), S_OK);
    HostedControl loaded = HostedControl::WithSite(form, Site({}, SaveToStream(saved).Get()));
    ASSERT_EQ(loaded.InitResult(), S_OK);
    ComPtr<IPictureDisp> background;
    ASSERT_EQ(loaded->get_BackgroundPicture(background.Out()), S_OK);
    ASSERT_TRUE(background);
    auto asPicture = background.As<IPicture>(IID_IPicture);
    SHORT type = 0;
    OLE_HANDLE handle = 0;
    asPicture->get_Type(&type);
    asPicture->get_Handle(&handle);
    ASSERT_EQ(type, PICTYPE_BITMAP);
    Surface pixels(16, 8);
    brocade::MemoryDc source(pixels.Dc());
    {
        brocade::SelectGuard select(source.Get(), reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)));
        BitBlt(pixels.Dc(), 0, 0, 16, 8, source.Get(), 0, 0, SRCCOPY);
    }
    for (POINT at : {POINT{15, 7}, POINT{3, 2}, POINT{0, 0}})
        EXPECT_EQ(pixels.At(at.x, at.y), pixel(at.x, at.y)) << at.x << "," << at.y << ": " << Hex(pixels.At(at.x, at.y));
}

// RightToLeft always follows the container, and a colour left at its derived default follows
// the system the form is loaded on.
TEST(StreamSave, WhatTheControlLeavesToTheLoadingMachineIsNotWritten) {
    const struct {
        const char *name;
        bool ambientAtSave, setAtSave, ambientAtLoad;
    } cases[] = {
        {"saved left to right, loaded under a right-to-left container", false, false, true},
        {"set right to left, loaded under a left-to-right container", false, true, false},
        {"saved under a right-to-left container, loaded under a left-to-right one", true, true, false},
    };
    for (const auto &c : cases) {
        Form form;
        HostedControl saved = HostedControl::WithSite(form, Site(c.ambientAtSave));
        ASSERT_EQ(Put(saved, L"RightToLeft", c.setAtSave).hr, S_OK) << c.name;
        ComPtr<IStream> stream = SaveToStream(saved);
        HostedControl loaded = HostedControl::WithSite(form, Site(c.ambientAtLoad, stream.Get()));
        ASSERT_EQ(loaded.InitResult(), S_OK) << c.name;
        EXPECT_EQ(Get(loaded, L"RightToLeft").value.AsBool(), c.ambientAtLoad) << c.name;
    }
}

TEST(StreamSave, AColourLeftAtItsDefaultFollowsTheSystemColoursOfTheLoadingMachine) {
    Form form;
    HostedControl saved = HostedControl::WithSite(form);
    ASSERT_EQ(Put(saved, L"UseCustomColors", true).hr, S_OK);
    ASSERT_EQ(Put(saved, L"TextColor", 0x123456).hr, S_OK);
    ComPtr<IStream> stream = SaveToStream(saved);
    ASSERT_TRUE(stream);

    const COLORREF loadingMenu = GetSysColor(COLOR_MENU) ^ 0x00305070;
    ScopedSysColors colours({{COLOR_MENU, loadingMenu}});
    HostedControl loaded = HostedControl::WithSite(form, Site(false, stream.Get()));
    ASSERT_EQ(loaded.InitResult(), S_OK);
    EXPECT_EQ(LongOf(loaded, L"MenuBackground"), static_cast<LONG>(loadingMenu)) << "left at its default";
    EXPECT_EQ(LongOf(loaded, L"TextColor"), 0x123456) << "set by the host";
}

TEST(StreamLoad, AVersion1StreamStillLoadsAndItsRightToLeftGivesWayToTheContainer) {
    const struct {
        const char *name;
        SHORT stored;
        bool ambient;
    } cases[] = {
        {"stored right to left, loaded under a left-to-right container", -1, false},
        {"stored left to right, loaded under a right-to-left container", 0, true},
    };
    for (const auto &c : cases) {
        Form form;
        const std::vector<BYTE> bytes =
            Stream(1, {LongEntry(kHighlightStyle, 6), LongEntry(kMenuBackground, 0x00ABCDEF), ShortEntry(kRightToLeft, c.stored)});
        HostedControl loaded = HostedControl::WithSite(form, Site(c.ambient, MemoryStream(bytes).Get()));
        ASSERT_EQ(loaded.InitResult(), S_OK) << c.name;
        EXPECT_EQ(LongOf(loaded, L"HighlightStyle"), 6) << c.name;
        EXPECT_EQ(Get(loaded, L"RightToLeft").value.AsBool(), c.ambient) << c.name;
        ASSERT_EQ(Put(loaded, L"UseCustomColors", true).hr, S_OK);
        EXPECT_EQ(LongOf(loaded, L"MenuBackground"), 0x00ABCDEF) << c.name;
    }
}
