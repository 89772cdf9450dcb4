// The COM shell of the Brocade control: one object implementing the automation interface,
// the container interfaces and persistence, forwarding everything to the control core.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <memory>

#include "Brocade.h"
#include "com/connection_point.h"
#include "common/com_ptr.h"
#include "control/control.h"

namespace brocade {

class BrocadeObject final : public _Brocade,
                            public IConnectionPointContainer,
                            public IProvideClassInfo2,
                            public ISupportErrorInfo,
                            public IOleObject,
                            public IOleInPlaceObject,
                            public IOleControl,
                            public IViewObject2,
                            public IPersistStreamInit,
                            public IPersistPropertyBag,
                            private ControlSite {
public:
    static HRESULT Create(REFIID iid, void **result);

    // The core, for code that links the object in and hosts it directly.
    Control &Core() { return *core_; }
    bool InitializedByContainer() const { return initialized_; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void **result) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT *count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo **result) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID lcid, DISPID *ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS *params, VARIANT *result,
                        EXCEPINFO *exception, UINT *argError) override;

    // _Brocade: properties
    STDMETHODIMP get_AutoShowHelp(VARIANT_BOOL *value) override;
    STDMETHODIMP put_AutoShowHelp(VARIANT_BOOL value) override;
    STDMETHODIMP get_CheckMark(IPictureDisp **value) override;
    STDMETHODIMP putref_CheckMark(IPictureDisp *value) override;
    STDMETHODIMP get_HighlightStyle(bdHighlight *value) override;
    STDMETHODIMP put_HighlightStyle(bdHighlight value) override;
    STDMETHODIMP get_MenuBorder(bdBorder *value) override;
    STDMETHODIMP put_MenuBorder(bdBorder value) override;
    STDMETHODIMP get_UseCustomColors(VARIANT_BOOL *value) override;
    STDMETHODIMP put_UseCustomColors(VARIANT_BOOL value) override;
    STDMETHODIMP get_MenuBackground(OLE_COLOR *value) override;
    STDMETHODIMP put_MenuBackground(OLE_COLOR value) override;
    STDMETHODIMP get_BitmapBackground(OLE_COLOR *value) override;
    STDMETHODIMP put_BitmapBackground(OLE_COLOR value) override;
    STDMETHODIMP get_MenuBarBackground(OLE_COLOR *value) override;
    STDMETHODIMP put_MenuBarBackground(OLE_COLOR value) override;
    STDMETHODIMP get_TextColor(OLE_COLOR *value) override;
    STDMETHODIMP put_TextColor(OLE_COLOR value) override;
    STDMETHODIMP get_DisabledTextColor(OLE_COLOR *value) override;
    STDMETHODIMP put_DisabledTextColor(OLE_COLOR value) override;
    STDMETHODIMP get_HighlightedTextColor(OLE_COLOR *value) override;
    STDMETHODIMP put_HighlightedTextColor(OLE_COLOR value) override;
    STDMETHODIMP get_MenuHighlight(OLE_COLOR *value) override;
    STDMETHODIMP put_MenuHighlight(OLE_COLOR value) override;
    STDMETHODIMP get_MenuHighlightBorder(OLE_COLOR *value) override;
    STDMETHODIMP put_MenuHighlightBorder(OLE_COLOR value) override;
    STDMETHODIMP get_TootipBackground(OLE_COLOR *value) override;
    STDMETHODIMP put_TootipBackground(OLE_COLOR value) override;
    STDMETHODIMP get_TootipTextColor(OLE_COLOR *value) override;
    STDMETHODIMP put_TootipTextColor(OLE_COLOR value) override;
    STDMETHODIMP get_Language(bdLanguage *value) override;
    STDMETHODIMP put_Language(bdLanguage value) override;
    STDMETHODIMP get_RightToLeft(VARIANT_BOOL *value) override;
    STDMETHODIMP put_RightToLeft(VARIANT_BOOL value) override;
    STDMETHODIMP get_ShowTooltip(VARIANT_BOOL *value) override;
    STDMETHODIMP put_ShowTooltip(VARIANT_BOOL value) override;
    STDMETHODIMP get_TootipStyle(bdTooltipStyle *value) override;
    STDMETHODIMP put_TootipStyle(bdTooltipStyle value) override;
    STDMETHODIMP get_ShowTootipTitle(VARIANT_BOOL *value) override;
    STDMETHODIMP put_ShowTootipTitle(VARIANT_BOOL *value) override;
    STDMETHODIMP get_BackgroundPicture(IPictureDisp **value) override;
    STDMETHODIMP putref_BackgroundPicture(IPictureDisp *value) override;
    STDMETHODIMP get_TooltipInitialDelay(short *value) override;
    STDMETHODIMP put_TooltipInitialDelay(short value) override;
    STDMETHODIMP get_TooltipReshowDelay(short *value) override;
    STDMETHODIMP put_TooltipReshowDelay(short value) override;
    STDMETHODIMP get_TooltipAutopopDelay(short *value) override;
    STDMETHODIMP put_TooltipAutopopDelay(short value) override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL *value) override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL *value) override;
    STDMETHODIMP get_HighlightAppearance(bdHighlightAppearance *value) override;
    STDMETHODIMP put_HighlightAppearance(bdHighlightAppearance value) override;
    STDMETHODIMP get_Unicode(VARIANT_BOOL *value) override;
    STDMETHODIMP put_Unicode(VARIANT_BOOL value) override;
    STDMETHODIMP get_HighlightOverBitmap(bdHighlightOverBitmap *value) override;
    STDMETHODIMP put_HighlightOverBitmap(bdHighlightOverBitmap value) override;
    STDMETHODIMP get_MenuIconSet(bdMenuIconSet *value) override;
    STDMETHODIMP put_MenuIconSet(bdMenuIconSet value) override;
    STDMETHODIMP get_LockRefresh(VARIANT_BOOL *value) override;
    STDMETHODIMP put_LockRefresh(VARIANT_BOOL value) override;
    STDMETHODIMP get_Version(BSTR *value) override;

    // _Brocade: methods
    STDMETHODIMP AddMessage(BSTR sCaption, BSTR sHelpMessage) override;
    STDMETHODIMP AddCompositeMessage(BSTR sComposite) override;
    STDMETHODIMP RemoveMessage(BSTR sCaption) override;
    STDMETHODIMP GetCleanCaption(BSTR sCaption, BSTR *result) override;
    STDMETHODIMP ShowAboutBox() override;
    STDMETHODIMP GetMenuCaptionFont(IFontDisp **result) override;
    STDMETHODIMP SetMenuCaptionFont(IFontDisp *aFont) override;
    STDMETHODIMP GetMenuShortcutFont(IFontDisp **result) override;
    STDMETHODIMP SetMenuShortcutFont(IFontDisp *aFont) override;
    STDMETHODIMP SetImageList(IDispatch **anImgListControl) override;
    STDMETHODIMP GetImageList(IDispatch **result) override;
    STDMETHODIMP RegisterWindowMenu(LONG hWindow, VARIANT_BOOL *bStop) override;
    STDMETHODIMP GetDefaultPicture(BSTR sCaption, IPictureDisp **result) override;
    STDMETHODIMP GetDefaultPictureEx(BSTR sCaption, bdLanguage eLanguage, IPictureDisp **result) override;
    STDMETHODIMP GetDefaultPictureEx2(BSTR sCaption, bdLanguage eLanguage, bdMenuIconSet eMenuIconSet,
                                      IPictureDisp **result) override;
    STDMETHODIMP GetMeanColor(LONG aColor1, LONG aColor2, LONG *result) override;
    STDMETHODIMP CaptureScreen(IPictureDisp **result) override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints **result) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint **result) override;

    // IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo **result) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID *guid) override;

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;

    // IOleObject
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

    // IOleWindow / IOleInPlaceObject
    STDMETHODIMP GetWindow(HWND *window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override;

    // IOleControl
    STDMETHODIMP GetControlInfo(CONTROLINFO *info) override;
    STDMETHODIMP OnMnemonic(MSG *msg) override;
    STDMETHODIMP OnAmbientPropertyChange(DISPID dispid) override;
    STDMETHODIMP FreezeEvents(BOOL freeze) override;

    // IViewObject2
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

    // IPersist / IPersistStreamInit / IPersistPropertyBag
    STDMETHODIMP GetClassID(CLSID *clsid) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(IStream *stream) override;
    STDMETHODIMP Save(IStream *stream, BOOL clearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER *size) override;
    STDMETHODIMP InitNew() override;
    STDMETHODIMP Load(IPropertyBag *bag, IErrorLog *log) override;
    STDMETHODIMP Save(IPropertyBag *bag, BOOL clearDirty, BOOL saveAll) override;

private:
    BrocadeObject();
    ~BrocadeObject();

    LONG refs_ = 1;
    std::unique_ptr<Control> core_;
    ConnectionPoint events_;
    ConnectionPoint propertyNotify_;
    ComPtr<ITypeInfo> typeInfo_;
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

    // ControlSite
    bool AmbientUserMode() override { return userMode_; }
    bool AmbientRightToLeft() override;
    IFontDisp *AmbientFont() override;
    HWND ContainerWindow() override;
    void KeepAlive() override { AddRef(); }
    void LetGo() override { Release(); }
    void PropertyChanged(DISPID dispid) override;
    void FireSetMenuItemAttributes(MenuItemRecord &record) override;
    void FireSetMenuItemSize(MenuItemRecord &record, long &width, long &height) override;
    void FireShowMenuHelp(MenuItemRecord &record, std::string &helpMessage) override;
    void FireClearMenuHelp() override;
    bool HasEventHandlers() override { return events_.HasSinks(); }
    void FireDrawMenuItem(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                          bool &userDrawn) override;
    void FireDrawMenuItemEx(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy, DrawStage stage,
                            bool &doDefault) override;

    HRESULT AmbientProperty(DISPID dispid, VARIANT *value);
    void ReadAmbientUserMode();
    // Delivers an event to every sink of the event interface; failing sinks are ignored.
    void FireEvent(DISPID dispid, VARIANT *args, UINT count);
    void EnsureInitialized();
};

}  // namespace brocade
