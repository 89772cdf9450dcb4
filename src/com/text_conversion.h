// Text between the automation interface (UTF-16 BSTRs) and the control, which keeps menu
// texts and help in the system code page as the menus themselves do.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include <string>

namespace brocade {

std::string AnsiFromWide(const wchar_t *text, int length);
inline std::string AnsiFromWide(BSTR text) { return AnsiFromWide(text, text ? static_cast<int>(SysStringLen(text)) : 0); }
std::wstring WideFromAnsi(const std::string &text);

}  // namespace brocade
