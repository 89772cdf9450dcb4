// The members of _CMenuItem in slot order, with the DISPIDs the type library publishes.
#pragma once
#include <windows.h>

#include <utility>

namespace brocade_test {

inline const std::pair<const wchar_t *, DISPID> kMenuItemMembers[] = {
    {L"CaptionFont", 0x6803001B},      {L"ShortcutFont", 0x6803001A},      {L"HasSubMenus", 0x68030019},
    {L"IsTopLevel", 0x68030018},       {L"IsSeparator", 0x68030016},       {L"ShortcutText", 0x68030013},
    {L"Caption", 0x68030012},          {L"Disabled", 0x68030011},          {L"Checked", 0x68030010},
    {L"hwnd", 0x6803000F},             {L"hMenu", 0x6803000E},             {L"MenuId", 0x6803000D},
    {L"ParentMenuId", 0x6803000C},     {L"Picture", 0x6803000B},           {L"PictureBackColor", 0x6803000A},
    {L"MenuText", 0x68030009},         {L"ShortcutTextWidth", 0x68030008}, {L"ShortcutTextHeight", 0x68030007},
    {L"CaptionTextWidth", 0x68030006}, {L"CaptionTextHeight", 0x68030005}, {L"Position", 0x68030004},
    {L"IsFirst", 0x68030002},          {L"IsLast", 0x68030000},            {L"TooltTipText", 0x68030026},
    {L"Language", 0x68030020},         {L"Unicode", 0x68030027},
};

}  // namespace brocade_test
