// The form the benchmarks host the control on, as a container does: the control created by its
// ProgID, initialised with InitNew, sited on a form window and activated in place; its events
// raised through the connection point into the sink of one of four host kinds.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "gdi.h"
#include "support/event_sink.h"
#include "support/hosted_control.h"

namespace brocade_bench {

using brocade_test::ComPtr;

enum HostKind { kNoSink, kIdleSink, kCustomDrawSink, kPropertySink, kHostKinds };
const char *const kHostKindNames[kHostKinds] = {"no sink", "sink handling nothing", "custom-draw sink",
                                                "sink setting a property"};

constexpr long kHighlightStyles = 11, kBorders = 3;  // bdPlain .. bdOffice2003; Normal .. Flat with Shadow
const char *const kStyleNames[kHighlightStyles] = {"Plain",          "Horizontal L>R",  "Horizontal R>L",
                                                   "Horizontal Center", "Vertical T>B", "Vertical B>T",
                                                   "Vertical Center",   "Diagonal",     "Radial",
                                                   "XP",                "Office 2003"};
const char *const kBorderNames[kBorders] = {"Normal", "Flat", "Flat with Shadow"};

// The menu background a sink of kind kPropertySink sets, by popup: it changes every time.
inline COLORREF ToggledBackground(int popup) { return popup % 2 ? RGB(250, 240, 200) : RGB(200, 230, 250); }

// A host's event sink. kIdleSink answers every event at once, as a form without event
// procedures does. kCustomDrawSink draws over each item after the control (DrawMenuItemEx at
// bdPostDraw): a bar at its left edge, and a text colour of its own left in the DC.
// kPropertySink sets the control's MenuBackground in SetMenuItemAttributes, once per scan
// (arm() before each), to the colour the host asks for.
class Sink final : public IDispatch {
public:
    Sink(HostKind kind, _Brocade *control) : kind_(kind), control_(control) {
        if (kind == kCustomDrawSink) bar_.Reset(CreateSolidBrush(RGB(0, 128, 0)));
    }
    ~Sink() { connection_.Disconnect(); }
    bool Connect() { return connection_.Connect(control_, DIID___Brocade, this); }
    void Arm(COLORREF background) { background_ = background, armed_ = true; }
    int PropertiesSet() const { return propertiesSet_; }

    STDMETHODIMP QueryInterface(REFIID iid, void **object) override {
        return brocade_test::Offer(iid, object, {{IID_IUnknown, this}, {IID_IDispatch, this}, {DIID___Brocade, this}});
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }  // owned by the host, outlives its connection
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT *count) override { return *count = 0, S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo **info) override { return *info = nullptr, E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *, EXCEPINFO *, UINT *) override {
        // Arguments come last to first: DrawMenuItemEx's are bDoDefault, eDrawStage, cy, cx,
        // bSelected, the DC as a Long, the item.
        const VARIANT *args = params ? params->rgvarg : nullptr;
        if (kind_ == kCustomDrawSink && id == brocade_test::kDrawMenuItemEx && params->cArgs == 7 &&
            V_I4(&args[1]) == 2 /* bdPostDraw */) {
            HDC dc = reinterpret_cast<HDC>(static_cast<LONG_PTR>(V_I4(&args[5])));
            RECT bar = {0, 0, 3, V_I4(&args[2])};
            FillRect(dc, &bar, bar_.Get());
            SetTextColor(dc, RGB(128, 0, 128));
        } else if (kind_ == kPropertySink && id == brocade_test::kSetMenuItemAttributes && armed_) {
            armed_ = false;
            if (SUCCEEDED(control_->put_MenuBackground(background_))) ++propertiesSet_;
        }
        return S_OK;
    }

private:
    HostKind kind_;
    _Brocade *control_;
    brocade::UniqueBrush bar_;
    COLORREF background_ = 0;
    bool armed_ = false;
    int propertiesSet_ = 0;
    brocade_test::Connection connection_;
};

// A form of the bench's own (its window procedure the system's default), with a status bar;
// the control hosted on it, and the sink of the host kind connected.
class Host {
public:
    explicit Host(HostKind kind) {
        static const bool registered = [] {
            WNDCLASSW wc = {};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
            wc.lpszClassName = L"BrocadeBenchForm";
            INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
            return RegisterClassW(&wc) && InitCommonControlsEx(&controls);
        }();
        (void)registered;
        form_ = CreateWindowExW(0, L"BrocadeBenchForm", L"bench", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 400,
                                300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, form_, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
        control_.emplace(brocade_test::HostedControl::WithSite(form_));
        if (!Control()) return;
        if (kind == kPropertySink) Control()->put_UseCustomColors(VARIANT_TRUE);
        if (kind != kNoSink) {
            sink_.emplace(kind, Control());
            connected_ = sink_->Connect();
        }
    }
    ~Host() {
        sink_.reset();
        control_.reset();
        DestroyWindow(form_);  // with its menu bar and popups
    }
    Host(const Host &) = delete;
    Host &operator=(const Host &) = delete;

    // False when the control could not be created or the sink not connected.
    bool Ready() const { return Control() && (!sink_ || connected_); }
    _Brocade *Control() const { return control_ ? control_->Get() : nullptr; }
    Sink *EventSink() { return sink_ ? &*sink_ : nullptr; }
    HWND Form() const { return form_; }
    HWND StatusBar() const { return statusBar_; }

    void Use(long style, long border) {
        Control()->put_HighlightStyle(static_cast<bdHighlight>(style));
        Control()->put_MenuBorder(static_cast<bdBorder>(border));
    }
    void Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { SendMessageW(form_, msg, wParam, lParam); }

private:
    HWND form_ = nullptr, statusBar_ = nullptr;
    std::optional<brocade_test::HostedControl> control_;
    std::optional<Sink> sink_;
    bool connected_ = false;
};

inline ULONG_PTR ItemData(HMENU menu, int position) {
    MENUITEMINFOW info = {sizeof info, MIIM_DATA};
    return GetMenuItemInfoW(menu, position, TRUE, &info) ? info.dwItemData : 0;
}

inline double Seconds(LONGLONG counts) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counts) / static_cast<double>(frequency.QuadPart);
}

inline LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

inline double Median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace brocade_bench
