// The host's image list, reached late-bound: ListImages, then Item(key), then Picture.
#pragma once
#include <windows.h>
#include <olectl.h>

#include <string>

#include "common/com_ptr.h"

namespace brocade {

// The picture stored under the key (a menu text, read in the system's ANSI code page); null
// when the list has no such key or does not answer the way an image list does.
ComPtr<IPictureDisp> FindImageListPicture(IDispatch *imageList, const std::string &key);

}  // namespace brocade
