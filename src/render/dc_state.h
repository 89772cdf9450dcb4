// The attributes of a DC that item painting relies on, and the host's event handlers may
// change. Saving and restoring a whole DC around every item costs more than painting a plain
// item; comparing these few attributes and putting back only those a handler
// changed costs little, and nothing when the handler changed none.
#pragma once
#include <windows.h>

namespace brocade {

struct DcState {
    HGDIOBJ font = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ pen = nullptr;
    COLORREF textColor = 0;
    COLORREF backColor = 0;
    int backMode = 0;
    UINT textAlign = 0;
    int rop2 = 0;
    POINT viewportOrigin{};
    POINT windowOrigin{};
    POINT brushOrigin{};
};

DcState ReadDcState(HDC dc);

// Puts back every attribute of state that dc no longer has, selects bitmap back in when the
// DC holds another, and removes any clipping region (the painters never clip). probe is a
// region the clipping is read into. False when the bitmap cannot be selected back.
bool RestoreDcState(HDC dc, const DcState &state, HBITMAP bitmap, HRGN probe);

}  // namespace brocade
