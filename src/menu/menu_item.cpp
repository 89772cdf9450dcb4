#include "menu/menu_item.h"

#include <unordered_map>

#include "common/enums.h"

namespace brocade {

namespace {

// The watched font objects and their stamps. Records live on the thread their control was
// made on (an apartment-threaded control); each stamp is new, so an object made later at the
// address of one released matches nothing read before.
std::unordered_map<IFontDisp *, unsigned long long> &FontStamps() {
    // Never freed: a record let go of while the process exits may still look its fonts up.
    static auto *stamps = new std::unordered_map<IFontDisp *, unsigned long long>();
    return *stamps;
}

void Restamp(IFontDisp *font) {
    static unsigned long long last = 0;
    if (font) FontStamps()[font] = ++last;
}

// COM identity: two pointers name the same object when their IUnknown pointers agree.
bool SameComObject(IUnknown *first, IUnknown *second) {
    if (first == second) return true;
    if (!first || !second) return false;
    ComPtr<IUnknown> a = ComPtr<IUnknown>(first).As<IUnknown>(IID_IUnknown);
    ComPtr<IUnknown> b = ComPtr<IUnknown>(second).As<IUnknown>(IID_IUnknown);
    return a.Get() == b.Get();
}

std::string TrimSpaces(const std::string &text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

long UpperAnsiCode(char character) {
    char buffer[1] = {character};
    CharUpperBuffA(buffer, 1);
    return static_cast<unsigned char>(buffer[0]);
}

// The character that starts at text[at], decoded from the ANSI code page the menu text was
// read in (a lead byte takes its trail byte along), upper-cased.
wchar_t UpperWideCharacter(const std::string &text, size_t at) {
    int length = IsDBCSLeadByte(static_cast<BYTE>(text[at])) && at + 1 < text.size() ? 2 : 1;
    wchar_t character[2] = {};
    if (MultiByteToWideChar(CP_ACP, 0, text.data() + at, length, character, 2) != 1) return 0;
    CharUpperBuffW(character, 1);
    return character[0];
}

}  // namespace

short GetLanguageCharset(long language) {
    switch (language) {
    case kKorean: return HANGEUL_CHARSET;
    case kJapanese: return SHIFTJIS_CHARSET;
    case kChineseTraditional: return CHINESEBIG5_CHARSET;
    case kChineseSimplified: return GB2312_CHARSET;
    case kRussian: return RUSSIAN_CHARSET;
    default: return ANSI_CHARSET;
    }
}

// --- Lifetime -----------------------------------------------------------------------------

ComPtr<MenuItemRecord> MenuItemRecord::Create() {
    return ComPtr<MenuItemRecord>::Adopt(new MenuItemRecord());
}

MenuItemRecord::MenuItemRecord() = default;

MenuItemRecord::~MenuItemRecord() {
    // The order the record lets go of its attributes.
    SetShortcutFont(nullptr);
    SetCaptionFont(nullptr);
    picture_.Reset();
    companion_.reset();
}

ULONG MenuItemRecord::AddRef() { return InterlockedIncrement(&refs_); }

ULONG MenuItemRecord::Release() {
    ULONG refs = InterlockedDecrement(&refs_);
    if (refs == 0) {
        refs_ = 1;  // a release from inside the destructor (the companion) must not recurse
        delete this;
    }
    return refs;
}

void MenuItemRecord::ReleaseAttributes() {
    SetCaptionFont(nullptr);
    SetShortcutFont(nullptr);
    picture_.Reset();
}

// --- Text -----------------------------------------------------------------------------------

void ItemText::SetMenuText(const std::string &text) {
    menuText_ = text;
    caption_ = text;
    shortcutText_.clear();
    mnemonicCode_ = 0;
    mnemonicCharacter_ = 0;

    size_t marker = text.find('&');
    if (marker != std::string::npos && marker + 1 < text.size()) {
        mnemonicCode_ = UpperAnsiCode(text[marker + 1]);
        mnemonicCharacter_ = UpperWideCharacter(text, marker + 1);
    }

    size_t tab = text.find('\t');
    if (tab != std::string::npos) {
        caption_ = text.substr(0, tab);
        shortcutText_ = text.substr(tab + 1);
    }
}

// --- Attributes -----------------------------------------------------------------------------

void MenuItemRecord::SetPicture(IPictureDisp *picture) {
    if (SameComObject(picture_.Get(), picture)) return;
    picture_ = ComPtr<IPictureDisp>(picture);
    attributesChanged_ = true;
    if (menuObserver_) menuObserver_->ColumnsChanged();
}

void MenuItemRecord::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    if (menuObserver_) menuObserver_->ColumnsChanged();
}

void MenuItemRecord::SetPictureBackColor(OLE_COLOR color) {
    if (color == pictureBackColor_) return;
    pictureBackColor_ = color;
    attributesChanged_ = true;
}

void ItemText::SetTooltipText(const std::string &text) { tooltipText_ = TrimSpaces(text); }

void MenuItemRecord::SetLanguage(long language) {
    language_ = language;
    ApplyCharset(captionFont_.font.Get());
    ApplyCharset(shortcutFont_.font.Get());
}

void MenuItemRecord::SetCaptionFont(IFontDisp *font) { ReplaceFont(captionFont_, font); }
void MenuItemRecord::SetShortcutFont(IFontDisp *font) { ReplaceFont(shortcutFont_, font); }

unsigned long long WatchedFontStamp(IFontDisp *font) {
    const auto found = FontStamps().find(font);
    return found == FontStamps().end() ? 0 : found->second;
}

void MenuItemRecord::ReplaceFont(ConnectedFont &slot, IFontDisp *font) {
    if (slot.font) FontStamps().erase(slot.font.Get());
    if (slot.font && slot.cookie) {
        ComPtr<IConnectionPointContainer> container =
            slot.font.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
        ComPtr<IConnectionPoint> point;
        if (container && SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, point.Out())))
            point->Unadvise(slot.cookie);
    }
    slot.cookie = 0;
    slot.font = ComPtr<IFontDisp>(font);
    if (!slot.font) return;

    ComPtr<IConnectionPointContainer> container =
        slot.font.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    if (container && SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, point.Out())) &&
        FAILED(point->Advise(&fontSink_, &slot.cookie)))
        slot.cookie = 0;
    if (slot.cookie) Restamp(slot.font.Get());
    ApplyCharset(slot.font.Get());
}

void MenuItemRecord::ApplyCharset(IFontDisp *font) const {
    if (!font) return;
    ComPtr<IFont> properties = ComPtr<IFontDisp>(font).As<IFont>(IID_IFont);
    // Set only when it differs: every set tells the font's watchers, who read it all again.
    SHORT current = 0;
    const SHORT charset = static_cast<SHORT>(GetLanguageCharset(language_));
    if (properties && !(SUCCEEDED(properties->get_Charset(&current)) && current == charset))
        properties->put_Charset(charset);
}

// --- Internal fields with side effects ------------------------------------------------------

void MenuItemRecord::SetMenuHandle(HMENU menu) {
    if (menu == menu_) return;
    HMENU previous = menu_;
    menu_ = menu;
    if (menuObserver_) menuObserver_->MenuHandleChanged(*this, previous);
}

void MenuItemRecord::SetCaptionTextSize(SIZE size) {
    if (size.cx == captionTextWidth_ && size.cy == captionTextHeight_) return;
    if (menuObserver_) menuObserver_->ColumnsChanged();
    captionTextWidth_ = size.cx;
    captionTextHeight_ = size.cy;
}

void MenuItemRecord::SetShortcutTextSize(SIZE size) {
    if (size.cx == shortcutTextWidth_ && size.cy == shortcutTextHeight_) return;
    if (menuObserver_) menuObserver_->ColumnsChanged();
    shortcutTextWidth_ = size.cx;
    shortcutTextHeight_ = size.cy;
}

void MenuItemRecord::SetItemSerial(long serial) {
    if (serial == itemSerial_) return;
    itemSerial_ = serial;
    attributesChanged_ = true;
}

// --- Font notifications ---------------------------------------------------------------------

STDMETHODIMP MenuItemRecord::FontChangeSink::QueryInterface(REFIID iid, void **result) {
    if (!result) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyNotifySink)) {
        *result = static_cast<IPropertyNotifySink *>(this);
        return S_OK;
    }
    *result = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP MenuItemRecord::FontChangeSink::OnChanged(DISPID) {
    // Whatever property changed, the item's look or size may have. Which of the two fonts told
    // is not said.
    record_.attributesChanged_ = true;
    if (record_.captionFont_.cookie) Restamp(record_.captionFont_.font.Get());
    if (record_.shortcutFont_.cookie) Restamp(record_.shortcutFont_.font.Get());
    return S_OK;
}

}  // namespace brocade
