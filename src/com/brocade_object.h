// The COM shell of the Brocade control: one object holding the control core, answering for
// each interface with a member of its own that reaches the object through a back reference.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <memory>

#include "Brocade.h"
#include "com/brocade_automation.h"
#include "com/connection_point.h"
#include "com/embedded.h"
#include "common/com_ptr.h"
#include "control/control.h"

namespace brocade {

class BrocadeObject final {
public:
    static HRESULT Create(REFIID iid, void **result);

    // The object's identity: every member interface answers with these.
    HRESULT QueryInterface(REFIID iid, void **result);
    ULONG AddRef();
    ULONG Release();

    Control &Core() { return *core_; }
    // The container's window, once the control is active in place.
    HWND ParentWindow() const { return parentWindow_; }
    // Script hosts create the object without InitNew or Load; it then behaves as a new control.
    void EnsureInitialized();

private:
    BrocadeObject();
    ~BrocadeObject();

    class ConnectionPoints final : public Embedded<IConnectionPointContainer, BrocadeObject> {
    public:
        using Embedded::Embedded;
        STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints **result) override;
        STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint **result) override;
    };

    class ClassInfo final : public Embedded<IProvideClassInfo2, BrocadeObject> {
    public:
        using Embedded::Embedded;
        STDMETHODIMP GetClassInfo(ITypeInfo **result) override;
        STDMETHODIMP GetGUID(DWORD kind, GUID *guid) override;
    };

    class ErrorInfo final : public Embedded<ISupportErrorInfo, BrocadeObject> {
    public:
        using Embedded::Embedded;
        STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;
    };

    class OleObject final : public Embedded<IOleObject, BrocadeObject> {
    public:
        using Embedded::Embedded;
        STDMETHODIMP SetClientSite(IOleClientSite *site) override;
        STDMETHODIMP GetClientSite(IOleClientSite **site) override;
        STDMETHODIMP SetHostNames(LPCOLESTR app, LPCOLESTR object) override;
        STDMETHODIMP Close(DWORD saveOption) override;
        STDMETHODIMP SetMoniker(DWORD which, IMoniker *moniker) override;
        STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker **moniker) override;
        STDMETHODIMP InitFromData(IDataObject *data, BOOL creation, DWORD reserved) override;
        STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject **data) override;
        STDMETHODIMP DoVerb(LONG verb, LPMSG msg, IOleClientSite *site, LONG index, HWND parent,
                            LPCRECT rect) override;
        STDMETHODIMP EnumVerbs(IEnumOLEVERB **verbs) override;
        STDMETHODIMP Update() override;
        STDMETHODIMP IsUpToDate() override;
        STDMETHODIMP GetUserClassID(CLSID *clsid) override;
        STDMETHODIMP GetUserType(DWORD form, LPOLESTR *type) override;
        STDMETHODIMP SetExtent(DWORD aspect, SIZEL *size) override;
        STDMETHODIMP GetExtent(DWORD aspect, SIZEL *size) override;
        STDMETHODIMP Advise(IAdviseSink *sink, DWORD *connection) override;
        STDMETHODIMP Unadvise(DWORD connection) override;
        STDMETHODIMP EnumAdvise(IEnumSTATDATA **advises) override;
        STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD *status) override;
        STDMETHODIMP SetColorScheme(LOGPALETTE *palette) override;

    private:
        HRESULT ActivateInPlace(IOleClientSite *site, HWND parent, LPCRECT rect);
    };

    class InPlaceObject final : public Embedded<IOleInPlaceObject, BrocadeObject> {
    public:
        using Embedded::Embedded;
        STDMETHODIMP GetWindow(HWND *window) override;
        STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;
        STDMETHODIMP InPlaceDeactivate() override;
        STDMETHODIMP UIDeactivate() override;
        STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
        STDMETHODIMP ReactivateAndUndo() override;
    };

    class OleControl final : public Embedded<IOleControl, BrocadeObject> {
    public:
        using Embedded::Embedded;
        STDMETHODIMP GetControlInfo(CONTROLINFO *info) override;
        STDMETHODIMP OnMnemonic(MSG *msg) override;
        STDMETHODIMP OnAmbientPropertyChange(DISPID dispid) override;
        STDMETHODIMP FreezeEvents(BOOL freeze) override;
    };

    class ViewObject final : public Embedded<IViewObject2, BrocadeObject> {
    public:
        using Embedded::Embedded;
        STDMETHODIMP Draw(DWORD aspect, LONG index, void *aspectInfo, DVTARGETDEVICE *device, HDC targetDevice,
                          HDC dc, LPCRECTL bounds, LPCRECTL window, BOOL(STDMETHODCALLTYPE *cont)(ULONG_PTR),
                          ULONG_PTR contArg) override;
        STDMETHODIMP GetColorSet(DWORD aspect, LONG index, void *aspectInfo, DVTARGETDEVICE *device,
                                 HDC targetDevice, LOGPALETTE **colors) override;
        STDMETHODIMP Freeze(DWORD aspect, LONG index, void *aspectInfo, DWORD *freeze) override;
        STDMETHODIMP Unfreeze(DWORD freeze) override;
        STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink *sink) override;
        STDMETHODIMP GetAdvise(DWORD *aspects, DWORD *flags, IAdviseSink **sink) override;
        STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE *device, LPSIZEL size) override;
    };

    class PersistStream final : public Embedded<IPersistStreamInit, BrocadeObject> {
    public:
        using Embedded::Embedded;
        STDMETHODIMP GetClassID(CLSID *clsid) override;
        STDMETHODIMP IsDirty() override;
        STDMETHODIMP Load(IStream *stream) override;
        STDMETHODIMP Save(IStream *stream, BOOL clearDirty) override;
        STDMETHODIMP GetSizeMax(ULARGE_INTEGER *size) override;
        STDMETHODIMP InitNew() override;
    };

    class PersistPropertyBag final : public Embedded<IPersistPropertyBag, BrocadeObject> {
    public:
        using Embedded::Embedded;
        STDMETHODIMP GetClassID(CLSID *clsid) override;
        STDMETHODIMP InitNew() override;
        STDMETHODIMP Load(IPropertyBag *bag, IErrorLog *log) override;
        STDMETHODIMP Save(IPropertyBag *bag, BOOL clearDirty, BOOL saveAll) override;
    };

    // What the core asks of its host: the container's ambient properties and window, and the
    // events and change notifications, raised through the connection points.
    class Site final : public ControlSite {
    public:
        explicit Site(BrocadeObject &object) : object_(object) {}
        bool AmbientUserMode() override { return object_.userMode_; }
        bool AmbientRightToLeft() override;
        IFontDisp *AmbientFont() override;
        HWND ContainerWindow() override;
        void KeepAlive() override { object_.AddRef(); }
        void LetGo() override { object_.Release(); }
        void PropertyChanged(DISPID dispid) override;
        void FireSetMenuItemAttributes(MenuItemRecord &record) override;
        void FireSetMenuItemSize(MenuItemRecord &record, long &width, long &height) override;
        void FireShowMenuHelp(MenuItemRecord &record, std::string &helpMessage) override;
        void FireClearMenuHelp() override;
        bool HasEventHandlers() override { return object_.events_.HasSinks(); }
        void FireDrawMenuItem(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                              bool &userDrawn) override;
        void FireDrawMenuItemEx(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy, DrawStage stage,
                                bool &doDefault) override;

    private:
        BrocadeObject &object_;
        // Delivers an event to every sink of the event interface; failing sinks are ignored.
        void FireEvent(DISPID dispid, VARIANT *args, UINT count);
    };

    LONG refs_ = 1;
    BrocadeAutomation automation_{*this};
    ConnectionPoints connectionPoints_{*this};
    ClassInfo classInfo_{*this};
    ErrorInfo errorInfo_{*this};
    OleObject oleObject_{*this};
    InPlaceObject inPlaceObject_{*this};
    OleControl oleControl_{*this};
    ViewObject viewObject_{*this};
    PersistStream persistStream_{*this};
    PersistPropertyBag persistPropertyBag_{*this};
    Site site_{*this};

    std::unique_ptr<Control> core_;
    ConnectionPoint events_{&connectionPoints_, DIID___Brocade};
    ConnectionPoint propertyNotify_{&connectionPoints_, IID_IPropertyNotifySink};
    ComPtr<IOleClientSite> clientSite_;
    ComPtr<IOleAdviseHolder> adviseHolder_;
    ComPtr<IAdviseSink> viewSink_;
    DWORD viewAspects_ = 0;
    DWORD viewAdviseFlags_ = 0;
    SIZEL extent_ = {0, 0};
    HWND parentWindow_ = nullptr;
    bool inPlaceActive_ = false;
    bool userMode_ = true;
    bool dirty_ = false;
    bool initialized_ = false;
    LONG eventsFrozen_ = 0;

    HRESULT AmbientProperty(DISPID dispid, VARIANT *value);
    void ReadAmbientUserMode();
    // What both persistence interfaces do: a new control, or one loaded from a store.
    HRESULT InitNew();
    HRESULT Load(PropertyReader &reader);
    // The result of a save, which clears the dirty flag when asked and the store took it.
    HRESULT Saved(BOOL clearDirty, HRESULT written);
};

}  // namespace brocade
