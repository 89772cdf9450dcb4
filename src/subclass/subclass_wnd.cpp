#include "subclass/subclass_wnd.h"

#include <memory>
#include <new>
#include <unordered_map>

#include "common/boundary.h"
#include "common/collection_error.h"
#include "common/skippable.h"
#include "subclass/subclass_info.h"

namespace brocade {
namespace SubclassWnd {

namespace {

// Shared so that a message being routed keeps its record usable even when the listener
// unsubclasses, re-subclasses or destroys the window meanwhile.
using RecordPtr = std::shared_ptr<cSubclassInfo>;
using Registry = std::unordered_map<HWND, RecordPtr>;

// One slot per thread for its registry. Win32 TLS rather than thread_local: MinGW's emulated
// TLS costs about twice as much per message, and would run a thread-exit destructor in a
// module that may have been unloaded by then.
class RegistrySlot {
public:
    RegistrySlot() : index_(TlsAlloc()) {}
    ~RegistrySlot() {
        if (index_ != TLS_OUT_OF_INDEXES) TlsFree(index_);
    }
    Registry *Get() const {
        // TlsGetValue clears the thread's last error, which a forwarding procedure must keep.
        DWORD lastError = GetLastError();
        auto *registry = static_cast<Registry *>(TlsGetValue(index_));
        if (lastError) SetLastError(lastError);
        return registry;
    }
    bool Set(Registry *registry) const { return TlsSetValue(index_, registry) != FALSE; }

private:
    DWORD index_;
};

// The registry is made on first use and deleted when its last window leaves, so a thread that
// no longer subclasses anything holds nothing. An empty registry and none are the same thing.
const RegistrySlot threadRegistry;

Registry &RegistryOfThread() {
    if (Registry *registry = threadRegistry.Get()) return *registry;
    auto registry = std::make_unique<Registry>();
    if (!threadRegistry.Set(registry.get())) throw std::bad_alloc();
    return *registry.release();
}

bool RegistryIsEmpty() {
    Registry *registry = threadRegistry.Get();
    return !registry || registry->empty();
}

cSubclassInfo *FindRecord(HWND window) {
    Registry *registry = threadRegistry.Get();
    if (!registry) return nullptr;
    auto found = registry->find(window);
    return found == registry->end() ? nullptr : found->second.get();
}

cSubclassInfo &RequireRecord(HWND window) {
    cSubclassInfo *record = FindRecord(window);
    if (!record) throw CollectionError(CollectionError::kNotFound);
    return *record;
}

void ForgetRecord(HWND window) {
    Registry *registry = threadRegistry.Get();
    if (!registry) return;
    registry->erase(window);
    if (registry->empty()) {
        threadRegistry.Set(nullptr);
        delete registry;
    }
}

// SetWindowLongPtr accepts a window of another thread of this process, but that window's
// messages would arrive on its own thread, whose registry does not know it.
bool OwnedByAnotherThreadOfThisProcess(HWND window) {
    DWORD process = 0;
    DWORD thread = GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId() && thread != GetCurrentThreadId();
}

LRESULT CallListener(cSubclassListener *listener, HWND hwnd, UINT msg, WPARAM wParam,
                     LPARAM lParam, bool &routeToOriginal) {
    if (!listener || !listener->AddListenerRef()) return 0;
    struct Release {
        cSubclassListener *listener;
        ~Release() { listener->ReleaseListenerRef(); }
    } release{listener};
    return listener->WindowMsgListener(hwnd, msg, wParam, lParam, routeToOriginal);
}

// Hooked messages and WM_NCDESTROY. A listener that fails is skipped: the window's own
// procedure still runs and answers.
LRESULT RouteThroughListener(RecordPtr record, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    bool routeToOriginal = true;
    if (record->IsMessageHooked(msg))
        Skippable([&] { result = CallListener(record->ListenerPtr(), hwnd, msg, wParam, lParam, routeToOriginal); });
    if (msg == WM_NCDESTROY) {
        // The window leaves the registry by itself, and its own procedure must see the
        // message whatever the listener decided.
        UnsubclassWindow(hwnd);
        routeToOriginal = true;
    }
    if (routeToOriginal) result = CallWindowProcW(record->SavedWndProc(), hwnd, msg, wParam, lParam);
    return result;
}

LRESULT Route(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // A window that still carries this procedure but is not registered on this thread has
    // nothing to forward to.
    Registry *registry = threadRegistry.Get();
    if (!registry) return 0;
    auto found = registry->find(hwnd);
    if (found == registry->end()) return 0;
    const cSubclassInfo &record = *found->second;
    // Unhooked messages, the common case, cost one hash look-up and a bit check more than a
    // bare forwarding procedure.
    if (uMsg != WM_NCDESTROY && !record.IsMessageHooked(uMsg))
        return CallWindowProcW(record.SavedWndProc(), hwnd, uMsg, wParam, lParam);
    return RouteThroughListener(found->second, hwnd, uMsg, wParam, lParam);
}

}  // namespace

void SubclassWindow(HWND window, cSubclassListener *listener) {
    if (!window || OwnedByAnotherThreadOfThisProcess(window)) return;
    if (FindRecord(window)) UnsubclassWindow(window);
    auto saved = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    // Registered before the procedure is replaced, so a failing allocation leaves the window
    // untouched; no message can arrive in between.
    RegistryOfThread()[window] = std::make_shared<cSubclassInfo>(window, listener, saved);
    if (!SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassWndProc)))
        ForgetRecord(window);
}

void UnsubclassWindow(HWND window) {
    cSubclassInfo *record = FindRecord(window);
    if (!record) return;
    // Put back unconditionally, even if someone has subclassed the window after us.
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record->SavedWndProc()));
    ForgetRecord(window);
}

bool IsWindowSubclassed(HWND window) { return (FindRecord(window) != nullptr); }

LRESULT CallSavedWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (RegistryIsEmpty()) return 0;
    WNDPROC saved = RequireRecord(window).SavedWndProc();
    return CallWindowProcW(saved, window, msg, wParam, lParam);
}

void HookMessage(HWND window, UINT msg) {
    if (RegistryIsEmpty()) return;
    cSubclassInfo &record = RequireRecord(window);
    if (!record.IsMessageHooked(msg)) record.AddMessage(msg);
}

void UnhookMessage(HWND window, UINT msg) {
    cSubclassInfo *record = FindRecord(window);
    if (record && record->IsMessageHooked(msg)) record->RemoveMessage(msg);
}

LRESULT CALLBACK SubclassWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Guarded([&] { return Route(hwnd, uMsg, wParam, lParam); },
                   [&] { return DefWindowProcW(hwnd, uMsg, wParam, lParam); });
}

}  // namespace SubclassWnd
}  // namespace brocade
