// Operating-system version checks. Each is False (0 for the number) when the version cannot be read.
#pragma once

namespace brocade {

bool IsWin95();
bool IsWin98();
bool IsWinNT3();
bool IsWinNT4();
bool IsWinXP();
// Major and minor version as one number, 5.1 for XP; read through the user's number
// format the way the version text is shown to the user.
float GetOSVersionNumber();

}  // namespace brocade
