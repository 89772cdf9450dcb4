#include "com/stream_format.h"

#include <ole2.h>
#include <olectl.h>

#include <algorithm>
#include <cstring>

namespace brocade {

namespace {

constexpr char kMagic[4] = {'B', 'R', 'C', 'D'};
enum Kind : BYTE { kShort = 1, kLong = 2, kPicture = 3 };
// Pictures larger than this are taken as corruption rather than read into memory.
constexpr DWORD kMaxPictureBytes = 64u << 20;

// Entry names, in the order the control saves them; every version shares the table.
const wchar_t *const kNames[] = {
    L"AutoShowHelp",        L"CheckMark",          L"HighlightStyle",       L"MenuBorder",
    L"UseCustomColors",     L"MenuBackground",     L"BitmapBackground",     L"MenuBarBackground",
    L"TextColor",           L"DisabledTextColor",  L"HighlightedTextColor", L"MenuHighlight",
    L"MenuHighlightBorder", L"RightToLeft",        L"TootipStyle",          L"ShowTootipTitle",
    L"TootipBackground",    L"TootipTextColor",    L"Language",             L"ShowTooltip",
    L"BackgroundPicture",   L"TooltipAutopopDelay", L"TooltipInitialDelay", L"TooltipReshowDelay",
    L"Enabled",             L"HighlightAppearance", L"Unicode",             L"HighlightOverBitmap",
    L"MenuIconSet",
};
constexpr int kNameCount = sizeof kNames / sizeof kNames[0];

int NameIndex(const wchar_t *name) {
    for (int i = 0; i < kNameCount; ++i)
        if (wcscmp(kNames[i], name) == 0) return i;
    return -1;
}

HRESULT ReadExact(IStream *stream, void *data, ULONG size) {
    ULONG got = 0;
    HRESULT hr = stream->Read(data, size, &got);
    if (FAILED(hr)) return hr;
    return got == size ? S_OK : STG_E_READFAULT;
}

// Reads size bytes in pieces, so a count larger than the stream fails at its end instead of
// reserving the whole count first.
HRESULT ReadBytes(IStream *stream, DWORD size, std::vector<BYTE> &bytes) {
    constexpr DWORD kPiece = 64u << 10;
    bytes.clear();
    while (bytes.size() < size) {
        const DWORD piece = std::min<DWORD>(kPiece, size - static_cast<DWORD>(bytes.size()));
        const size_t at = bytes.size();
        bytes.resize(at + piece);
        HRESULT hr = ReadExact(stream, bytes.data() + at, piece);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

// A picture entry holds what OleSaveToStream wrote: the class identifier, then the object's
// own data. Only the standard picture is accepted, and it is made by OleLoadPicture, which
// creates nothing but a standard picture: the class named by the bytes is never created.
// The standard picture's data starts with "lt", two NUL bytes and the size of what follows;
// OleLoadPicture is given what follows.
HRESULT LoadPicture(const std::vector<BYTE> &bytes, IPictureDisp **result) {
    constexpr size_t kClassBytes = sizeof(CLSID);
    constexpr DWORD kPictureMagic = 0x0000746C;
    if (bytes.size() < kClassBytes) return STG_E_DOCFILECORRUPT;
    CLSID named;
    memcpy(&named, bytes.data(), kClassBytes);
    if (!IsEqualCLSID(named, CLSID_StdPicture)) return STG_E_DOCFILECORRUPT;
    size_t at = kClassBytes;
    size_t size = bytes.size() - at;
    if (size >= 8) {
        DWORD header[2];
        memcpy(header, bytes.data() + at, sizeof header);
        if (header[0] == kPictureMagic) {
            if (header[1] > size - 8) return STG_E_DOCFILECORRUPT;
            at += 8;
            size = header[1];
        }
    }
    if (size == 0) return STG_E_DOCFILECORRUPT;

    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return E_OUTOFMEMORY;
    void *data = GlobalLock(memory);
    if (!data) {
        GlobalFree(memory);
        return E_OUTOFMEMORY;
    }
    memcpy(data, bytes.data() + at, size);
    GlobalUnlock(memory);
    IStream *stream = nullptr;
    HRESULT hr = CreateStreamOnHGlobal(memory, TRUE, &stream);
    if (FAILED(hr)) {
        GlobalFree(memory);
        return hr;
    }
    hr = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPictureDisp, reinterpret_cast<void **>(result));
    stream->Release();
    return FAILED(hr) ? STG_E_DOCFILECORRUPT : hr;
}

HRESULT SavePicture(IPictureDisp *picture, std::vector<BYTE> &bytes) {
    ComPtr<IPersistStream> persist;
    HRESULT hr = picture->QueryInterface(IID_IPersistStream, reinterpret_cast<void **>(persist.Out()));
    if (FAILED(hr)) return hr;
    IStream *stream = nullptr;
    hr = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    if (FAILED(hr)) return hr;
    hr = OleSaveToStream(persist.Get(), stream);
    HGLOBAL memory = nullptr;
    if (SUCCEEDED(hr)) hr = GetHGlobalFromStream(stream, &memory);
    if (SUCCEEDED(hr)) {
        STATSTG stat = {};
        hr = stream->Stat(&stat, STATFLAG_NONAME);
        const BYTE *data = SUCCEEDED(hr) ? static_cast<const BYTE *>(GlobalLock(memory)) : nullptr;
        if (data) {
            bytes.assign(data, data + stat.cbSize.LowPart);
            GlobalUnlock(memory);
        } else if (SUCCEEDED(hr)) {
            hr = E_OUTOFMEMORY;
        }
    }
    stream->Release();
    return hr;
}

}  // namespace

// --- Reading --------------------------------------------------------------------------------

HRESULT StreamReader::Parse(IStream *stream) {
    if (!stream) return E_POINTER;
    char magic[4];
    WORD version = 0, count = 0;
    HRESULT hr = ReadExact(stream, magic, 4);
    if (FAILED(hr)) return hr;
    if (memcmp(magic, kMagic, 4) != 0) return STG_E_INVALIDHEADER;
    if (FAILED(hr = ReadExact(stream, &version, 2)) || FAILED(hr = ReadExact(stream, &count, 2))) return hr;
    if (version > kStreamVersion) return STG_E_OLDDLL;
    if (version == 0) return STG_E_INVALIDHEADER;

    for (WORD i = 0; i < count; ++i) {
        BYTE header[2];
        if (FAILED(hr = ReadExact(stream, header, 2))) return hr;
        if (header[0] >= kNameCount) return STG_E_DOCFILECORRUPT;
        const wchar_t *name = kNames[header[0]];
        switch (header[1]) {
        case kShort: {
            short value;
            if (FAILED(hr = ReadExact(stream, &value, 2))) return hr;
            numbers_[name] = value;
            break;
        }
        case kLong: {
            LONG value;
            if (FAILED(hr = ReadExact(stream, &value, 4))) return hr;
            numbers_[name] = value;
            break;
        }
        case kPicture: {
            DWORD size;
            if (FAILED(hr = ReadExact(stream, &size, 4))) return hr;
            if (size > kMaxPictureBytes) return STG_E_DOCFILECORRUPT;
            std::vector<BYTE> bytes;
            if (FAILED(hr = ReadBytes(stream, size, bytes))) return hr;
            ComPtr<IPictureDisp> picture;
            if (size && FAILED(hr = LoadPicture(bytes, picture.Out()))) return hr;
            pictures_[name] = picture;
            break;
        }
        default:
            return STG_E_DOCFILECORRUPT;
        }
    }
    if (version < 2) numbers_.erase(L"RightToLeft");
    return S_OK;
}

// A Boolean is stored in 16 bits; any non-zero value is True.
bool StreamReader::ReadBoolean(const wchar_t *name, bool defaultValue) {
    return static_cast<short>(ReadLong(name, defaultValue ? VARIANT_TRUE : VARIANT_FALSE)) != 0;
}

short StreamReader::ReadInteger(const wchar_t *name, short defaultValue) {
    return static_cast<short>(ReadLong(name, defaultValue));
}

long StreamReader::ReadLong(const wchar_t *name, long defaultValue) {
    auto found = numbers_.find(name);
    return found == numbers_.end() ? defaultValue : found->second;
}

ComPtr<IPictureDisp> StreamReader::ReadPicture(const wchar_t *name) {
    auto found = pictures_.find(name);
    return found == pictures_.end() ? ComPtr<IPictureDisp>() : found->second;
}

// --- Writing --------------------------------------------------------------------------------

void StreamWriter::Append(const void *data, size_t size) {
    const BYTE *bytes = static_cast<const BYTE *>(data);
    body_.insert(body_.end(), bytes, bytes + size);
}

bool StreamWriter::Begin(const wchar_t *name, BYTE kind) {
    int index = NameIndex(name);
    if (index < 0) return false;
    BYTE header[2] = {static_cast<BYTE>(index), kind};
    Append(header, 2);
    ++count_;
    return true;
}

// A value equal to its default is left out, as a property bag leaves it out: the loading
// machine then supplies its own default.
void StreamWriter::WriteBoolean(const wchar_t *name, bool value, bool defaultValue) {
    const VARIANT_BOOL stored = value ? VARIANT_TRUE : VARIANT_FALSE;
    if (value != defaultValue && Begin(name, kShort)) Append(&stored, 2);
}

void StreamWriter::WriteInteger(const wchar_t *name, short value, short defaultValue) {
    if (value != defaultValue && Begin(name, kShort)) Append(&value, 2);
}

void StreamWriter::WriteLong(const wchar_t *name, long value, long defaultValue) {
    if (value != defaultValue) WriteLongAlways(name, value);
}

void StreamWriter::WriteLongAlways(const wchar_t *name, long value) {
    LONG fixed = value;
    if (Begin(name, kLong)) Append(&fixed, 4);
}

void StreamWriter::WritePicture(const wchar_t *name, IPictureDisp *value) {
    if (!value) return;  // no picture is the default
    std::vector<BYTE> bytes;
    HRESULT hr = SavePicture(value, bytes);
    if (FAILED(hr)) {
        if (SUCCEEDED(error_)) error_ = hr;
        return;
    }
    if (!Begin(name, kPicture)) return;
    DWORD size = static_cast<DWORD>(bytes.size());
    Append(&size, 4);
    Append(bytes.data(), bytes.size());
}

HRESULT StreamWriter::Commit(IStream *stream) {
    if (!stream) return E_POINTER;
    if (FAILED(error_)) return error_;
    BYTE header[8];
    memcpy(header, kMagic, 4);
    WORD version = kStreamVersion;
    memcpy(header + 4, &version, 2);
    memcpy(header + 6, &count_, 2);
    ULONG written = 0;
    HRESULT hr = stream->Write(header, 8, &written);
    if (FAILED(hr)) return hr;
    if (body_.empty()) return S_OK;
    return stream->Write(body_.data(), static_cast<ULONG>(body_.size()), &written);
}

}  // namespace brocade
