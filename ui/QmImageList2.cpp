#include "ui/QmImageList2.h"

bool QmImageList2::Create(int width, int height, UINT flags, int initial, int grow)
{
    Destroy();
    list_ = ImageList_Create(width, height, flags, initial, grow);
    return list_ != nullptr;
}

void QmImageList2::Destroy()
{
    if (list_)
        ImageList_Destroy(list_);
    list_ = nullptr;
}

int QmImageList2::AddIconResource(HINSTANCE module, int resourceId)
{
    int width = 0;
    int height = 0;
    if (!list_ || !ImageList_GetIconSize(list_, &width, &height))
        return -1;
    HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(resourceId), IMAGE_ICON, width, height, 0));
    if (!icon)
        return -1;
    const int index = ImageList_AddIcon(list_, icon);
    // The list keeps its own copy.
    DestroyIcon(icon);
    return index;
}
