// Stand-ins for the host and the control: a window class whose own procedure notes what
// reaches it, and a listener that notes what it is handed.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "subclass/subclass_listener.h"

namespace subclass_test {

using brocade::Boolean;

constexpr UINT kProbe = WM_USER + 1;
constexpr UINT kOtherProbe = WM_USER + 2;
// What the host window's own procedure answers to any message from WM_USER on.
constexpr LRESULT kOwnResult = 0x0A11;
constexpr LRESULT kListenerResult = 77;

// One message as it reached a listener (its tag) or a window's own procedure ('O').
struct Delivery {
    char who;
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Delivery> &Journal();
// Who saw the message, in order: "LO" is the listener tagged 'L', then the own procedure.
std::string Trace(UINT msg);

// What the own procedure found when WM_NCDESTROY reached it.
struct NcDestroySeen {
    WNDPROC procedure = nullptr;
    Boolean subclassed = 0;
};
NcDestroySeen &LastNcDestroy();

// The host window's own procedure: notes messages from WM_USER on and WM_NCDESTROY.
LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// A top-level window of the host class (Unicode), destroyed with the object if still alive.
class HostWindow {
public:
    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow &) = delete;
    HostWindow &operator=(const HostWindow &) = delete;
    operator HWND() const { return hwnd_; }
    WNDPROC Procedure() const;

private:
    HWND hwnd_;
};

// Stands in for the control. By default it answers kListenerResult and leaves the routing
// flag alone; a test replaces `handler` to do more.
class TestListener : public brocade::cSubclassListener {
public:
    using Handler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM, Boolean &)>;
    explicit TestListener(char tag) : tag_(tag) {}

    LRESULT WindowMsgListener(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                              Boolean &bRouteToOriginal) override;
    bool AddListenerRef() override;
    void ReleaseListenerRef() override { --references; }

    Handler handler;
    bool refuseReference = false;
    int references = 0;
    int calls = 0;
    int referencesDuringLastCall = 0;
    Boolean flagOnEntry = 0;

private:
    char tag_;
};

// Starts every case with an empty journal. Windows are destroyed by the cases themselves, so
// the registry is empty again between cases.
class SubclassTest : public ::testing::Test {
protected:
    void SetUp() override { Journal().clear(); }
};

}  // namespace subclass_test
