// What the gallery writes beside its pictures: index.html for people and gallery.txt, one line
// per picture with the open popups and the selected item, for programs that check them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace brocade::demo {

struct GalleryPicture {
    std::wstring file;
    std::wstring title;
    std::wstring configuration;  // every setting that made it
    std::wstring pathText;       // the menu that is open
    RECT popupRect = {};         // in picture coordinates
    RECT itemRect = {};
    int popupCount = 0;          // a submenu makes two
    std::wstring failure;        // empty when the picture was taken
};

bool WriteGalleryPage(const std::wstring &folder, const std::vector<GalleryPicture> &pictures);
bool WriteGalleryManifest(const std::wstring &folder, const std::vector<GalleryPicture> &pictures,
                          const std::wstring &name = L"gallery.txt");
// The pictures a manifest lists (file, rectangles, popups and title); none when it cannot be read.
std::vector<GalleryPicture> ReadGalleryManifest(const std::wstring &path);

}  // namespace brocade::demo
