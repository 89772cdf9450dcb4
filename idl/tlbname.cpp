// Build tool, run by the build: gives enumeration members of the type library widl wrote the
// public names widl cannot spell (blanks, parentheses).
//
//   tlbname <in.tlb> <out.tlb>
//
// Each placeholder identifier has exactly the length of its public name, so the name is
// rewritten in place in the library's name table; the name's hash is recomputed with
// LHashValOfNameSysA and the entry moved to its new hash chain, so look-ups by name work
// as they do for any other name. Nothing else in the library changes.
#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct PublicName {
    const char *placeholder;
    const char *name;
};

// Every enumeration member whose public name is not a valid IDL identifier. A blank or a
// parenthesis is written "_" in the placeholder.
const PublicName kPublicNames[] = {
    {"Horizontal_Left_To_Right", "Horizontal Left To Right"},
    {"Horizontal_Right_To_Left", "Horizontal Right To Left"},
    {"Horizontal_Center", "Horizontal Center"},
    {"Vertical_Top_To_Bottom", "Vertical Top To Bottom"},
    {"Vertical_Bottom_To_Top", "Vertical Bottom To Top"},
    {"Vertical_Center", "Vertical Center"},
    {"Office_2003", "Office 2003"},
    {"Flat_with_Shadow", "Flat with Shadow"},
    {"Chinese_Traditional_", "Chinese(Traditional)"},
    {"Chinese_Simplified_", "Chinese(Simplified)"},
};

// Layout of an MSFT type library, as far as the name table needs it.
constexpr int kHeaderSize = 0x54;
constexpr int kVarFlagsOffset = 0x14;
constexpr int kLcidOffset = 0x0C;
constexpr int kTypeInfoCountOffset = 0x20;
constexpr int kHelpDllFlag = 0x100;
constexpr int kSegmentEntrySize = 16;
constexpr int kNameHashSegment = 6;
constexpr int kNameSegment = 7;
constexpr int kHashBuckets = 0x80;
constexpr int kNameIntroSize = 12;  // hreftype, next in hash chain, length and hash

class TypeLibraryFile {
public:
    explicit TypeLibraryFile(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}

    bool Parse() {
        if (bytes_.size() < kHeaderSize || memcmp(bytes_.data(), "MSFT", 4) != 0) return false;
        int varflags = Int(kVarFlagsOffset);
        syskind_ = static_cast<SYSKIND>(varflags & 0x0F);
        lcid_ = static_cast<LCID>(Int(kLcidOffset));
        size_t directory = kHeaderSize + (varflags & kHelpDllFlag ? 4 : 0) + 4 * Int(kTypeInfoCountOffset);
        hashTable_ = Int(directory + kNameHashSegment * kSegmentEntrySize);
        names_ = Int(directory + kNameSegment * kSegmentEntrySize);
        namesLength_ = Int(directory + kNameSegment * kSegmentEntrySize + 4);
        return hashTable_ > 0 && names_ > 0 && names_ + namesLength_ <= static_cast<int>(bytes_.size());
    }

    // Renames every placeholder; false when the table is not as expected.
    bool Rename() {
        for (int offset = 0; offset < namesLength_;) {
            int entry = names_ + offset;
            int length = bytes_[entry + 8];
            std::string name(reinterpret_cast<const char *>(&bytes_[entry + kNameIntroSize]), length);
            if (StoredHash(entry) != Hash(name)) {
                fprintf(stderr, "tlbname: unexpected hash for \"%s\"\n", name.c_str());
                return false;
            }
            for (const PublicName &p : kPublicNames)
                if (name == p.placeholder) RenameEntry(offset, p.name);
            offset += kNameIntroSize + ((length + 3) & ~3);
        }
        return true;
    }

    const std::vector<unsigned char> &Bytes() const { return bytes_; }
    int Renamed() const { return renamed_; }

private:
    std::vector<unsigned char> bytes_;
    SYSKIND syskind_ = SYS_WIN32;
    LCID lcid_ = 0;
    int hashTable_ = 0, names_ = 0, namesLength_ = 0, renamed_ = 0;

    int Int(size_t at) const {
        int value;
        memcpy(&value, &bytes_[at], 4);
        return value;
    }
    void SetInt(size_t at, int value) { memcpy(&bytes_[at], &value, 4); }

    unsigned Hash(const std::string &name) const {
        return LHashValOfNameSysA(syskind_, lcid_, name.c_str()) & 0xFFFF;
    }
    unsigned StoredHash(int entry) const { return bytes_[entry + 10] | (bytes_[entry + 11] << 8); }
    int Bucket(unsigned hash) const { return hash & (kHashBuckets - 1); }

    void RenameEntry(int offset, const char *publicName) {
        int entry = names_ + offset;
        unsigned oldHash = StoredHash(entry), newHash = Hash(publicName);
        memcpy(&bytes_[entry + kNameIntroSize], publicName, strlen(publicName));
        bytes_[entry + 10] = newHash & 0xFF;
        bytes_[entry + 11] = (newHash >> 8) & 0xFF;
        if (Bucket(oldHash) != Bucket(newHash)) {
            Unlink(offset, Bucket(oldHash));
            SetInt(entry + 4, Int(hashTable_ + 4 * Bucket(newHash)));
            SetInt(hashTable_ + 4 * Bucket(newHash), offset);
        }
        ++renamed_;
    }

    // Removes the name at offset from the chain of its old bucket.
    void Unlink(int offset, int bucket) {
        int next = Int(names_ + offset + 4);
        size_t link = hashTable_ + 4 * bucket;
        while (Int(link) != -1) {
            if (Int(link) == offset) {
                SetInt(link, next);
                return;
            }
            link = names_ + Int(link) + 4;
        }
    }
};

}  // namespace

int wmain(int argc, wchar_t **argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: tlbname <in.tlb> <out.tlb>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    TypeLibraryFile library(std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {}));
    if (!library.Parse() || !library.Rename()) {
        fprintf(stderr, "tlbname: %ls is not a type library this tool understands\n", argv[1]);
        return 1;
    }
    if (library.Renamed() != static_cast<int>(sizeof kPublicNames / sizeof kPublicNames[0])) {
        fprintf(stderr, "tlbname: renamed %d names, expected %d\n", library.Renamed(),
                static_cast<int>(sizeof kPublicNames / sizeof kPublicNames[0]));
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char *>(library.Bytes().data()), library.Bytes().size());
    return out ? 0 : 1;
}
