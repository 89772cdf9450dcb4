#include "com/connection_point.h"

#include <olectl.h>

#include "com/automation_error.h"

namespace brocade {

namespace {

// A snapshot enumerator for IEnumConnections and IEnumConnectionPoints.
template <class Enum, class Item, const IID *Iid>
class SnapshotEnum final : public Enum {
public:
    explicit SnapshotEnum(std::vector<Item> items, size_t position = 0)
        : items_(std::move(items)), position_(position) {
        for (Item &item : items_) Acquire(item);
    }
    ~SnapshotEnum() {
        for (Item &item : items_) Free(item);
    }

    STDMETHODIMP QueryInterface(REFIID iid, void **result) override {
        if (!result) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, *Iid)) {
            *result = static_cast<Enum *>(this);
            AddRef();
            return S_OK;
        }
        *result = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG refs = InterlockedDecrement(&refs_);
        if (!refs) delete this;
        return refs;
    }
    STDMETHODIMP Next(ULONG count, Item *out, ULONG *fetched) override {
        if (!out) return E_POINTER;
        ULONG n = 0;
        while (n < count && position_ < items_.size()) {
            out[n] = items_[position_++];
            Acquire(out[n]);
            ++n;
        }
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        position_ += count;
        if (position_ > items_.size()) {
            position_ = items_.size();
            return S_FALSE;
        }
        return S_OK;
    }
    STDMETHODIMP Reset() override {
        position_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(Enum **result) override {
        if (!result) return E_POINTER;
        *result = nullptr;
        return ComGuard([&] {
            *result = new SnapshotEnum(items_, position_);
            return S_OK;
        });
    }

private:
    std::vector<Item> items_;
    size_t position_;
    LONG refs_ = 1;

    static void Acquire(CONNECTDATA &data) { data.pUnk->AddRef(); }
    static void Free(CONNECTDATA &data) { data.pUnk->Release(); }
    static void Acquire(IConnectionPoint *point) { point->AddRef(); }
    static void Free(IConnectionPoint *point) { point->Release(); }
};

using ConnectionsEnum = SnapshotEnum<IEnumConnections, CONNECTDATA, &IID_IEnumConnections>;
using PointsEnum = SnapshotEnum<IEnumConnectionPoints, IConnectionPoint *, &IID_IEnumConnectionPoints>;

}  // namespace

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID iid, void **result) {
    if (!result) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
        *result = static_cast<IConnectionPoint *>(this);
        AddRef();
        return S_OK;
    }
    *result = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID *iid) {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer **result) {
    if (!result) return E_POINTER;
    container_->AddRef();
    *result = container_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown *sink, DWORD *cookie) {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    // Event interfaces are dispinterfaces: a sink may answer the IID or only IDispatch.
    ComPtr<IUnknown> held;
    if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void **>(held.Out()))) &&
        (IsEqualIID(iid_, IID_IPropertyNotifySink) ||
         FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void **>(held.Out())))))
        return CONNECT_E_CANNOTCONNECT;
    return ComGuard([&] {
        sinks_[nextCookie_] = held;
        *cookie = nextCookie_++;
        return S_OK;
    });
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
    return sinks_.erase(cookie) ? S_OK : CONNECT_E_NOCONNECTION;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return ComGuard([&] {
        std::vector<CONNECTDATA> items;
        for (auto &[cookie, sink] : sinks_) items.push_back({sink.Get(), cookie});
        *result = new ConnectionsEnum(std::move(items));
        return S_OK;
    });
}

std::vector<ComPtr<IUnknown>> ConnectionPoint::Sinks() const {
    std::vector<ComPtr<IUnknown>> result;
    for (auto &entry : sinks_) result.push_back(entry.second);
    return result;
}

HRESULT CreateConnectionPointEnumerator(const std::vector<IConnectionPoint *> &points, IEnumConnectionPoints **result) {
    if (!result) return E_POINTER;
    *result = new PointsEnum(points);
    return S_OK;
}

}  // namespace brocade
