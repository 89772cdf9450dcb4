#include "com/property_bag.h"

#include <windows.h>
#include <oleauto.h>

namespace brocade {

bool PropertyBagReader::Read(const wchar_t *name, VARTYPE vt, VARIANT &value) {
    VariantInit(&value);
    if (FAILED(bag_->Read(name, &value, log_))) return false;
    if (vt == VT_EMPTY || V_VT(&value) == vt) return true;
    if (SUCCEEDED(VariantChangeType(&value, &value, 0, vt))) return true;
    VariantClear(&value);
    return false;
}

bool PropertyBagReader::ReadBoolean(const wchar_t *name, bool defaultValue) {
    VARIANT value;
    if (!Read(name, VT_BOOL, value)) return defaultValue;
    return V_BOOL(&value) != VARIANT_FALSE;
}

short PropertyBagReader::ReadInteger(const wchar_t *name, short defaultValue) {
    VARIANT value;
    if (!Read(name, VT_I2, value)) return defaultValue;
    return V_I2(&value);
}

long PropertyBagReader::ReadLong(const wchar_t *name, long defaultValue) {
    VARIANT value;
    if (!Read(name, VT_I4, value)) return defaultValue;
    return V_I4(&value);
}

ComPtr<IPictureDisp> PropertyBagReader::ReadPicture(const wchar_t *name) {
    VARIANT value;
    ComPtr<IPictureDisp> picture;
    if (Read(name, VT_EMPTY, value)) {
        if ((V_VT(&value) == VT_DISPATCH || V_VT(&value) == VT_UNKNOWN) && V_UNKNOWN(&value))
            V_UNKNOWN(&value)->QueryInterface(IID_IPictureDisp, reinterpret_cast<void **>(picture.Out()));
        VariantClear(&value);
    }
    return picture;
}

void PropertyBagWriter::Write(const wchar_t *name, VARIANT &value) {
    HRESULT hr = bag_->Write(name, &value);
    if (FAILED(hr) && SUCCEEDED(result_)) result_ = hr;
}

void PropertyBagWriter::WriteBoolean(const wchar_t *name, bool value, bool defaultValue) {
    if (value == defaultValue) return;
    VARIANT v;
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
    Write(name, v);
}

void PropertyBagWriter::WriteInteger(const wchar_t *name, short value, short defaultValue) {
    if (value == defaultValue) return;
    VARIANT v;
    V_VT(&v) = VT_I2;
    V_I2(&v) = value;
    Write(name, v);
}

void PropertyBagWriter::WriteLong(const wchar_t *name, long value, long defaultValue) {
    if (value != defaultValue) WriteLongAlways(name, value);
}

void PropertyBagWriter::WriteLongAlways(const wchar_t *name, long value) {
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    Write(name, v);
}

void PropertyBagWriter::WritePicture(const wchar_t *name, IPictureDisp *value) {
    if (!value) return;
    VARIANT v;
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = value;
    Write(name, v);
}

}  // namespace brocade
