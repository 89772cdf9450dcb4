// The property set as a container sees it: change notifications, and the values it keeps in a
// property bag or a stream.
#include <gtest/gtest.h>

#include <set>

#include "support/event_sink.h"
#include "support/form.h"
#include "support/hosted_control.h"
#include "support/pixels.h"

using namespace brocade_test;

namespace {

// Every property, set to a value other than a new control's.
struct Property {
    const wchar_t *name;
    Variant value;
    int notified[2];        // notifications after one set, and after setting the same value again
    bool persisted = true;  // kept by a save and a load
};

// Language takes a value other than the one the control detected.
std::vector<Property> Properties(IDispatch *control) {
    std::vector<Property> properties = {
        {L"AutoShowHelp", false, {1, 2}},  // notified even when the value is unchanged
        {L"CheckMark", BitmapPicture(5, 3, RGB(1, 2, 3)).Get(), {1, 2}},  // likewise
        {L"HighlightStyle", 3, {1, 1}},      {L"MenuBorder", 2, {1, 1}},        {L"UseCustomColors", true, {1, 1}},
        {L"Language", 9, {1, 2}},  // Auto, replaced by the detected language, is a change each time
        {L"Language", Get(control, L"Language").value.AsLong() == 3 ? 4 : 3, {1, 1}},
        {L"RightToLeft", true, {1, 1}, false},  // follows the container
        {L"ShowTooltip", false, {1, 1}},     {L"TootipStyle", 1, {1, 1}},       {L"ShowTootipTitle", true, {1, 1}},
        {L"BackgroundPicture", BitmapPicture(4, 6, RGB(1, 2, 3)).Get(), {1, 1}},
        {L"TooltipInitialDelay", 100, {1, 1}}, {L"TooltipReshowDelay", 200, {1, 1}}, {L"TooltipAutopopDelay", 3000, {1, 1}},
        {L"Enabled", false, {1, 1}},         {L"HighlightAppearance", 2, {1, 1}}, {L"Unicode", true, {1, 1}},
        {L"HighlightOverBitmap", 1, {1, 1}}, {L"MenuIconSet", 16, {1, 1}},      {L"LockRefresh", true, {0, 0}, false},
    };
    int colour = 0x102030;
    for (const wchar_t *name : {L"MenuBackground", L"BitmapBackground", L"MenuBarBackground", L"TextColor",
                                L"DisabledTextColor", L"HighlightedTextColor", L"MenuHighlight", L"MenuHighlightBorder",
                                L"TootipBackground", L"TootipTextColor"})
        properties.push_back({name, colour += 0x010101, {1, 1}});
    return properties;
}

Invoked Set(IDispatch *control, const Property &property) {
    return property.value.Type() == VT_DISPATCH ? PutRef(control, property.name, property.value)
                                                : Put(control, property.name, property.value);
}

// A property's value for comparing: a number, or a picture by its type and size.
std::wstring Read(IDispatch *control, const wchar_t *name) {
    Variant value = Get(control, name).value;
    auto picture = value.AsDispatch().As<IPicture>(IID_IPicture);
    OLE_XSIZE_HIMETRIC width = 0;
    SHORT type = 0;
    if (picture) picture->get_Type(&type), picture->get_Width(&width);
    return value.Type() == VT_DISPATCH ? L"picture " + std::to_wstring(type) + L" " + std::to_wstring(width) : value.AsString();
}

}  // namespace

TEST(Notifications, EachPropertyNotifiesAChangeOnceAndARepeatOnlyWhereItAlwaysNotifies) {
    Form form;
    HostedControl first = HostedControl::WithSite(form);
    for (const Property &property : Properties(first)) {
        SCOPED_TRACE(testing::Message() << property.name << " " << Variant(property.value).AsString().c_str());
        HostedControl control = HostedControl::WithSite(form);
        PropertyNotifySink notified, other;
        ASSERT_TRUE(notified.Connect(control) && other.Connect(control));
        const DISPID id = Dispid(control, property.name);
        for (int time : {0, 1}) {
            EXPECT_EQ(Set(control, property).hr, S_OK);
            EXPECT_EQ(notified.Count(id), property.notified[time]) << (time ? "set again" : "set");
            other.Disconnect();
        }
        EXPECT_EQ(notified.changed.size(), static_cast<size_t>(notified.Count(id))) << "and no other";
        EXPECT_EQ(other.Count(id), property.notified[0]) << "a second sink hears them until it disconnects";
    }
}

// The same values come back on a control loaded from what another saved.
class RoundTrip : public testing::TestWithParam<bool> {};

TEST_P(RoundTrip, EveryPersistedPropertyComesBackAndTheRestFollowTheLoadingControl) {
    const bool stream = GetParam();
    Form form;
    PropertyBag bag;
    ComPtr<IStream> saved;
    {
        HostedControl source = HostedControl::WithSite(form);
        if (!stream) {
            ASSERT_EQ(SaveToBag(source, bag), S_OK);
            EXPECT_EQ(bag.values.size(), 1u) << "a new control writes only Language, which has no default";
            bag.values.clear();
        }
        for (const Property &property : Properties(source)) ASSERT_EQ(Set(source, property).hr, S_OK);
        ASSERT_TRUE(stream ? static_cast<bool>(saved = SaveToStream(source)) : SaveToBag(source, bag) == S_OK);
    }
    HostedControl loaded = HostedControl::WithSite(form, {true, false, nullptr, saved.Get(), stream ? nullptr : &bag});
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded.InitResult(), S_OK);
    // What a new control reads once given the persisted values.
    HostedControl fresh = HostedControl::WithSite(form, SiteOptions{true, false});
    for (const Property &property : Properties(fresh))
        if (property.persisted) Set(fresh, property);
    for (const Property &property : Properties(fresh)) {
        if (stream && property.name == std::wstring(L"RightToLeft")) continue;  // the stream's own rules: another test's
        EXPECT_EQ(Read(loaded, property.name), Read(fresh, property.name)) << property.name;
        if (!stream) { EXPECT_EQ(bag.values.count(property.name), property.persisted ? 1u : 0u) << property.name << " written"; }
    }
}

INSTANTIATE_TEST_SUITE_P(Persistence, RoundTrip, testing::Bool(),
                         [](const testing::TestParamInfo<bool> &info) { return info.param ? "Stream" : "PropertyBag"; });

TEST(Stream, AForeignNewerOrCutStreamIsRefusedAndAppliesNothing) {
    Form form;
    std::vector<BYTE> bytes;
    {
        HostedControl source = HostedControl::WithSite(form);
        for (const Property &property : Properties(source)) Set(source, property);
        bytes = StreamBytes(SaveToStream(source).Get());
    }
    ASSERT_GT(bytes.size(), 8u);
    HostedControl fresh = HostedControl::WithSite(form);
    // Each row: the byte turned over (-1: none) and the bytes kept.
    const std::tuple<const char *, int, size_t> rows[] = {
        {"another format's magic", 0, bytes.size()}, {"a newer version", 5, bytes.size()},
        {"cut short in its last value", -1, bytes.size() - 3}, {"cut short in its header", -1, 6}, {"empty", -1, 0},
    };
    for (const auto &[name, turned, kept] : rows) {
        SCOPED_TRACE(name);
        std::vector<BYTE> spoilt(bytes.begin(), bytes.begin() + kept);
        if (turned >= 0) spoilt[turned] ^= 0xFF;
        HostedControl loaded = HostedControl::WithSite(form, {true, {}, nullptr, MemoryStream(spoilt).Get()});
        EXPECT_TRUE(FAILED(loaded.InitResult()));
        for (const Property &property : Properties(fresh))  // as a new control
            EXPECT_EQ(Read(loaded, property.name), Read(fresh, property.name)) << property.name;
    }
}
