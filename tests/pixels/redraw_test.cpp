// Items drawn again while one menu loop lasts, as the system draws them whenever a popup opens
// again or the selection moves: every change made since the item was last drawn shows, exactly
// as in an item drawn in a new loop, whether a host listens to the events or not.
#include <functional>
#include <memory>

#include "gdi.h"
#include "pixels/bench.h"

using namespace brocade_test;

namespace {

// "" when both show the same pixels, else where they first differ.
std::string Difference(const Surface &a, const Surface &b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return std::to_string(a.Width()) + "x" + std::to_string(a.Height()) + " against " +
               std::to_string(b.Width()) + "x" + std::to_string(b.Height());
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.At(x, y) != b.At(x, y))
                return "at " + std::to_string(x) + "," + std::to_string(y) + ": " + Hex(a.At(x, y)) + " against " +
                       Hex(b.At(x, y));
    return "";
}

constexpr COLORREF kHostInk = RGB(0, 200, 90);

struct Change {
    const char *name;
    bool listening;  // a host sink is connected (it handles nothing but what the change sets)
    std::function<void(Bench &, _CMenuItem *open)> apply;
};

class Redraw : public testing::TestWithParam<Change> {};

TEST_P(Redraw, AnItemDrawnAgainInTheSameLoopShowsWhatChangedAsANewLoopWould) {
    const Change &change = GetParam();
    Bench bench({"&Open\tCtrl+O", "E&xit"});
    bench.Draw(0);  // converts the items
    if (!change.listening) bench.sink.Disconnect();
    // A loop whose item the host holds as the loop's scan gave it (the scan gives every
    // opening fresh item attributes).
    ComPtr<_CMenuItem> open;
    bench.sink.onSetMenuItemAttributes = [&](_CMenuItem *item) {
        if (!open) open = ComPtr<_CMenuItem>(item);
    };
    auto begin = [&] {
        open = nullptr;
        if (!change.listening) EXPECT_TRUE(bench.sink.Connect(bench.control));
        auto loop = std::make_unique<FormMenuLoop>(bench.form, bench.popup);
        if (!change.listening) bench.sink.Disconnect();
        EXPECT_TRUE(open);
        return loop;
    };
    Surface before, selected, again, after, fresh;
    {
        auto loop = begin();
        before = loop->Draw(0);
        selected = loop->Draw(0, true);
        again = loop->Draw(0);
        change.apply(bench, open.Get());
        after = loop->Draw(0);
    }
    {
        auto loop = begin();
        change.apply(bench, open.Get());
        fresh = loop->Draw(0);
    }
    EXPECT_NE(Difference(selected, before), "") << "the selection shows";
    EXPECT_EQ(Difference(again, before), "") << "nothing changed";
    EXPECT_NE(Difference(after, before), "") << "the change shows";
    EXPECT_EQ(Difference(after, fresh), "") << "as in a new loop";
}

// Underlined, the caption keeps its width, so the item keeps its size.
void UnderlineCaption(_CMenuItem *item) {
    Put(Get(item, L"CaptionFont").value.AsDispatch().Get(), L"Underline", true);
}

// Each change is made once by a host that listens, and once by one that does not.
std::vector<Change> Changes() {
    const Change each[] = {
        {"MenuBackground", false, [](Bench &bench, _CMenuItem *) { bench.Set(L"MenuBackground", RGB(90, 0, 90)); }},
        {"CheckedByTheHost", false,
         [](Bench &bench, _CMenuItem *) { CheckMenuItem(bench.popup, 0, MF_BYPOSITION | MF_CHECKED); }},
        {"DisabledByTheHost", false,
         [](Bench &bench, _CMenuItem *) { EnableMenuItem(bench.popup, 0, MF_BYPOSITION | MF_GRAYED); }},
        {"CaptionFontUnderlined", false, [](Bench &, _CMenuItem *open) { UnderlineCaption(open); }},
        {"PictureGiven", false,
         [](Bench &, _CMenuItem *open) { PutRef(open, L"Picture", BitmapPicture(12, 12, RGB(200, 0, 200)).Get()); }},
    };
    std::vector<Change> changes;
    for (const Change &change : each) {
        changes.push_back(Change{change.name, false, change.apply});
        changes.push_back(Change{change.name, true, change.apply});
    }
    // A handler that draws once the background is painted: the texts go over what it drew.
    changes.push_back(Change{"HostDrawsAfterTheBackground", true, [](Bench &bench, _CMenuItem *) {
                                 bench.sink.onDrawMenuItemEx = [](_CMenuItem *, HDC dc, bool, LONG cx, LONG cy,
                                                                  LONG stage, VARIANT_BOOL &) {
                                     if (stage != 1) return;
                                     brocade::UniqueBrush ink(CreateSolidBrush(kHostInk));
                                     RECT area = {cx / 3, 0, cx, cy};
                                     FillRect(dc, &area, ink.Get());
                                 };
                             }});
    return changes;
}

std::string ChangeName(const testing::TestParamInfo<Change> &info) {
    return std::string(info.param.name) + (info.param.listening ? "_Listening" : "_NobodyListening");
}

INSTANTIATE_TEST_SUITE_P(Loop, Redraw, testing::ValuesIn(Changes()), ChangeName);

}  // namespace
