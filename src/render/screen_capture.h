// A picture of the whole primary screen, the backdrop for the popup shadow.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include "common/com_ptr.h"

namespace brocade {

// Null when the screen cannot be read.
ComPtr<IPicture> CaptureScreenBitmap();

}  // namespace brocade
