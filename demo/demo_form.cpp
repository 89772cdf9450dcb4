#include "demo_form.h"

#include <commctrl.h>

#include <string>

namespace brocade::demo {

namespace {

const wchar_t kFormClass[] = L"BrocadeDemoForm";
const wchar_t kDocumentClass[] = L"BrocadeDemoDocument";
constexpr int kDocumentCount = 3;

LRESULT CALLBACK DocumentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        wchar_t title[64] = {};
        GetWindowTextW(window, title, 64);
        RECT client;
        GetClientRect(window, &client);
        InflateRect(&client, -8, -8);
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, title, -1, &client, DT_LEFT | DT_TOP | DT_SINGLELINE);
        EndPaint(window, &paint);
        return 0;
    }
    return DefMDIChildProcW(window, message, wParam, lParam);
}

HACCEL CreateShortcuts() {
    ACCEL keys[] = {
        {FVIRTKEY | FCONTROL, 'N', kCmdNew},       {FVIRTKEY | FCONTROL, 'O', kCmdOpen},
        {FVIRTKEY | FCONTROL, 'S', kCmdSave},      {FVIRTKEY | FCONTROL, 'P', kCmdPrint},
        {FVIRTKEY | FCONTROL, 'Z', kCmdUndo},      {FVIRTKEY | FCONTROL, 'X', kCmdCut},
        {FVIRTKEY | FCONTROL, 'C', kCmdCopy},      {FVIRTKEY | FCONTROL, 'A', kCmdSelectAll},
        {FVIRTKEY | FCONTROL, 'F', kCmdFind},      {FVIRTKEY | FCONTROL, 'H', kCmdReplace},
        {FVIRTKEY | FCONTROL, 'B', kCmdBold},      {FVIRTKEY | FCONTROL, 'I', kCmdItalic},
        {FVIRTKEY | FCONTROL, 'U', kCmdUnderline}, {FVIRTKEY, VK_F1, kCmdContents},
        {FVIRTKEY, VK_F5, kCmdRefresh},
    };
    return CreateAcceleratorTableW(keys, static_cast<int>(sizeof keys / sizeof keys[0]));
}

}  // namespace

void RegisterDemoClasses(HINSTANCE instance) {
    WNDCLASSEXW form = {sizeof form};
    form.lpfnWndProc = DemoForm::WindowProcAddress();
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    form.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);

    WNDCLASSEXW document = form;
    document.lpfnWndProc = DocumentProc;
    document.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    document.lpszClassName = kDocumentClass;
    RegisterClassExW(&document);
}

DemoForm::~DemoForm() {
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

bool DemoForm::Create(const RECT &bounds) {
    HMENU bar = BuildMenuBar(captions_);
    window_ = CreateWindowExW(0, kFormClass, kind_ == FormKind::MdiFrame ? L"Brocade MDI demo" : L"Brocade demo",
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, bounds.left, bounds.top,
                              bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, bar,
                              GetModuleHandleW(nullptr), this);
    if (!window_) {
        DestroyMenu(bar);
        return false;
    }
    accelerators_ = CreateShortcuts();
    // The status bar must exist before the control attaches: it looks for it then.
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"Ready", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                 window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    events_.SetStatusBar(statusBar_);
    bool hosted = host_.Create(window_);
    Apply(settings_);
    Layout();  // before the documents, so cascading has the client's size
    if (kind_ == FormKind::MdiFrame) CreateDocuments();
    return hosted;
}

void DemoForm::Show() {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
    SetFocus(window_);
}

void DemoForm::Apply(const StyleSettings &settings) {
    settings_ = settings;
    MenuLanguage wanted = UsesJapaneseCaptions(settings) ? MenuLanguage::Japanese : MenuLanguage::English;
    if (wanted != captions_) {
        captions_ = wanted;
        SetMenuBar(BuildMenuBar(captions_));
        UseStatusFontFor(captions_);
    }
    // Last, so the control's closing refresh converts the new bar in the new language.
    ApplyToControl(host_.Control(), settings_);
    CheckStyleMenu(TitlePopup(GetMenu(window_), kStyleMenu), settings_);
    DrawMenuBar(window_);
}

void DemoForm::SetMenuBar(HMENU bar) {
    HMENU old = GetMenu(window_);
    if (mdiClient_) {
        SendMessageW(mdiClient_, WM_MDISETMENU, reinterpret_cast<WPARAM>(bar),
                     reinterpret_cast<LPARAM>(TitlePopup(bar, kWindowMenu)));
    } else {
        SetMenu(window_, bar);
    }
    if (old && old != bar) DestroyMenu(old);
    DrawMenuBar(window_);
}

bool DemoForm::TranslateKeys(MSG &message) {
    bool mine = message.hwnd == window_ || IsChild(window_, message.hwnd);
    if (!mine) return mdiDemo_ && mdiDemo_->TranslateKeys(message);
    if (mdiClient_ && TranslateMDISysAccel(mdiClient_, &message)) return true;
    return accelerators_ && TranslateAcceleratorW(window_, accelerators_, &message);
}

WNDPROC DemoForm::WindowProcAddress() { return WindowProc; }

LRESULT CALLBACK DemoForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto *form = static_cast<DemoForm *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto *form = reinterpret_cast<DemoForm *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form) return DefWindowProcW(window, message, wParam, lParam);
    return form->Handle(message, wParam, lParam);
}

LRESULT DemoForm::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (kind_ == FormKind::MdiFrame) return DefFrameProcW(window_, mdiClient_, message, wParam, lParam);
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT DemoForm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_PAINT:
        if (kind_ == FormKind::Single) {
            Paint();
            return 0;
        }
        break;
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 || HIWORD(wParam) == 1) {
            UINT command = LOWORD(wParam);
            if (command < kFirstMdiChild) {
                OnCommand(command);
                return 0;
            }
        }
        break;
    case kRunOnFormThread:
        (*reinterpret_cast<std::function<void()> *>(lParam))();
        return 0;
    case WM_CLOSE:
        if (!quitOnClose_) {
            ShowWindow(window_, SW_HIDE);
            return 0;
        }
        break;
    case WM_DESTROY:
        if (quitOnClose_) PostQuitMessage(0);
        break;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

void DemoForm::OnCreate() {
    if (kind_ != FormKind::MdiFrame) return;
    CLIENTCREATESTRUCT client = {TitlePopup(GetMenu(window_), kWindowMenu), kFirstMdiChild};
    mdiClient_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                 WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0,
                                 window_, nullptr, GetModuleHandleW(nullptr), &client);
}

void DemoForm::CreateDocuments() {
    for (int i = 1; i <= kDocumentCount; ++i) {
        std::wstring title = L"Document " + std::to_wstring(i);
        MDICREATESTRUCTW create = {kDocumentClass, title.c_str(), GetModuleHandleW(nullptr),
                                   CW_USEDEFAULT, CW_USEDEFAULT, 260, 150, WS_VISIBLE, 0};
        SendMessageW(mdiClient_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create));
    }
    SendMessageW(mdiClient_, WM_MDICASCADE, 0, 0);
}

void DemoForm::Layout() {
    if (!statusBar_) return;
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
    if (!mdiClient_) return;
    RECT client, status;
    GetClientRect(window_, &client);
    GetWindowRect(statusBar_, &status);
    int height = (client.bottom - client.top) - (status.bottom - status.top);
    MoveWindow(mdiClient_, 0, 0, client.right, height > 0 ? height : 0, TRUE);
}

void DemoForm::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    InflateRect(&client, -16, -16);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc,
              L"The menus of this form are drawn by the Brocade control.\n"
              L"Open the Style menu to switch its look.",
              -1, &client, DT_LEFT | DT_TOP | DT_WORDBREAK);
    EndPaint(window_, &paint);
}

// The control writes Japanese help as Unicode text; the status bar's own font may lack the
// glyphs, so it gets a font of the Japanese character set meanwhile.
void DemoForm::UseStatusFontFor(MenuLanguage captions) {
    if (!statusDefaultFont_) statusDefaultFont_ = reinterpret_cast<HFONT>(SendMessageW(statusBar_, WM_GETFONT, 0, 0));
    HFONT font = statusDefaultFont_;
    if (captions == MenuLanguage::Japanese) {
        if (!statusJapaneseFont_) {
            LOGFONTW japanese = {};
            japanese.lfHeight = -12;
            japanese.lfWeight = FW_NORMAL;
            japanese.lfCharSet = SHIFTJIS_CHARSET;
            statusJapaneseFont_.Reset(CreateFontIndirectW(&japanese));
        }
        font = statusJapaneseFont_.Get();
    }
    SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void DemoForm::ShowStatus(const std::wstring &text) {
    SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void DemoForm::OnCommand(UINT command) {
    StyleSettings changed = settings_;
    if (ApplyStyleCommand(command, changed)) {
        Apply(changed);
        ShowStatus(Describe(settings_));
        return;
    }
    HMENU bar = GetMenu(window_);
    switch (command) {
    case kCmdExit:
        PostMessageW(window_, WM_CLOSE, 0, 0);
        return;
    case kCmdAbout:
        if (Control()) Control()->ShowAboutBox();
        return;
    case kCmdToolbar:
    case kCmdStatusBar: {
        bool checked = (GetMenuState(bar, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
        CheckMenuItem(bar, command, MF_BYCOMMAND | (checked ? MF_UNCHECKED : MF_CHECKED));
        if (command == kCmdStatusBar) {
            ShowWindow(statusBar_, checked ? SW_HIDE : SW_SHOW);
            Layout();
        }
        return;
    }
    case kCmdMdiDemo:
        if (kind_ == FormKind::Single) {
            if (!mdiDemo_) {
                RECT bounds = {80, 80, 720, 560};
                mdiDemo_ = std::make_unique<DemoForm>(FormKind::MdiFrame, false);
                mdiDemo_->Create(bounds);
            }
            mdiDemo_->Show();
        }
        return;
    case kCmdCascade:
        if (mdiClient_) SendMessageW(mdiClient_, WM_MDICASCADE, 0, 0);
        return;
    case kCmdTileHorizontally:
    case kCmdTileVertically:
        if (mdiClient_)
            SendMessageW(mdiClient_, WM_MDITILE, command == kCmdTileHorizontally ? MDITILE_HORIZONTAL : MDITILE_VERTICAL,
                         0);
        return;
    case kCmdArrangeIcons:
        if (mdiClient_) SendMessageW(mdiClient_, WM_MDIICONARRANGE, 0, 0);
        return;
    default:
        ShowStatus(L"Chosen: " + CommandHint(command));
        return;
    }
}

}  // namespace brocade::demo
