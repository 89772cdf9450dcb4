#include "render/default_pictures.h"

#include <algorithm>
#include <string>
#include <utility>

#include "common/enums.h"
#include "render/picture_handles.h"

namespace brocade {

namespace {

constexpr int kBuiltInPicturePixels = 16;
// The larger drawings of every built-in picture, smallest first.
constexpr int kSharperPixels[] = {20, 24, 32};

int SharperSize(int pixels) {
    for (int size : kSharperPixels)
        if (size >= pixels) return size;
    return kSharperPixels[sizeof kSharperPixels / sizeof kSharperPixels[0] - 1];
}

// Hosts that name their items anew (recent files, window lists) would grow the answers for
// good; they start over beyond this many.
constexpr size_t kMaxAnswers = 1024;

struct IconSetRow {
    const char *suffix;
    UINT type;
};

IconSetRow IconSetResource(long iconSet) {
    switch (iconSet) {
    case kIconsOffice2003: return {"_3", IMAGE_BITMAP};
    case kIconsSkyline: return {"_B", IMAGE_BITMAP};
    case kIconsSunrise: return {"_O", IMAGE_BITMAP};
    case kIconsSnowflakes: return {"_P", IMAGE_BITMAP};
    default: return {"_I", IMAGE_ICON};  // bdDefault and anything else
    }
}

std::string TrimBlanks(const std::string &text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Resource names, like the keys of the cache, do not tell upper from lower case.
std::string CacheKey(std::string name) {
    if (!name.empty()) CharUpperBuffA(&name[0], static_cast<DWORD>(name.size()));
    return name;
}

}  // namespace

DefaultPictures::DefaultPictures(HMODULE resources, PictureNameLookup lookup)
    : resources_(resources), lookup_(std::move(lookup)) {}

PictureResource DefaultPictures::ResourceFor(const std::string &caption, bool convert, long language,
                                             long iconSet) const {
    const std::string name = TrimBlanks(caption);
    std::string base;
    if (name == kCheckMarkCaption) {
        base = kCheckMarkCaption;
    } else {
        if (lookup_) base = lookup_(name, convert, language);
        if (base.empty()) base = name;
        std::replace(base.begin(), base.end(), ' ', '_');
    }
    const IconSetRow row = IconSetResource(iconSet);
    return PictureResource{base + row.suffix, row.type};
}

ComPtr<IPictureDisp> DefaultPictures::Load(const std::string &caption, bool convert, long language, long iconSet) {
    if (!resources_) return nullptr;
    Request request{caption, convert, language, iconSet};
    auto answered = answers_.find(request);
    if (answered != answers_.end()) return answered->second;
    const PictureResource resource = ResourceFor(caption, convert, language, iconSet);
    const std::string key = CacheKey(resource.name);
    ComPtr<IPictureDisp> picture;
    auto cached = cache_.find(key);
    if (cached != cache_.end()) {
        picture = cached->second;
    } else {
        picture = LoadFromLibrary(resource, kBuiltInPicturePixels);
        if (picture) {
            cache_.emplace(key, picture);
            origins_.emplace(picture.Get(), resource);
        }
    }
    if (answers_.size() >= kMaxAnswers) answers_.clear();
    answers_.emplace(std::move(request), picture);
    return picture;
}

ComPtr<IPictureDisp> DefaultPictures::Sharper(IPictureDisp *picture, int pixels) {
    if (!resources_ || pixels <= kBuiltInPicturePixels) return nullptr;
    const auto origin = origins_.find(picture);
    if (origin == origins_.end()) return nullptr;
    const int size = SharperSize(pixels);
    const PictureResource resource{origin->second.name + "_" + std::to_string(size), origin->second.type};
    const std::string key = CacheKey(resource.name);
    auto cached = sharper_.find(key);
    if (cached != sharper_.end()) return cached->second;
    ComPtr<IPictureDisp> sharper = LoadFromLibrary(resource, size);
    if (sharper) sharper_.emplace(key, sharper);
    return sharper;
}

ComPtr<IPictureDisp> DefaultPictures::LoadFromLibrary(const PictureResource &resource, int pixels) const {
    HANDLE handle = LoadImageA(resources_, resource.name.c_str(), resource.type, pixels, pixels, LR_DEFAULTCOLOR);
    if (!handle) return nullptr;
    ComPtr<IPicture> picture = resource.type == IMAGE_ICON ? IconToPicture(static_cast<HICON>(handle))
                                                           : BitmapToPicture(static_cast<HBITMAP>(handle), nullptr);
    return picture.As<IPictureDisp>(IID_IPictureDisp);
}

}  // namespace brocade
