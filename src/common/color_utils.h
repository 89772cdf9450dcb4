// Colour arithmetic on OLE colours and RGB values (0x00BBGGRR). All functions are pure.
#pragma once
#include <windows.h>

namespace brocade {

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RoundEven(double value);

// An OLE colour with bit 31 set names a system colour; anything else is an RGB value.
COLORREF OleToRGB(DWORD oleColor);

void SplitRGB(COLORREF color, int &red, int &green, int &blue);
int ColorDistance(COLORREF first, COLORREF second);
COLORREF ScaleColor(COLORREF color, float factor);
COLORREF DarkenColor(COLORREF color);
COLORREF LightenColor(COLORREF color);
COLORREF BlendColors(COLORREF first, COLORREF second, float weightOfFirst);
COLORREF GetMeanColor(COLORREF first, COLORREF second);

}  // namespace brocade
