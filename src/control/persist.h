// The property store a container hands the control on load and save. The COM layer adapts
// IPropertyBag and the control's own stream format to these two interfaces.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include "common/com_ptr.h"

namespace brocade {

class PropertyReader {
public:
    // Each read yields the default when the entry is missing or cannot be converted.
    virtual bool ReadBoolean(const wchar_t *name, bool defaultValue) = 0;
    virtual short ReadInteger(const wchar_t *name, short defaultValue) = 0;
    virtual long ReadLong(const wchar_t *name, long defaultValue) = 0;
    // Pictures default to null.
    virtual ComPtr<IPictureDisp> ReadPicture(const wchar_t *name) = 0;

protected:
    ~PropertyReader() = default;
};

class PropertyWriter {
public:
    // A writer may leave out a value equal to its default.
    virtual void WriteBoolean(const wchar_t *name, bool value, bool defaultValue) = 0;
    virtual void WriteInteger(const wchar_t *name, short value, short defaultValue) = 0;
    virtual void WriteLong(const wchar_t *name, long value, long defaultValue) = 0;
    virtual void WritePicture(const wchar_t *name, IPictureDisp *value) = 0;
    // Entries without a default are always written.
    virtual void WriteLongAlways(const wchar_t *name, long value) = 0;

protected:
    ~PropertyWriter() = default;
};

}  // namespace brocade
