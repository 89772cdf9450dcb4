#include "demo_menus.h"

#include "style_settings.h"

namespace brocade::demo {

namespace {

struct Item {
    UINT command;            // 0: separator
    const wchar_t *english;  // with "&" mnemonic
    const wchar_t *japanese; // nullptr: the English caption is used
    const char *shortcut;    // nullptr: none
    UINT flags;              // MF_CHECKED, MF_GRAYED
    const wchar_t *hint;
};

const Item kFileItems[] = {
    {kCmdNew, L"&New", L"新規作成", "Ctrl+N", 0, L"Creates a new document"},
    {kCmdOpen, L"&Open...", L"開く", "Ctrl+O", 0, L"Opens an existing document"},
    {kCmdSave, L"&Save", L"上書き保存", "Ctrl+S", 0, L"Saves the active document"},
    {kCmdSaveAs, L"Save &As...", L"名前を付けて保存", nullptr, 0, L"Saves the document under a new name"},
    {0},
    {kCmdPrintPreview, L"Print Pre&view", L"印刷プレビュー", nullptr, 0, L"Shows the printed pages"},
    {kCmdPrint, L"&Print...", L"印刷", "Ctrl+P", 0, L"Prints the active document"},
    {0},
    {kCmdExit, L"E&xit", L"終了", "Alt+F4", 0, L"Quits the demo"},
};

const Item kEditItems[] = {
    {kCmdUndo, L"&Undo", L"元に戻す", "Ctrl+Z", 0, L"Undoes the last action"},
    {0},
    {kCmdCut, L"Cu&t", L"切り取り", "Ctrl+X", 0, L"Cuts the selection"},
    {kCmdCopy, L"&Copy", L"コピー", "Ctrl+C", 0, L"Copies the selection"},
    {kCmdPaste, L"&Paste", L"貼り付け", "Ctrl+V", MF_GRAYED, L"Nothing to paste"},
    {kCmdDelete, L"&Delete", L"削除", "Del", 0, L"Deletes the selection"},
    {0},
    {kCmdSelectAll, L"Select &All", L"すべて選択", "Ctrl+A", 0, L"Selects the whole document"},
    {kCmdFind, L"&Find...", L"検索", "Ctrl+F", 0, L"Finds text"},
    {kCmdReplace, L"R&eplace...", L"置換", "Ctrl+H", 0, L"Replaces text"},
};

const Item kZoomItems[] = {
    {kCmdZoomIn, L"Zoom &In", L"拡大", "Ctrl++", 0, L"Enlarges the view"},
    {kCmdZoomOut, L"Zoom &Out", L"縮小", "Ctrl+-", 0, L"Shrinks the view"},
};

const Item kViewItems[] = {
    {kCmdToolbar, L"&Toolbar", nullptr, nullptr, MF_CHECKED, L"Shows or hides the toolbar"},
    {kCmdStatusBar, L"&Status Bar", nullptr, nullptr, MF_CHECKED, L"Shows or hides the status bar"},
    {0},
    {1, L"&Zoom", L"ズーム", nullptr, 0, L"Zooms the view"},  // the submenu
    {kCmdFullScreen, L"F&ull Screen", L"全画面表示", "F11", MF_GRAYED, L"Not available in the demo"},
    {kCmdRefresh, L"&Refresh", L"最新の情報に更新", "F5", 0, L"Redraws the view"},
};

const Item kFormatItems[] = {
    {kCmdFont, L"&Font...", L"フォント", nullptr, 0, L"Changes the font"},
    {0},
    {kCmdBold, L"&Bold", L"太字", "Ctrl+B", 0, L"Makes the selection bold"},
    {kCmdItalic, L"&Italic", L"斜体", "Ctrl+I", 0, L"Makes the selection italic"},
    {kCmdUnderline, L"&Underline", L"下線", "Ctrl+U", 0, L"Underlines the selection"},
};

const Item kWindowItems[] = {
    {kCmdMdiDemo, L"&MDI Demo", nullptr, nullptr, 0, L"Opens the MDI variant of the demo"},
    {0},
    {kCmdCascade, L"&Cascade", L"重ねて表示", nullptr, 0, L"Arranges the windows overlapping"},
    {kCmdTileHorizontally, L"Tile &Horizontally", L"上下に並べて表示", nullptr, 0, L"Arranges the windows one above the other"},
    {kCmdTileVertically, L"Tile &Vertically", L"左右に並べて表示", nullptr, 0, L"Arranges the windows side by side"},
    {kCmdArrangeIcons, L"&Arrange Icons", L"アイコンの整列", nullptr, 0, L"Arranges the minimized windows"},
};

const Item kHelpItems[] = {
    {kCmdContents, L"&Contents", L"目次", "F1", 0, L"Shows the help contents"},
    {kCmdIndex, L"&Index", L"索引", nullptr, 0, L"Shows the help index"},
    {kCmdSearch, L"&Search", L"ヘルプの検索", nullptr, 0, L"Searches the help"},
    {0},
    {kCmdAbout, L"&About", L"バージョン情報", nullptr, 0, L"Shows the control's about box"},
};

void AppendCaption(HMENU menu, UINT flags, UINT_PTR idOrPopup, const Item &item, MenuLanguage language) {
    if (language == MenuLanguage::Japanese && item.japanese) {
        // No shortcut: the control decodes the whole text as UTF-16 for its help look-up, and
        // an ANSI tab and shortcut after the code units would spoil it.
        std::string marked = MarkedUnicodeCaption(item.japanese);
        if (!marked.empty()) {
            AppendMenuA(menu, flags | MF_STRING, idOrPopup, marked.c_str());
            return;
        }
    }
    std::wstring text = item.english;
    if (item.shortcut) {
        text += L'\t';
        for (const char *c = item.shortcut; *c; ++c) text += static_cast<wchar_t>(*c);
    }
    AppendMenuW(menu, flags | MF_STRING, idOrPopup, text.c_str());
}

template <size_t N>
HMENU BuildPopup(const Item (&items)[N], MenuLanguage language, HMENU submenu = nullptr) {
    HMENU popup = CreatePopupMenu();
    for (const Item &item : items) {
        if (item.command == 0) {
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        } else if (item.command == 1 && submenu) {
            AppendCaption(popup, MF_POPUP | item.flags, reinterpret_cast<UINT_PTR>(submenu), item, language);
        } else {
            AppendCaption(popup, item.flags, item.command, item, language);
        }
    }
    return popup;
}

HMENU BuildChoices(const std::vector<NamedValue> &choices, UINT base) {
    HMENU popup = CreatePopupMenu();
    for (const NamedValue &choice : choices)
        AppendMenuW(popup, MF_STRING, base + static_cast<UINT>(choice.value), choice.name);
    return popup;
}

HMENU BuildStyleMenu() {
    HMENU style = CreatePopupMenu();
    AppendMenuW(style, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildChoices(HighlightStyleNames(), kCmdHighlightStyleBase)),
                L"&Highlight Style");
    AppendMenuW(style, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildChoices(BorderNames(), kCmdBorderBase)),
                L"Menu &Border");
    AppendMenuW(style, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildChoices(AppearanceNames(), kCmdAppearanceBase)),
                L"Highlight &Appearance");
    AppendMenuW(style, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildChoices(IconSetNames(), kCmdIconSetBase)),
                L"&Icon Set");
    AppendMenuW(style, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildChoices(LanguageNames(), kCmdLanguageBase)),
                L"&Language");
    AppendMenuW(style, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(style, MF_STRING, kCmdCustomColors, L"&Custom Colours");
    AppendMenuW(style, MF_STRING, kCmdBackgroundPicture, L"Background &Picture");
    AppendMenuW(style, MF_STRING, kCmdRightToLeft, L"&Right To Left");
    return style;
}

struct Title {
    const wchar_t *english;
    const wchar_t *japanese;
};

const Title kTitles[] = {{L"&File", L"ファイル"}, {L"&Edit", L"編集"},  {L"&View", L"表示"},
                         {L"F&ormat", L"書式"},  {L"&Style", L"スタイル"}, {L"&Window", L"ウィンドウ"},
                         {L"&Help", L"ヘルプ"}};

void AppendTitle(HMENU bar, HMENU popup, MenuTitle title, MenuLanguage language) {
    Item item = {1, kTitles[title].english, kTitles[title].japanese, nullptr, 0, nullptr};
    AppendCaption(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), item, language);
}

template <size_t N>
const wchar_t *FindHint(const Item (&items)[N], UINT command) {
    for (const Item &item : items)
        if (item.command == command && item.command > 1) return item.hint;
    return nullptr;
}

}  // namespace

std::string MarkedUnicodeCaption(const std::wstring &caption) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t unit : caption) {
        unsigned char low = static_cast<unsigned char>(unit & 0xFF);
        unsigned char high = static_cast<unsigned char>((unit >> 8) & 0xFF);
        if (low == 0 || high == 0 || low == '\t' || high == '\t') return std::string();
        bytes += static_cast<char>(low);
        bytes += static_cast<char>(high);
    }
    return bytes;
}

HMENU BuildMenuBar(MenuLanguage language) {
    HMENU bar = CreateMenu();
    AppendTitle(bar, BuildPopup(kFileItems, language), kFileMenu, language);
    AppendTitle(bar, BuildPopup(kEditItems, language), kEditMenu, language);
    AppendTitle(bar, BuildPopup(kViewItems, language, BuildPopup(kZoomItems, language)), kViewMenu, language);
    AppendTitle(bar, BuildPopup(kFormatItems, language), kFormatMenu, language);
    AppendTitle(bar, BuildStyleMenu(), kStyleMenu, language);
    AppendTitle(bar, BuildPopup(kWindowItems, language), kWindowMenu, language);
    AppendTitle(bar, BuildPopup(kHelpItems, language), kHelpMenu, language);
    return bar;
}

HMENU TitlePopup(HMENU bar, MenuTitle title) { return GetSubMenu(bar, title); }

std::wstring CommandHint(UINT command) {
    for (const wchar_t *hint :
         {FindHint(kFileItems, command), FindHint(kEditItems, command), FindHint(kViewItems, command),
          FindHint(kZoomItems, command), FindHint(kFormatItems, command), FindHint(kWindowItems, command),
          FindHint(kHelpItems, command)})
        if (hint) return hint;
    if (command >= kCmdHighlightStyleBase && command <= kCmdHighlightStyleBase + 10) return L"Switches the highlight style";
    if (command >= kCmdBorderBase && command <= kCmdBorderBase + 2) return L"Switches the popup border";
    if (command >= kCmdAppearanceBase && command <= kCmdAppearanceBase + 4) return L"Switches the highlight edge";
    if (command >= kCmdIconSetBase && command <= kCmdIconSetBase + 18) return L"Switches the built-in icon set";
    if (command >= kCmdLanguageBase && command <= kCmdLanguageBase + 10) return L"Switches the language of the default help";
    if (command == kCmdCustomColors) return L"Uses a custom colour palette";
    if (command == kCmdBackgroundPicture) return L"Tiles a picture behind the items";
    if (command == kCmdRightToLeft) return L"Draws the menus right to left";
    if (command >= kFirstMdiChild && command < kFirstMdiChild + 100) return L"Activates this document window";
    return std::wstring();
}

}  // namespace brocade::demo
