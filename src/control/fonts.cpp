// The caption and shortcut fonts, with the system menu font as their fallback.
#include <ole2.h>
#include <olectl.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "control/control.h"
#include "common/os_version.h"
#include "common/color_utils.h"

namespace brocade {

namespace {

ComPtr<IFontDisp> CreateOleFont(const wchar_t *name, double points, short weight, short charset, bool italic,
                                bool underline, bool strikethrough) {
    FONTDESC desc = {sizeof desc};
    desc.lpstrName = const_cast<LPOLESTR>(name);
    desc.cySize.int64 = static_cast<LONGLONG>(points * 10000);
    desc.sWeight = weight;
    desc.sCharset = charset;
    desc.fItalic = italic;
    desc.fUnderline = underline;
    desc.fStrikethrough = strikethrough;
    ComPtr<IFontDisp> font;
    OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void **>(font.Out()));
    return font;
}

// A copy of the container's ambient font (or the OLE default when it has none).
ComPtr<IFontDisp> CopyOfFont(IFontDisp *source) {
    ComPtr<IFont> font;
    if (source) source->QueryInterface(IID_IFont, reinterpret_cast<void **>(font.Out()));
    if (!font) return CreateOleFont(L"MS Sans Serif", 8, FW_NORMAL, DEFAULT_CHARSET, false, false, false);
    BSTR name = nullptr;
    CY size = {};
    SHORT weight = FW_NORMAL, charset = 0;
    BOOL italic = FALSE, underline = FALSE, strike = FALSE;
    font->get_Name(&name);
    font->get_Size(&size);
    font->get_Weight(&weight);
    font->get_Charset(&charset);
    font->get_Italic(&italic);
    font->get_Underline(&underline);
    font->get_Strikethrough(&strike);
    ComPtr<IFontDisp> copy =
        CreateOleFont(name ? name : L"", size.int64 / 10000.0, weight, charset, italic, underline, strike);
    SysFreeString(name);
    return copy;
}

short AmbientCharset(IFontDisp *ambient) {
    ComPtr<IFont> font;
    SHORT charset = DEFAULT_CHARSET;
    if (ambient && SUCCEEDED(ambient->QueryInterface(IID_IFont, reinterpret_cast<void **>(font.Out()))))
        font->get_Charset(&charset);
    return charset;
}

}  // namespace

ComPtr<IFontDisp> Control::GetSystemMenuFont(bool rebuild) {
    if (systemMenuFont_ && !rebuild) return systemMenuFont_;
    ComPtr<IFontDisp> ambient = ComPtr<IFontDisp>::Adopt(site_.AmbientFont());
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = 340;  // the size without the padded border width of later systems
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0)) {
        const LOGFONTA &menu = metrics.lfMenuFont;
        char face[LF_FACESIZE + 1] = {};
        memcpy(face, menu.lfFaceName, LF_FACESIZE);
        wchar_t name[LF_FACESIZE + 1] = {};
        MultiByteToWideChar(CP_ACP, 0, face, -1, name, LF_FACESIZE + 1);
        double points = 8;
        if (menu.lfHeight != 0) {
            WindowDc screen(nullptr);
            int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
            points = RoundEven(std::fabs(menu.lfHeight * 72.0 / dpi));
        }
        short charset = IsWinXP() ? AmbientCharset(ambient.Get()) : menu.lfCharSet;
        systemMenuFont_ = CreateOleFont(name, points, static_cast<short>(menu.lfWeight), charset, menu.lfItalic,
                                        menu.lfUnderline, menu.lfStrikeOut);
    } else {
        systemMenuFont_ = CopyOfFont(ambient.Get());
    }
    return systemMenuFont_;
}

ComPtr<IFontDisp> Control::MenuCaptionFont() { return settings_.captionFont ? settings_.captionFont : GetSystemMenuFont(false); }

ComPtr<IFontDisp> Control::MenuShortcutFont() { return settings_.shortcutFont ? settings_.shortcutFont : GetSystemMenuFont(false); }

void Control::SetMenuCaptionFont(IFontDisp *font) {
    settings_.captionFont = ComPtr<IFontDisp>(font);
    RedrawMenuBar(IsMdiChildHost() ? mdiFrame_ : hostWindow_);
}

void Control::SetMenuShortcutFont(IFontDisp *font) {
    settings_.shortcutFont = ComPtr<IFontDisp>(font);
    RedrawMenuBar(IsMdiChildHost() ? mdiFrame_ : hostWindow_);
}

}  // namespace brocade
