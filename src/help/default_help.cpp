#include "help/default_help.h"

#include <vector>

#include "help/language.h"
#include "menu/captions.h"

namespace brocade {

namespace {

// The first string of a language is read into 255 characters, every later one into 1024;
// longer strings are cut.
constexpr int kFirstStringBuffer = 255;
constexpr int kLaterStringBuffer = 1024;

// The library stores its strings as UTF-16. Reading them wide and converting to the
// language's own code page gives, say, Japanese text in code page 932 even on a system whose
// ANSI code page is 1252, where LoadStringA would have turned it into question marks.
std::wstring ReadString(HMODULE library, UINT id, int bufferChars) {
    std::vector<wchar_t> buffer(bufferChars);
    int length = LoadStringW(library, id, buffer.data(), bufferChars);
    return std::wstring(buffer.data(), length > 0 ? length : 0);
}

std::string ToCodePage(const std::wstring &text, UINT codePage) {
    if (text.empty()) return std::string();
    int count = static_cast<int>(text.size());
    int size = WideCharToMultiByte(codePage, 0, text.data(), count, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::string result(size, '\0');
    WideCharToMultiByte(codePage, 0, text.data(), count, result.data(), size, nullptr, nullptr);
    return result;
}

std::vector<std::wstring> SplitAtLineFeeds(const std::wstring &text) {
    std::vector<std::wstring> fields;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(L'\n', start);
        fields.push_back(text.substr(start, end == std::wstring::npos ? end : end - start));
        if (end == std::wstring::npos) return fields;
        start = end + 1;
    }
}

}  // namespace

void DefaultHelp::LoadDefaultHelp(HMODULE library, long language) {
    if (!HasSlot(language) || !library) return;
    CaptionTable &help = help_[language];
    CaptionTable &pictureNames = pictureNames_[language];
    // A language that yielded no help is read again next time.
    if (!help.Empty()) return;

    UINT codePage = GetLanguageCodePage(language);
    UINT id = static_cast<UINT>(LanguageStringBase(language));
    // Strings run consecutively from the base; the first missing or empty one ends them.
    for (std::wstring text = ReadString(library, id, kFirstStringBuffer); !text.empty();
         text = ReadString(library, ++id, kLaterStringBuffer)) {
        std::vector<std::wstring> fields = SplitAtLineFeeds(text);
        if (fields.size() < 2) continue;  // a caption without help
        std::string caption = ToCodePage(fields[0], codePage);
        // A caption already present keeps its first texts.
        help.Add(caption, ToCodePage(fields[1], codePage));
        if (fields.size() >= 3 && !fields[2].empty())
            pictureNames.Add(caption, ToCodePage(fields[2], codePage));
    }
}

std::string DefaultHelp::FindDefaultHelp(const std::string &caption, long language) const {
    std::string key = GetCleanCaption(caption);
    std::string text = HasSlot(language) ? help_[language].Find(key) : std::string();
    return text.empty() ? help_[kEnglish].Find(key) : text;
}

std::string DefaultHelp::FindDefaultPictureName(const std::string &caption, long language) const {
    return HasSlot(language) ? pictureNames_[language].Find(GetCleanCaption(caption)) : std::string();
}

bool DefaultHelp::HasPictureNames(long language) const {
    return HasSlot(language) && !pictureNames_[language].Empty();
}

}  // namespace brocade
