// The per-thread registry of subclassed windows and the procedure installed on all of them.
// Every operation runs on the thread that owns the window; each UI thread has its own
// registry and no locks are taken.
#pragma once
#include <windows.h>

#include "subclass/subclass_listener.h"

namespace brocade {
namespace SubclassWnd {

// Replaces the window's procedure with SubclassWndProc and registers it with the listener
// (not owned) and an empty hooked set. A window that is already subclassed is unsubclassed
// first. Handle 0, a window of another thread, or a window whose procedure cannot be
// replaced is left untouched and unregistered.
void SubclassWindow(HWND window, cSubclassListener *listener);

// Puts back the procedure saved by SubclassWindow and forgets the window. Never raises; a
// window that is not registered is left alone.
void UnsubclassWindow(HWND window);

bool IsWindowSubclassed(HWND window);

// Runs the window's saved procedure. Returns 0 when no window is registered on this thread;
// raises CollectionError::kNotFound for an unregistered window otherwise.
LRESULT CallSavedWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Routes the message through the listener from now on. Does nothing when no window is
// registered on this thread; raises CollectionError::kNotFound for an unregistered window
// otherwise. Hooking a message twice leaves it hooked once; message 0 is never hooked.
void HookMessage(HWND window, UINT msg);

// Stops routing the message through the listener. Never raises.
void UnhookMessage(HWND window, UINT msg);

// The procedure every subclassed window runs.
LRESULT CALLBACK SubclassWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

}  // namespace SubclassWnd
}  // namespace brocade
