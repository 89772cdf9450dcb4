// The ten derived default colours, computed from the system palette and the highlight style.
#pragma once
#include <windows.h>
#include <olectl.h>

#include "common/enums.h"

namespace brocade {

// Fills colors[kColorCount] (fixed colour order); values are OLE system colours or RGB.
void ComputeDefaultColors(long highlightStyle, OLE_COLOR colors[kColorCount]);

}  // namespace brocade
