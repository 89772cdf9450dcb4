// The listener a subclassed window hands its hooked messages to, before its own procedure.
#pragma once
#include <windows.h>

namespace brocade {

class cSubclassListener {
public:
    virtual ~cSubclassListener() = default;

    // Sees a hooked message first. bRouteToOriginal arrives true: leaving it true runs the
    // window's own procedure afterwards (whose result then wins); setting it False consumes the
    // message and this result becomes the window procedure's result.
    virtual LRESULT WindowMsgListener(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                      bool &bRouteToOriginal) {
        return 0;
    }

    // The registry keeps only a plain pointer; it holds the listener alive around each call
    // with this pair. A listener that is going away answers false and is not called. Neither
    // may throw. The defaults suit listeners that manage their own lifetime.
    virtual bool AddListenerRef() { return true; }
    virtual void ReleaseListenerRef() {}
};

}  // namespace brocade
