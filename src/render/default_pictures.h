// The built-in pictures of the icon sets and the built-in check mark, loaded by name from the
// resource library and cached for the control's lifetime.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <functional>
#include <map>
#include <string>
#include <tuple>

#include "common/com_ptr.h"

namespace brocade {

// Captions and names are strings of the system code page, as menu texts are.
//
// The base resource name the language's default picture name table gives a caption: the entry
// for its clean caption, or, when convert is set and that finds nothing, the entry for the
// clean caption of the caption converted to the language's code page. Empty when the table
// has none. The look-up loads the language's tables when they are still empty.
using PictureNameLookup = std::function<std::string(const std::string &caption, bool convert, long language)>;

// The caption asked for by the check mark of every icon set.
constexpr char kCheckMarkCaption[] = "CHECKMARK";

struct PictureResource {
    std::string name;  // base name and the icon set's suffix
    UINT type;         // IMAGE_BITMAP or IMAGE_ICON
};

class DefaultPictures {
public:
    // resources may be null (no resource library): every request then gives null.
    DefaultPictures(HMODULE resources, PictureNameLookup lookup);

    // A built-in picture for a caption, language and bdMenuIconSet value, or null. Pictures are
    // cached by resource name, and every answer (null included) by request: a popup asks again
    // for each of its items whenever it opens, and neither the resource library nor the name
    // tables change while the control lives.
    ComPtr<IPictureDisp> Load(const std::string &caption, bool convert, long language, long iconSet);

    // The resource a request names.
    PictureResource ResourceFor(const std::string &caption, bool convert, long language, long iconSet) const;

    // The same built-in picture drawn for a larger size: the library holds each one at 16,
    // 20, 24 and 32 pixels, the larger ones named "<resource name>_<pixels>". The nearest
    // size at or above pixels (32 beyond it); null for a picture not loaded here, or when 16
    // pixels suffice.
    ComPtr<IPictureDisp> Sharper(IPictureDisp *picture, int pixels);

    size_t CachedCount() const { return cache_.size(); }
    void Clear() {
        cache_.clear();
        origins_.clear();
        sharper_.clear();
        answers_.clear();
    }

private:
    HMODULE resources_;
    PictureNameLookup lookup_;
    std::map<std::string, ComPtr<IPictureDisp>> cache_;  // resource names compare case-blind
    std::map<const IPictureDisp *, PictureResource> origins_;  // what each cached picture was loaded from
    std::map<std::string, ComPtr<IPictureDisp>> sharper_;      // the larger drawings, by resource name
    using Request = std::tuple<std::string, bool, long, long>;  // caption, convert, language, icon set
    std::map<Request, ComPtr<IPictureDisp>> answers_;

    ComPtr<IPictureDisp> LoadFromLibrary(const PictureResource &resource, int pixels) const;
};

}  // namespace brocade
