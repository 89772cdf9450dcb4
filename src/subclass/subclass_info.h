// One subclassed window: its listener, the procedure it had before, and the messages the
// listener wants to see.
#pragma once
#include <windows.h>

#include <bitset>
#include <unordered_set>

#include "subclass/subclass_listener.h"

namespace brocade {

class cSubclassInfo {
public:
    cSubclassInfo(HWND hwnd, cSubclassListener *listener, WNDPROC savedWndProc)
        : hwnd_(hwnd), listener_(listener), savedWndProc_(savedWndProc) {}
    cSubclassInfo(const cSubclassInfo &) = delete;
    cSubclassInfo &operator=(const cSubclassInfo &) = delete;

    HWND Hwnd() const { return hwnd_; }
    // Not owned: the listener unsubclasses its windows before it goes away.
    cSubclassListener *ListenerPtr() const { return listener_; }
    WNDPROC SavedWndProc() const { return savedWndProc_; }

    // Message 0 is ignored. Adding a message that is already hooked raises
    // CollectionError::kDuplicateKey.
    void AddMessage(UINT msg);
    // Message 0 and messages that are not hooked are ignored.
    void RemoveMessage(UINT msg);
    bool IsMessageHooked(UINT msg) const {
        if (msg < kDirectMessages) return (direct_[msg]);
        return (!others_.empty() && others_.count(msg) != 0);
    }

private:
    HWND hwnd_;
    cSubclassListener *listener_;
    WNDPROC savedWndProc_;
    // Looked up for every message the window receives. The system's messages and the first 1024
    // from WM_USER on, where all of the control's lie, are single bits; the rest (WM_APP and
    // registered messages) are hashed.
    static constexpr UINT kDirectMessages = 0x800;
    std::bitset<kDirectMessages> direct_;
    std::unordered_set<UINT> others_;
};

}  // namespace brocade
