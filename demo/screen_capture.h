// Pictures of a screen area, written as PNG through Windows Imaging Component.
#pragma once
#include <windows.h>

#include <string>

namespace brocade::demo {

// Copies the area from the screen and writes it to path; false on any failure.
bool CaptureScreenToPng(const RECT &area, const std::wstring &path);

}  // namespace brocade::demo
