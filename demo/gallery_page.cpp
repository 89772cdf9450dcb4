#include "gallery_page.h"

#include <cstdio>
#include <cstring>

namespace brocade::demo {

namespace {

std::string Utf8(const std::wstring &text) {
    if (text.empty()) return std::string();
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                   nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::string Html(const std::wstring &text) {
    std::string escaped;
    for (char c : Utf8(text)) {
        switch (c) {
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '&': escaped += "&amp;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

bool WriteFileText(const std::wstring &path, const std::string &text) {
    FILE *file = _wfopen(path.c_str(), L"wb");
    if (!file) return false;
    bool written = fwrite(text.data(), 1, text.size(), file) == text.size();
    return fclose(file) == 0 && written;
}

std::string Numbers(const RECT &rect) {
    char text[64];
    snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", rect.left, rect.top, rect.right, rect.bottom);
    return text;
}

}  // namespace

bool WriteGalleryPage(const std::wstring &folder, const std::vector<GalleryPicture> &pictures) {
    std::string page =
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Brocade gallery</title>\n"
        "<style>body{font-family:sans-serif;margin:24px}figure{display:inline-block;vertical-align:top;"
        "margin:0 16px 24px 0;max-width:640px}figcaption{font-size:13px;margin-top:4px}"
        ".settings{color:#555}.failed{color:#b00}</style></head><body>\n"
        "<h1>Brocade gallery</h1>\n<p>Each picture is a real menu opened with the keyboard in "
        "BrocadeDemo.exe, hosting the control in an ActiveX container, captured from the screen.</p>\n";
    for (const GalleryPicture &picture : pictures) {
        page += "<figure>";
        if (picture.failure.empty())
            page += "<img src=\"" + Html(picture.file) + "\" alt=\"" + Html(picture.title) + "\">";
        else
            page += "<p class=\"failed\">Not captured: " + Html(picture.failure) + "</p>";
        page += "<figcaption><b>" + Html(picture.title) + "</b> &mdash; " + Html(picture.pathText) +
                "<br><span class=\"settings\">" + Html(picture.configuration) + "</span></figcaption></figure>\n";
    }
    page += "</body></html>\n";
    return WriteFileText(folder + L"\\index.html", page);
}

bool WriteGalleryManifest(const std::wstring &folder, const std::vector<GalleryPicture> &pictures,
                          const std::wstring &name) {
    std::string text =
        "# file|deepest popup left,top,right,bottom|its selected item left,top,right,bottom|open popups|title\n";
    for (const GalleryPicture &picture : pictures) {
        if (!picture.failure.empty()) continue;
        text += Utf8(picture.file) + "|" + Numbers(picture.popupRect) + "|" + Numbers(picture.itemRect) + "|" +
                std::to_string(picture.popupCount) + "|" + Utf8(picture.title) + "\n";
    }
    return WriteFileText(folder + L"\\" + name, text);
}

std::vector<GalleryPicture> ReadGalleryManifest(const std::wstring &path) {
    std::vector<GalleryPicture> pictures;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return pictures;
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read) text.append(buffer, read);
    CloseHandle(file);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        GalleryPicture picture;
        char name[260] = {}, title[1024] = {};
        RECT &p = picture.popupRect, &i = picture.itemRect;
        if (line.empty() || line[0] == '#' ||
            sscanf(line.c_str(), "%259[^|]|%ld,%ld,%ld,%ld|%ld,%ld,%ld,%ld|%d|%1023[^\n]", name, &p.left, &p.top, &p.right,
                   &p.bottom, &i.left, &i.top, &i.right, &i.bottom, &picture.popupCount, title) != 11)
            continue;
        picture.file = std::wstring(name, name + strlen(name));  // file names are ASCII
        pictures.push_back(picture);
    }
    return pictures;
}

}  // namespace brocade::demo
