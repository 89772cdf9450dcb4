// The control's own binary stream format for IPersistStreamInit.
//
//   "BRCD"            4 bytes, magic
//   version           16-bit, currently 2
//   entry count       16-bit
//   entries           each: name index (8-bit, into the name table),
//                     kind (8-bit: 1 = 16-bit value, 2 = 32-bit value, 3 = picture),
//                     then the value; a picture is a 32-bit byte count followed by the
//                     picture as OleSaveToStream writes it (count 0: no picture); only
//                     the standard picture class is accepted.
// All numbers are little-endian. Entries that are missing read as their defaults.
// Version 2 keeps the property bag's rules: a value equal to its default is left out, so
// colours left at their derived defaults follow the loading machine, and RightToLeft is never
// written. Version 1 wrote every value; its RightToLeft is ignored, since that setting comes
// from the container on every load.
#pragma once
#include <objidl.h>

#include <map>
#include <string>
#include <vector>

#include "control/persist.h"

namespace brocade {

constexpr WORD kStreamVersion = 2;

// Everything read from a stream, checked whole before the control sees any of it.
class StreamReader final : public PropertyReader {
public:
    // Fails with STG_E_INVALIDHEADER (not ours), STG_E_OLDDLL (newer version),
    // STG_E_READFAULT (truncated) or STG_E_DOCFILECORRUPT (an entry or picture that is not
    // ours to read); nothing is kept then.
    HRESULT Parse(IStream *stream);

    bool ReadBoolean(const wchar_t *name, bool defaultValue) override;
    short ReadInteger(const wchar_t *name, short defaultValue) override;
    long ReadLong(const wchar_t *name, long defaultValue) override;
    ComPtr<IPictureDisp> ReadPicture(const wchar_t *name) override;

private:
    std::map<std::wstring, long> numbers_;
    std::map<std::wstring, ComPtr<IPictureDisp>> pictures_;
};

class StreamWriter final : public PropertyWriter {
public:
    void WriteBoolean(const wchar_t *name, bool value, bool defaultValue) override;
    void WriteInteger(const wchar_t *name, short value, short defaultValue) override;
    void WriteLong(const wchar_t *name, long value, long defaultValue) override;
    void WritePicture(const wchar_t *name, IPictureDisp *value) override;
    void WriteLongAlways(const wchar_t *name, long value) override;

    HRESULT Commit(IStream *stream);
    ULONG Size() const { return static_cast<ULONG>(8 + body_.size()); }

private:
    std::vector<BYTE> body_;
    WORD count_ = 0;
    HRESULT error_ = S_OK;
    bool Begin(const wchar_t *name, BYTE kind);
    void Append(const void *data, size_t size);
};

}  // namespace brocade
