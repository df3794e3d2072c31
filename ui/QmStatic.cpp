#include "ui/QmStatic.h"

QmStatic::~QmStatic()
{
    Destroy();
    if (ownedIcon_)
        DestroyIcon(ownedIcon_);
}

bool QmStatic::ShowImageListIcon(HIMAGELIST list, int index)
{
    if (!Handle() || !list)
        return false;
    HICON icon = ImageList_GetIcon(list, index, ILD_NORMAL);
    if (!icon)
        return false;
    SetIcon(icon);
    // The control no longer shows the previous icon, so it can go.
    if (ownedIcon_)
        DestroyIcon(ownedIcon_);
    ownedIcon_ = icon;
    return true;
}
