#include "platform/qt/WinDefs.h"

#include "platform/resource/IconBitmap.h"

// Icons are drawn at the size of their pictures.
int GetSystemMetrics(int index) {
    return index == SM_CXICON || index == SM_CYICON ? IconBitmap::kSize : 0;
}
