// DrawMenuItem and DrawMenuItemEx as a container's event sink receives them from the COM
// object: the item, the memory DC as a 32-bit value, the selection, the size, the stage, and
// the flag passed by reference, whose new value comes back to the painter.
#include <gtest/gtest.h>

#include <vector>

#include "Brocade.h"
#include "com/brocade_object.h"
#include "paint/paint_test_support.h"

namespace paint_test {
namespace {

// Records the arguments of every event and answers the by-reference flag.
class DrawSink final : public IDispatch {
public:
    struct Call {
        DISPID id;
        std::vector<VARTYPE> types;  // last argument first, as DISPPARAMS holds them
        LONG menuDC = 0, cx = 0, cy = 0, stage = -1;
        VARIANT_BOOL selected = 0, flagIn = 0;
        bool hasItem = false;
    };
    std::vector<Call> calls;
    VARIANT_BOOL answer = VARIANT_FALSE;

    STDMETHODIMP QueryInterface(REFIID iid, void **result) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID___Brocade) {
            *result = this;
            return S_OK;
        }
        *result = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT *count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *, EXCEPINFO *, UINT *) override {
        if (id != 3 && id != 6) return S_OK;
        Call call{id, {}};
        for (UINT i = 0; i < params->cArgs; ++i) call.types.push_back(V_VT(&params->rgvarg[i]));
        const UINT base = id == 6 ? 2 : 1;  // DrawMenuItemEx has eDrawStage before its flag
        VARIANT *args = params->rgvarg;
        call.flagIn = *V_BOOLREF(&args[0]);
        *V_BOOLREF(&args[0]) = answer;
        if (id == 6) call.stage = V_I4(&args[1]);
        call.cy = V_I4(&args[base]);
        call.cx = V_I4(&args[base + 1]);
        call.selected = V_BOOL(&args[base + 2]);
        call.menuDC = V_I4(&args[base + 3]);
        call.hasItem = V_DISPATCH(&args[base + 4]) != nullptr;
        calls.push_back(call);
        return S_OK;
    }
};

class DrawEvents : public testing::Test {
protected:
    ComPtr<IDispatch> object;
    brocade::BrocadeObject *brocade = nullptr;
    ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
    DrawSink sink;
    ComPtr<MenuItemRecord> record = MenuItemRecord::Create();

    void SetUp() override {
        ASSERT_EQ(brocade::BrocadeObject::Create(IID_IDispatch, reinterpret_cast<void **>(object.Out())), S_OK);
        brocade = static_cast<brocade::BrocadeObject *>(static_cast<_Brocade *>(object.Get()));
        ComPtr<IConnectionPointContainer> container =
            object.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
        ASSERT_TRUE(container);
        ASSERT_EQ(container->FindConnectionPoint(DIID___Brocade, point.Out()), S_OK);
        ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
    }
    void TearDown() override {
        if (point) point->Unadvise(cookie);
    }
};

TEST_F(DrawEvents, DrawMenuItemCarriesTheItemDcSizeAndTheFlagByReference) {
    brocade_test::Surface surface(30, 20);
    sink.answer = VARIANT_TRUE;
    brocade::Boolean drawn = brocade::kFalse;
    brocade->Core().RaiseDrawMenuItem(*record.Get(), surface.Dc(), true, 30, 20, drawn);
    ASSERT_EQ(sink.calls.size(), 1u);
    const DrawSink::Call &call = sink.calls[0];
    EXPECT_EQ(call.id, 3);
    EXPECT_EQ(call.types, (std::vector<VARTYPE>{VT_BOOL | VT_BYREF, VT_I4, VT_I4, VT_BOOL, VT_I4, VT_DISPATCH}));
    EXPECT_EQ(call.menuDC, static_cast<LONG>(reinterpret_cast<LONG_PTR>(surface.Dc())));
    EXPECT_EQ(call.cx, 30);
    EXPECT_EQ(call.cy, 20);
    EXPECT_EQ(call.selected, VARIANT_TRUE);
    EXPECT_EQ(call.flagIn, VARIANT_FALSE);
    EXPECT_TRUE(call.hasItem);
    EXPECT_EQ(drawn, brocade::kTrue);
}

TEST_F(DrawEvents, DrawMenuItemExCarriesTheStageAndReturnsDoDefault) {
    brocade_test::Surface surface(30, 20);
    brocade::Boolean doDefault = brocade::kTrue;
    brocade->Core().RaiseDrawMenuItemEx(*record.Get(), surface.Dc(), false, 31, 21, brocade::kPostErase, doDefault);
    ASSERT_EQ(sink.calls.size(), 1u);
    const DrawSink::Call &call = sink.calls[0];
    EXPECT_EQ(call.id, 6);
    EXPECT_EQ(call.types,
              (std::vector<VARTYPE>{VT_BOOL | VT_BYREF, VT_I4, VT_I4, VT_I4, VT_BOOL, VT_I4, VT_DISPATCH}));
    EXPECT_EQ(call.stage, 1);
    EXPECT_EQ(call.cx, 31);
    EXPECT_EQ(call.cy, 21);
    EXPECT_EQ(call.selected, VARIANT_FALSE);
    EXPECT_EQ(call.flagIn, VARIANT_TRUE);
    EXPECT_EQ(doDefault, brocade::kFalse);
}

}  // namespace
}  // namespace paint_test
