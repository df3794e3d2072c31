// Static controls ("Static" class): texts, and pictures such as the done mark (SS_ICON).
#pragma once

#include "ui/QmWndBase.h"

#include <commctrl.h>

class QmStatic : public QmWndBase {
public:
    QmStatic() { SetClassName(L"Static"); }
    // The window goes before the icon it shows.
    ~QmStatic() override;

    // Creation as a child; `style` adds bits (WS_VISIBLE, SS_RIGHT, SS_ICON...).
    HWND CreateStatic(HWND parent, int id, const wchar_t* text, int x, int y, int width, int height, DWORD style = 0)
    {
        return CreateChild(parent, id, text, x, y, width, height, style);
    }

    // The caller keeps owning `icon`. Returns the previous icon.
    virtual HICON SetIcon(HICON icon)
    {
        return reinterpret_cast<HICON>(Send(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
    }
    virtual HICON GetIcon() const { return reinterpret_cast<HICON>(Send(STM_GETICON)); }
    // IMAGE_BITMAP, IMAGE_ICON, IMAGE_CURSOR or IMAGE_ENHMETAFILE; the caller keeps owning
    // the image. Returns the previous one.
    virtual HANDLE SetImage(UINT type, HANDLE image)
    {
        return reinterpret_cast<HANDLE>(Send(STM_SETIMAGE, type, reinterpret_cast<LPARAM>(image)));
    }
    // Shows picture `index` of an image list (a static created with SS_ICON). The icon made
    // from it belongs to this object and lives as long as it is shown. False when the
    // control does not exist or the picture cannot be taken.
    virtual bool ShowImageListIcon(HIMAGELIST list, int index);

private:
    HICON ownedIcon_ = nullptr;
};
