#include "gallery.h"

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "backdrop.h"
#include "demo_form.h"
#include "gallery_configurations.h"
#include "gallery_page.h"
#include "menu_driver.h"
#include "screen_capture.h"
#include "stand_in_popup.h"

namespace brocade::demo {

namespace {

// Room right of and below a popup for its shadow.
constexpr int kShadowMargin = 8;
const RECT kSingleFormBounds = {40, 40, 460, 310};  // the size most configurations ask for
const RECT kMdiFormBounds = {40, 40, 540, 380};

void WriteOut(const std::wstring &text) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (!out || out == INVALID_HANDLE_VALUE) return;
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                   nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

bool CreateFolders(const std::wstring &path) {
    for (size_t slash = path.find_first_of(L"\\/", 3); slash != std::wstring::npos;
         slash = path.find_first_of(L"\\/", slash + 1))
        CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
    CreateDirectoryW(path.c_str(), nullptr);
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RunOnFormThread(HWND form, std::function<void()> work) {
    SendMessageW(form, kRunOnFormThread, 0, reinterpret_cast<LPARAM>(&work));
}

RECT ToPicture(RECT rect, const RECT &area) {
    OffsetRect(&rect, -area.left, -area.top);
    return rect;
}

// The form and every open popup with its shadow, inside the screen.
RECT CaptureArea(HWND form, const OpenedMenu &opened) {
    RECT area;
    GetWindowRect(form, &area);
    for (HWND popup : opened.popups) {
        RECT rect;
        GetWindowRect(popup, &rect);
        rect.right += kShadowMargin;
        rect.bottom += kShadowMargin;
        UnionRect(&area, &area, &rect);
    }
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&area, &area, &screen);
    return area;
}

class GalleryRun {
public:
    GalleryRun(HINSTANCE instance, const Options &options) : instance_(instance), options_(options) {}

    int Run() {
        if (!CreateFolders(options_.outputDir)) {
            WriteOut(L"gallery: cannot create " + options_.outputDir + L"\n");
            return 2;
        }
        if (Selected().empty()) {
            WriteOut(L"gallery: no picture is called " + options_.only + L"\n");
            return 2;
        }
        if (NeedsJapaneseFont() && !JapaneseFontInstalled()) {
            WriteOut(L"gallery: the Japanese picture needs a font of the Japanese character set "
                     L"(SHIFTJIS_CHARSET), and none is installed\n");
            return kNoJapaneseFont;
        }
        RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        CreateBackdrop(instance_, screen);
        single_ = std::make_unique<DemoForm>(FormKind::Single, false);
        if (!single_->Create(kSingleFormBounds)) {
            WriteOut(L"gallery: Brocade.Brocade could not be created (is Brocade.ocx registered?)\n");
            return 2;
        }
        single_->Show();
        DWORD formThread = GetCurrentThreadId();
        std::thread driver([this, formThread] {
            // Windows Imaging Component is a COM library.
            CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            TakePictures();
            CoUninitialize();
            PostThreadMessageW(formThread, WM_QUIT, 0, 0);
        });
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        driver.join();
        return Finish();
    }

private:
    // The configurations of this run: all of them, or the one --only names.
    std::vector<GalleryConfiguration> Selected() const {
        std::vector<GalleryConfiguration> configurations = GalleryConfigurations(options_.quick);
        if (options_.only.empty()) return configurations;
        std::vector<GalleryConfiguration> one;
        for (const GalleryConfiguration &configuration : configurations)
            if (configuration.file == options_.only) one.push_back(configuration);
        return one;
    }

    bool NeedsJapaneseFont() const {
        for (const GalleryConfiguration &configuration : Selected())
            if (UsesJapaneseCaptions(configuration.settings)) return true;
        return false;
    }

    // On the driver thread: every configuration in turn, the forms working on their own thread.
    void TakePictures() {
        std::vector<GalleryConfiguration> configurations = Selected();
        if (!configurations.empty()) WarmUp(configurations.front());
        for (const GalleryConfiguration &configuration : configurations)
            pictures_.push_back(configuration.dpi && options_.only.empty() ? TakeInChild(configuration)
                                                                          : TakePicture(configuration));
    }

    // The desktop's DPI for the processes started while it lives, the old one (or none) back
    // afterwards. A process reads it as it starts; those running keep theirs.
    class LogPixels {
    public:
        explicit LogPixels(DWORD dpi) {
            if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                                KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr) != ERROR_SUCCESS) {
                key_ = nullptr;
                return;
            }
            DWORD size = sizeof saved_;
            had_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE *>(&saved_), &size) ==
                   ERROR_SUCCESS;
            Write(dpi);
        }
        ~LogPixels() {
            if (!key_) return;
            if (had_)
                Write(saved_);
            else
                RegDeleteValueW(key_, L"LogPixels");
            RegCloseKey(key_);
        }

    private:
        void Write(DWORD value) {
            RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value);
        }
        HKEY key_ = nullptr;
        DWORD saved_ = 0;
        bool had_ = false;
    };

    // A picture at another DPI: this program again, started with that DPI, takes it alone
    // while this one's forms are hidden, and hands back its line of gallery.txt.
    GalleryPicture TakeInChild(const GalleryConfiguration &configuration) {
        GalleryPicture picture;
        picture.file = configuration.file;
        picture.title = configuration.title;
        picture.configuration = Describe(configuration.settings) + L", " + std::to_wstring(configuration.dpi) + L" DPI";
        picture.pathText = configuration.pathText;
        RunOnFormThread(single_->Window(), [&] {
            for (DemoForm *form : {single_.get(), mdi_.get()})
                if (form) ShowWindow(form->Window(), SW_HIDE);
        });
        wchar_t exe[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, exe, MAX_PATH);
        std::wstring command = L"\"" + std::wstring(exe) + L"\" --gallery \"" + options_.outputDir + L"\" --only " +
                               configuration.file;
        const std::wstring line = options_.outputDir + L"\\" + configuration.file + L".txt";
        DeleteFileW(line.c_str());
        STARTUPINFOW startup = {sizeof startup};
        PROCESS_INFORMATION process = {};
        DWORD code = 1;
        {
            LogPixels dpi(configuration.dpi);
            if (CreateProcessW(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
                WaitForSingleObject(process.hProcess, 180000);
                GetExitCodeProcess(process.hProcess, &code);
                CloseHandle(process.hThread);
                CloseHandle(process.hProcess);
            }
        }
        const std::vector<GalleryPicture> taken = ReadGalleryManifest(line);
        DeleteFileW(line.c_str());
        if (code != 0 || taken.size() != 1) {
            picture.failure = L"the process at " + std::to_wstring(configuration.dpi) + L" DPI did not take it";
        } else {
            picture.popupRect = taken.front().popupRect;
            picture.itemRect = taken.front().itemRect;
            picture.popupCount = taken.front().popupCount;
        }
        WriteOut((picture.failure.empty() ? L"  " : L"  FAILED ") + configuration.file +
                 (picture.failure.empty() ? L"" : L": " + picture.failure) + L"\n");
        return picture;
    }

    // The first menu loop is the slow one (the control converts the menu bar and loads its
    // pictures); going through it once keeps that out of the first picture's key presses.
    void WarmUp(const GalleryConfiguration &configuration) {
        DemoForm *form = Prepare(configuration);
        MenuDriver driver(form->Window());
        OpenedMenu opened;
        std::wstring ignored;
        driver.Open(configuration.path, opened, ignored);
        driver.Close();
    }

    DemoForm *Prepare(const GalleryConfiguration &configuration) {
        DemoForm *target = nullptr;
        RunOnFormThread(single_->Window(), [&] {
            if (configuration.form == FormKind::MdiFrame) {
                if (!mdi_) {
                    mdi_ = std::make_unique<DemoForm>(FormKind::MdiFrame, false);
                    mdi_->Create(kMdiFormBounds);
                }
                ShowWindow(single_->Window(), SW_HIDE);
                target = mdi_.get();
            } else {
                if (mdi_) ShowWindow(mdi_->Window(), SW_HIDE);
                target = single_.get();
                SetWindowPos(target->Window(), nullptr, kSingleFormBounds.left, kSingleFormBounds.top,
                             configuration.formSize.cx, configuration.formSize.cy, SWP_NOZORDER | SWP_NOACTIVATE);
            }
            target->Apply(configuration.settings);
            target->Show();
            UpdateWindow(target->Window());
        });
        Sleep(30);
        return target;
    }

    // The user's high-contrast setting, for this session only; the old one comes back. The forms
    // hear of each switch as they would from the system.
    class HighContrast {
    public:
        HighContrast(bool on, std::function<void()> changed) : changed_(std::move(changed)) {
            if (!on) return;
            HIGHCONTRASTW wanted = saved_;
            wanted.dwFlags |= HCF_HIGHCONTRASTON;
            switched_ = SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof wanted, &wanted, 0);
            HIGHCONTRASTW now = {sizeof now};
            kept_ = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof now, &now, 0) && (now.dwFlags & HCF_HIGHCONTRASTON);
            changed_();
        }
        ~HighContrast() {
            if (!switched_) return;
            SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof saved_, &saved_, 0);
            changed_();
        }
        bool Kept() const { return kept_; }

    private:
        HIGHCONTRASTW saved_ = SavedSetting();
        std::function<void()> changed_;
        bool switched_ = false, kept_ = false;
        static HIGHCONTRASTW SavedSetting() {
            HIGHCONTRASTW setting = {sizeof setting};
            SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0);
            return setting;
        }
    };

    GalleryPicture TakePicture(const GalleryConfiguration &configuration) {
        HighContrast contrast(configuration.highContrast, [&] {
            for (DemoForm *form : {single_.get(), mdi_.get()})
                if (form) SendMessageW(form->Window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        });
        GalleryPicture picture;
        picture.file = configuration.file;
        picture.title = configuration.title;
        if (configuration.highContrast && !contrast.Kept())
            picture.title += L" (this system did not keep the high-contrast setting: the usual drawing shows)";
        picture.configuration = Describe(configuration.settings);
        picture.pathText = configuration.pathText;
        DemoForm *form = Prepare(configuration);
        if (configuration.standInPopup) return TakeStandInPicture(form, picture);
        MenuDriver driver(form->Window());
        OpenedMenu opened;
        bool open = driver.Open(configuration.path, opened, picture.failure);
        // On a busy machine the menu can fall behind the keys: start again from a closed menu.
        for (int retry = 0; !open && retry < 2; ++retry) {
            driver.Close();
            picture.failure.clear();
            open = driver.Open(configuration.path, opened, picture.failure);
        }
        if (open) {
            RECT area = CaptureArea(form->Window(), opened);
            if (CaptureScreenToPng(area, options_.outputDir + L"\\" + configuration.file)) {
                picture.popupRect = ToPicture(opened.popupRect, area);
                picture.itemRect = ToPicture(opened.itemRect, area);
                picture.popupCount = static_cast<int>(opened.popups.size());
            } else {
                picture.failure = L"the screen could not be captured";
            }
        }
        driver.Close();
        WriteOut((picture.failure.empty() ? L"  " : L"  FAILED ") + configuration.file +
                 (picture.failure.empty() ? L"" : L": " + picture.failure) + L"\n");
        return picture;
    }

    // The File menu's items on a bordered stand-in window below the File title, its second item
    // selected, as a real popup of File > Open would show them.
    GalleryPicture TakeStandInPicture(DemoForm *form, GalleryPicture picture) {
        HWND window = form->Window();
        std::unique_ptr<StandInPopup> popup;
        RunOnFormThread(window, [&] {
            HMENU bar = GetMenu(window);
            RECT title = {};
            if (!bar || !GetMenuItemRect(window, bar, 0, &title)) return;
            popup = std::make_unique<StandInPopup>(window, GetSubMenu(bar, 0), title.left, title.bottom, 1);
            // The File title selected, as while its menu is open (after the loop's start, which
            // takes every title's highlight away).
            HiliteMenuItem(window, bar, 0, MF_BYPOSITION | MF_HILITE);
        });
        Sleep(30);
        if (!popup || !popup->Window()) {
            picture.failure = L"the stand-in popup could not be made";
        } else {
            OpenedMenu opened;
            opened.popups.push_back(popup->Window());
            GetWindowRect(popup->Window(), &opened.popupRect);
            opened.itemRect = popup->SelectedItem();
            RECT area = CaptureArea(window, opened);
            if (CaptureScreenToPng(area, options_.outputDir + L"\\" + picture.file)) {
                picture.popupRect = ToPicture(opened.popupRect, area);
                picture.itemRect = ToPicture(opened.itemRect, area);
                picture.popupCount = 1;
            } else {
                picture.failure = L"the screen could not be captured";
            }
        }
        RunOnFormThread(window, [&] {
            popup.reset();
            HiliteMenuItem(window, GetMenu(window), 0, MF_BYPOSITION | MF_UNHILITE);
        });
        WriteOut((picture.failure.empty() ? L"  " : L"  FAILED ") + picture.file +
                 (picture.failure.empty() ? L"" : L": " + picture.failure) + L"\n");
        return picture;
    }

    int Finish() {
        const bool alone = !options_.only.empty();
        bool page = alone || WriteGalleryPage(options_.outputDir, pictures_);
        bool manifest = alone ? WriteGalleryManifest(options_.outputDir, pictures_, options_.only + L".txt")
                              : WriteGalleryManifest(options_.outputDir, pictures_);
        size_t failed = 0;
        for (const GalleryPicture &picture : pictures_)
            if (!picture.failure.empty()) ++failed;
        WriteOut(L"gallery: " + std::to_wstring(pictures_.size() - failed) + L" pictures, " +
                 std::to_wstring(failed) + L" failed\n");
        return page && manifest && failed == 0 ? 0 : 1;
    }

    HINSTANCE instance_;
    const Options &options_;
    std::unique_ptr<DemoForm> single_;
    std::unique_ptr<DemoForm> mdi_;
    std::vector<GalleryPicture> pictures_;
};

}  // namespace

int RunGallery(HINSTANCE instance, const Options &options) {
    GalleryRun run(instance, options);
    int code = run.Run();
    // Destroying windows takes seconds without a window manager; the process exit does it.
    ExitProcess(static_cast<UINT>(code));
}

}  // namespace brocade::demo
