// Hosts Brocade.Brocade in the stock ATL container window ("AtlAxWin") on a form, and connects
// the demo's event sink to it.
#pragma once
#include <windows.h>

#include "Brocade.h"
#include "common/com_ptr.h"
#include "event_sink.h"

namespace brocade::demo {

class ControlHost {
public:
    explicit ControlHost(EventHandler &handler) : sink_(handler) {}
    ~ControlHost() { sink_.Disconnect(); }
    ControlHost(const ControlHost &) = delete;
    ControlHost &operator=(const ControlHost &) = delete;

    // Creates the container as a child of the form; the control attaches to the form it finds
    // above its container. False when the control is not registered or the container fails.
    bool Create(HWND form);
    _Brocade *Control() const { return control_.Get(); }

private:
    HWND container_ = nullptr;
    ComPtr<_Brocade> control_;
    EventSink sink_;
};

}  // namespace brocade::demo
