// Connection points of the control: one per outgoing interface, each with its own sinks.
#pragma once
#include <ocidl.h>

#include <map>
#include <vector>

#include "common/com_ptr.h"

namespace brocade {

class ConnectionPoint final : public IConnectionPoint {
public:
    // The container owns the connection point; references are forwarded to it.
    ConnectionPoint(IConnectionPointContainer *container, REFIID iid) : container_(container), iid_(iid) {}

    STDMETHODIMP QueryInterface(REFIID iid, void **result) override;
    STDMETHODIMP_(ULONG) AddRef() override { return container_->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return container_->Release(); }

    STDMETHODIMP GetConnectionInterface(IID *iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer **result) override;
    STDMETHODIMP Advise(IUnknown *sink, DWORD *cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections **result) override;

    REFIID Iid() const { return iid_; }
    // A snapshot of the sinks: a sink may unadvise itself while an event is delivered.
    std::vector<ComPtr<IUnknown>> Sinks() const;
    void UnadviseAll() { sinks_.clear(); }
    bool HasSinks() const { return !sinks_.empty(); }
    // The sink when exactly one is connected (the usual host), else null.
    ComPtr<IUnknown> OnlySink() const { return sinks_.size() == 1 ? sinks_.begin()->second : ComPtr<IUnknown>(); }

private:
    IConnectionPointContainer *container_;
    IID iid_;
    std::map<DWORD, ComPtr<IUnknown>> sinks_;
    DWORD nextCookie_ = 1;
};

// Enumerator over the connection points of a container.
HRESULT CreateConnectionPointEnumerator(const std::vector<IConnectionPoint *> &points, IEnumConnectionPoints **result);

}  // namespace brocade
