// What the pixel tests share: a form whose popup the control draws through the form's window,
// in custom colours of the test's own, with a host connected to its events.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

#include "support/event_sink.h"
#include "support/form.h"
#include "support/hosted_control.h"
#include "support/menus.h"  // and support/pixels.h

namespace brocade_test {

// Every layer of an item in a colour of its own.
constexpr COLORREF kMenu = RGB(0, 0, 200), kColumn = RGB(60, 60, 60), kHighlight = RGB(200, 1, 0),
                   kBorder = RGB(0, 150, 0), kText = RGB(20, 20, 20), kSelectedText = RGB(255, 255, 0),
                   kGrayText = RGB(130, 130, 150), kBar = RGB(210, 180, 90);

// The control on a (hidden) form with one popup, in the colours above and the Plain style. A width or height that is
// not 0 is what the host answers in SetMenuItemSize for every item, so that the numbers a test
// works out by hand hold whatever the system's metrics and fonts.
class Bench {
public:
    explicit Bench(std::initializer_list<const char *> items, LONG width = 0, LONG height = 0)
        : popup(form.AddPopup("&File", items)), control(HostedControl::WithSite(form)) {
        EXPECT_TRUE(control && sink.Connect(control));
        sink.onSetMenuItemSize = [width, height](_CMenuItem *, LONG &w, LONG &h) {
            if (width) w = width;
            if (height) h = height;
        };
        Set(L"UseCustomColors", true);
        Set(L"HighlightStyle", 0);  // Plain
        const std::pair<const wchar_t *, COLORREF> colours[] = {
            {L"MenuBackground", kMenu},          {L"BitmapBackground", kColumn},    {L"MenuHighlight", kHighlight},
            {L"MenuHighlightBorder", kBorder},   {L"TextColor", kText},             {L"HighlightedTextColor", kSelectedText},
            {L"DisabledTextColor", kGrayText},   {L"MenuBarBackground", kBar}};
        for (const auto &[name, colour] : colours) Set(name, colour);
    }
    void Set(const wchar_t *property, const Variant &value) {
        EXPECT_EQ(Put(control, property, value).hr, S_OK) << "setting " << testing::PrintToString(property);
    }
    Surface Draw(UINT position, bool selected = false) { return DrawItemThroughForm(form, popup, position, selected); }
    Surface DrawTitle(bool selected = false) { return DrawItemThroughForm(form, GetMenu(form), 0, selected); }

    Form form;
    HMENU popup;
    HostedControl control;
    EventSink sink;
};

// The bitmap column's width when no item of the menu has a picture or a check mark.
inline int PlainColumnWidth() { return std::max(4, GetSystemMetrics(SM_CYMENU)); }

inline int CountOf(const Surface &pixels, COLORREF colour) {
    int count = 0;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) count += pixels.At(x, y) == colour;
    return count;
}

// The first column and row where the colour shows, {-1, -1} when nowhere.
inline std::pair<int, int> FirstOf(const Surface &pixels, COLORREF colour) {
    std::pair<int, int> first{-1, -1};
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            if (pixels.At(x, y) == colour) {
                if (first.first < 0 || x < first.first) first.first = x;
                if (first.second < 0) first.second = y;
            }
    return first;
}

// A line of pixels from (x, y) in steps of (dx, dy) as runs of named colours, "C20 B1 H79", '?'
// for a colour without a name.
using Names = std::initializer_list<std::pair<char, COLORREF>>;
inline std::string Runs(const Surface &pixels, int x, int y, int dx, int dy, Names names) {
    std::string runs;
    char last = 0;
    int count = 0;
    auto flush = [&] { runs += (runs.empty() ? "" : " ") + std::string(1, last) + std::to_string(count); };
    for (; pixels.At(x, y) != CLR_INVALID; x += dx, y += dy) {
        char name = '?';
        for (const auto &[letter, colour] : names)
            if (pixels.At(x, y) == colour) name = letter;
        if (count && name != last) flush(), count = 0;
        last = name, ++count;
    }
    if (count) flush();
    return runs;
}
inline std::string Runs(std::initializer_list<std::pair<char, int>> runs) {
    std::string text;
    for (const auto &[name, count] : runs)
        if (count > 0) text += (text.empty() ? "" : " ") + std::string(1, name) + std::to_string(count);
    return text;
}

// Names the cases of a table by their name field.
struct ByName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row> &info) const { return info.param.name; }
};

}  // namespace brocade_test
