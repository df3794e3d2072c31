// An image list the object owns (ImageList_Create / ImageList_Destroy). Controls it is
// attached to only use it: it must outlive them, or be detached first.
#pragma once

#include <windows.h>

#include <commctrl.h>

class QmImageList2 {
public:
    QmImageList2() = default;
    virtual ~QmImageList2() { Destroy(); }
    QmImageList2(const QmImageList2&) = delete;
    QmImageList2& operator=(const QmImageList2&) = delete;

    // Pictures of `width` x `height`, room for `initial` and growing by `grow` at a time
    // (flags: ILC_COLOR32 | ILC_MASK and the like). Replaces a list made before.
    bool Create(int width, int height, UINT flags, int initial, int grow);
    void Destroy();
    HIMAGELIST Get() const { return list_; }

    // Adds a copy of `icon` (the caller keeps owning it); the new index, or -1.
    int AddIcon(HICON icon) { return list_ ? ImageList_AddIcon(list_, icon) : -1; }
    // Loads icon `resourceId` of `module` at this list's size and adds it; the new index, or
    // -1 when the icon cannot be loaded or added (nothing is added then).
    int AddIconResource(HINSTANCE module, int resourceId);
    // Adds the pictures of a strip `image` as wide as a whole number of pictures, with its
    // mask (null: none); the caller keeps owning both. The index of the first, or -1.
    int Add(HBITMAP image, HBITMAP mask) { return list_ ? ImageList_Add(list_, image, mask) : -1; }
    int Count() const { return list_ ? ImageList_GetImageCount(list_) : 0; }
    // A new icon of picture `index`, owned by the caller (DestroyIcon); null on failure.
    HICON GetIcon(int index, UINT flags = ILD_NORMAL) const { return list_ ? ImageList_GetIcon(list_, index, flags) : nullptr; }

private:
    HIMAGELIST list_ = nullptr;
};
