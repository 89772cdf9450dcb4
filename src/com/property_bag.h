// Adapters between the container's IPropertyBag and the core's property reader and writer.
#pragma once
#include <ocidl.h>

#include "control/persist.h"

namespace brocade {

class PropertyBagReader final : public PropertyReader {
public:
    PropertyBagReader(IPropertyBag *bag, IErrorLog *log) : bag_(bag), log_(log) {}
    bool ReadBoolean(const wchar_t *name, bool defaultValue) override;
    short ReadInteger(const wchar_t *name, short defaultValue) override;
    long ReadLong(const wchar_t *name, long defaultValue) override;
    ComPtr<IPictureDisp> ReadPicture(const wchar_t *name) override;

private:
    IPropertyBag *bag_;
    IErrorLog *log_;
    // Reads an entry converted to vt; false when missing or not convertible.
    bool Read(const wchar_t *name, VARTYPE vt, VARIANT &value);
};

class PropertyBagWriter final : public PropertyWriter {
public:
    explicit PropertyBagWriter(IPropertyBag *bag) : bag_(bag) {}
    void WriteBoolean(const wchar_t *name, bool value, bool defaultValue) override;
    void WriteInteger(const wchar_t *name, short value, short defaultValue) override;
    void WriteLong(const wchar_t *name, long value, long defaultValue) override;
    void WritePicture(const wchar_t *name, IPictureDisp *value) override;
    void WriteLongAlways(const wchar_t *name, long value) override;
    HRESULT Result() const { return result_; }

private:
    IPropertyBag *bag_;
    HRESULT result_ = S_OK;
    void Write(const wchar_t *name, VARIANT &value);
};

}  // namespace brocade
