#include "support/event_sink.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace brocade_test {

bool Connection::Connect(IUnknown *object, REFIID events, IUnknown *sink) {
    Disconnect();
    auto container = ComPtr<IUnknown>(object).As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (container && SUCCEEDED(container->FindConnectionPoint(events, point_.Out())) &&
        SUCCEEDED(point_->Advise(sink, &cookie_)))
        return true;
    point_.Reset();
    return false;
}

void Connection::Disconnect() {
    if (point_ && cookie_) point_->Unadvise(cookie_);
    point_.Reset();
    cookie_ = 0;
}

namespace {

// Argument index (0 = first) of an event; DISPPARAMS hold them last to first.
VARIANT *Argument(DISPPARAMS *params, UINT index) {
    return params && index < params->cArgs ? &params->rgvarg[params->cArgs - 1 - index] : nullptr;
}

// An [in] argument, given by value or by reference, as a Long.
LONG InLong(DISPPARAMS *params, UINT index) {
    VARIANT value;
    VariantInit(&value);
    VARIANT *argument = Argument(params, index);
    return argument && SUCCEEDED(VariantChangeType(&value, argument, 0, VT_I4)) ? V_I4(&value) : 0;
}

HDC InDc(DISPPARAMS *params, UINT index) {
    return reinterpret_cast<HDC>(static_cast<LONG_PTR>(InLong(params, index)));
}

// An [in, out] argument: a sink can change it only through the reference it is given.
template <class T>
T *InOut(DISPPARAMS *params, UINT index, VARTYPE type, DISPID id) {
    VARIANT *argument = Argument(params, index);
    if (argument && V_VT(argument) == (type | VT_BYREF)) return static_cast<T *>(V_BYREF(argument));
    ADD_FAILURE() << "event " << id << ": argument " << index + 1 << " is not a reference to type " << type;
    return nullptr;
}

ComPtr<_CMenuItem> Item(DISPPARAMS *params) {
    Variant value;
    VARIANT *argument = Argument(params, 0);
    if (!argument || FAILED(VariantChangeType(value.Out(), argument, 0, VT_DISPATCH))) return ComPtr<_CMenuItem>();
    return value.AsDispatch().As<_CMenuItem>(IID__CMenuItem);
}

}  // namespace

int EventSink::Count(DISPID id) const {
    return static_cast<int>(std::count_if(events.begin(), events.end(), [id](const Event &e) { return e.id == id; }));
}

std::vector<std::wstring> EventSink::Captions(DISPID id) const {
    std::vector<std::wstring> captions;
    for (const Event &e : events)
        if (e.id == id) captions.push_back(e.caption);
    return captions;
}

STDMETHODIMP EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *, EXCEPINFO *exception, UINT *) {
    ComPtr<_CMenuItem> item = id == kClearMenuHelp ? ComPtr<_CMenuItem>() : Item(params);
    BSTR caption = nullptr;
    if (item) item->get_Caption(&caption);
    events.push_back({id, caption ? caption : L""});
    SysFreeString(caption);
    if (!item && id != kClearMenuHelp) ADD_FAILURE() << "event " << id << " carries no menu item first";
    _CMenuItem *it = item.Get();
    switch (id) {
    case kSetMenuItemAttributes:
        if (onSetMenuItemAttributes) onSetMenuItemAttributes(it);
        break;
    case kSetMenuItemSize:
        if (LONG *w = InOut<LONG>(params, 1, VT_I4, id), *h = InOut<LONG>(params, 2, VT_I4, id); w && h && onSetMenuItemSize)
            onSetMenuItemSize(it, *w, *h);
        break;
    case kDrawMenuItem:
        if (auto *userDrawn = InOut<VARIANT_BOOL>(params, 5, VT_BOOL, id); userDrawn && onDrawMenuItem)
            onDrawMenuItem(it, InDc(params, 1), InLong(params, 2) != 0, InLong(params, 3), InLong(params, 4), *userDrawn);
        break;
    case kShowMenuHelp:
        if (BSTR *help = InOut<BSTR>(params, 1, VT_BSTR, id); help && onShowMenuHelp) onShowMenuHelp(it, help);
        break;
    case kClearMenuHelp:
        if (onClearMenuHelp) onClearMenuHelp();
        break;
    case kDrawMenuItemEx:
        if (auto *doDefault = InOut<VARIANT_BOOL>(params, 6, VT_BOOL, id); doDefault && onDrawMenuItemEx)
            onDrawMenuItemEx(it, InDc(params, 1), InLong(params, 2) != 0, InLong(params, 3), InLong(params, 4),
                             InLong(params, 5), *doDefault);
        break;
    default:
        ADD_FAILURE() << "an event __Brocade does not declare: " << id;
    }
    if (answer == DISP_E_EXCEPTION && exception)
        *exception = {0, 0, SysAllocString(L"Host"), SysAllocString(L"The handler failed"), nullptr, 0, nullptr, nullptr, E_FAIL};
    return answer;
}

int PropertyNotifySink::Count(DISPID id) const {
    return static_cast<int>(std::count(changed.begin(), changed.end(), id));
}

STDMETHODIMP PropertyNotifySink::OnChanged(DISPID id) {
    changed.push_back(id);
    if (onChanged) onChanged(id);
    return S_OK;
}

}  // namespace brocade_test
