// The windows a control attaches to besides its own form: the MDI frame above its form, the MDI
// client and children inside it, and windows the host registers; and the records of menus that
// are gone.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "routing/menu_items.h"
#include "support/event_sink.h"
#include "support/form.h"
#include "support/hosted_control.h"
#include "support/menus.h"
#include "support/pixels.h"

using namespace brocade_test;

TEST(Mdi, AControlOnAnMdiChildStylesTheFramesMenuBarOnlyWhileItsChildIsActive) {
    Form frame(FormOptions{true, false, true});
    HMENU file = frame.AddPopup("&File", {"&New", "E&xit"});
    Form child(frame, L"Child");
    HostedControl control = HostedControl::InAtl(child);
    ASSERT_TRUE(control);
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    EXPECT_TRUE(WithOpenMenuBar(frame));
    EXPECT_TRUE(OwnerDrawn(GetMenu(frame), 0));
    const std::vector<std::wstring> scanned = sink.Captions(kSetMenuItemAttributes);
    EXPECT_EQ(std::set<std::wstring>(scanned.begin(), scanned.end()), (std::set<std::wstring>{L"&File", L"&New", L"E&xit"}));
    const ULONG_PTR serial = ItemData(file, 0);
    {
        Form other(frame, L"Other");  // the active child now
        EXPECT_EQ(ProcedureOf(frame), Form::OwnProcedure()) << "the frame is let go with the child";
        SendMessageW(frame.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child.Handle()), 0);
        EXPECT_NE(ProcedureOf(frame), Form::OwnProcedure()) << "and hooked again when the child is active again";
    }
    sink.events.clear();
    EXPECT_TRUE(WithOpenMenuBar(frame));
    EXPECT_GT(sink.Count(kSetMenuItemAttributes), 0);
    EXPECT_GT(ItemData(file, 0), serial) << "the records of the frame's menus went with the hook and are made anew";
}

TEST(Mdi, AControlOnAnMdiFormRegistersItsClientAndTheChildrenActivatedThroughItAndTakesOverTheWindowList) {
    Form frame(FormOptions{false, false, true});
    HMENU windows = frame.AddPopup("&Window", {"&Cascade"});
    const HWND client = frame.MdiClient();
    const WNDPROC clientsOwn = ProcedureOf(client);
    HostedControl control = HostedControl::WithSite(frame);
    ASSERT_TRUE(control);
    EXPECT_NE(ProcedureOf(client), clientsOwn) << "the MDI client is registered";
    auto one = std::make_unique<Form>(frame, L"One");
    Form two(frame, L"Two");
    for (HWND child : {one->Handle(), two.Handle()}) {
        ShowWindow(child, SW_SHOW);  // the client lists only visible children
        SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
        EXPECT_NE(ProcedureOf(child), Form::OwnProcedure()) << "an activated child is registered";
    }
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    // The client lists its children at the end of the Window menu.
    SendMessageW(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(GetMenu(frame)), reinterpret_cast<LPARAM>(windows));
    SendMessageW(client, WM_MDIREFRESHMENU, 0, 0);
    const int count = GetMenuItemCount(windows);
    ASSERT_GE(count, 3) << "the window list";
    char listed[64] = {};
    GetMenuStringA(windows, count - 1, listed, sizeof listed, MF_BYPOSITION);
    SendMessageW(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(windows), 0);
    EXPECT_EQ(OwnerDrawnCount(windows), count) << "the list's items and separator as well";
    EXPECT_EQ(sink.Captions(kSetMenuItemAttributes).back(), std::wstring(listed, listed + strlen(listed)));

    one.reset();  // destroyed while registered
    sink.Disconnect();
    control.Close();
    EXPECT_EQ(ProcedureOf(client), clientsOwn);
    EXPECT_EQ(ProcedureOf(two), Form::OwnProcedure());
    EXPECT_EQ(OwnerDrawnCount(windows), 0);
}

// A window the host registers: hooked once, its menu bar redrawn at once only when it shows,
// its menus then the control's, and let go when the host says stop.
class Registered : public testing::TestWithParam<bool> {};

TEST_P(Registered, AWindowIsHookedOnceRedrawnAtOnceOnlyWhenVisibleAndLetGoOnStop) {
    const bool visible = GetParam();
    Form form;
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    Form other(FormOptions{visible});
    HMENU tools = other.AddPopup("&Tools", {"&Options"});
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    auto registerIt = [&](bool stop) {
        VARIANT_BOOL flag = stop ? VARIANT_TRUE : VARIANT_FALSE;
        return control->RegisterWindowMenu(Handle(other), &flag);
    };
    ASSERT_EQ(registerIt(false), S_OK);
    const WNDPROC hooked = ProcedureOf(other);
    EXPECT_NE(hooked, Form::OwnProcedure());
    EXPECT_EQ(OwnerDrawn(GetMenu(other), 0), visible);
    EXPECT_EQ(sink.Count(kSetMenuItemAttributes), visible ? 1 : 0);
    ASSERT_EQ(registerIt(false), S_OK);
    EXPECT_EQ(ProcedureOf(other), hooked);
    EXPECT_EQ(sink.Count(kSetMenuItemAttributes), visible ? 1 : 0) << "registering again does not redraw";
    SendMessageW(other, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(tools), 0);
    EXPECT_TRUE(OwnerDrawn(tools, 0));
    EXPECT_EQ(other.Count(WM_INITMENUPOPUP), 1);
    ASSERT_EQ(registerIt(true), S_OK);
    EXPECT_EQ(ProcedureOf(other), Form::OwnProcedure());
}

INSTANTIATE_TEST_SUITE_P(Attachment, Registered, testing::Bool(),
                         [](const testing::TestParamInfo<bool> &info) { return info.param ? "Visible" : "Hidden"; });

// The records of a context menu the host destroys go, with what they hold of the host's, once
// an MDI child is destroyed or the next menu loop begins; those of live menus stay.
class DeadMenu : public testing::TestWithParam<bool> {};

TEST_P(DeadMenu, ItsRecordsGoAndLetGoOfTheHostsPicturesWhileThoseOfLiveMenusStay) {
    Form frame(FormOptions{false, false, true});
    HostedControl control = HostedControl::WithSite(frame);
    ASSERT_TRUE(control);
    auto child = std::make_unique<Form>(frame, L"Child");
    HMENU doomed = CreatePopupMenu(), kept = frame.MakePopup({"&Keep", "&Stay"});
    AppendMenuA(doomed, MF_STRING, 1, "&Gone");
    AppendMenuA(doomed, MF_STRING, 2, "&Away");
    ComPtr<IPictureDisp> pictures[2] = {BitmapPicture(16, 16, RGB(1, 2, 3)), BitmapPicture(16, 16, RGB(4, 5, 6))};
    auto references = [&](int which) { return pictures[which]->AddRef(), pictures[which]->Release(); };
    const ULONG alone = references(0);
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    int giving = 0;
    sink.onSetMenuItemAttributes = [&](_CMenuItem *item) { PutRef(item, L"Picture", pictures[giving].Get()); };
    for (HMENU menu : {doomed, kept}) {
        giving = menu == kept;
        SendMessageW(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    }
    ASSERT_GT(references(0), alone);
    DestroyMenu(doomed);
    if (GetParam()) {
        child.reset();
    } else {
        SendMessageW(frame, WM_ENTERMENULOOP, TRUE, 0);
        SendMessageW(frame, WM_EXITMENULOOP, TRUE, 0);
    }
    WaitFor([&] { return references(0) == alone; }, 2000, "the destroyed menu's records to let go of its picture");
    EXPECT_GT(references(1), alone) << "the live menu's records keep theirs";
}

INSTANTIATE_TEST_SUITE_P(Attachment, DeadMenu, testing::Bool(), [](const testing::TestParamInfo<bool> &info) {
    return info.param ? "AfterAnMdiChildIsDestroyed" : "WhenTheNextMenuLoopBegins";
});
