// Where the system's shell32.dll lacks an icon, a stand-in keeps every later picture in place.
#include "app/PictureList.h"

#include <gtest/gtest.h>

namespace {

// Icons of one plain colour per identifier, so each picture tells where it came from; a few
// identifiers are missing, as on a system whose shell32.dll lacks them.
COLORREF ColourOf(int id)
{
    return RGB(id % 251, (id * 7) % 253, 255 - id % 255);
}
bool IsMissing(int id)
{
    return id == 32 || id == 255 || id == 1001 || id == 50004;
}

HICON SolidIcon(HINSTANCE, int id, int size)
{
    if (IsMissing(id))
        return nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateCompatibleBitmap(screen, size, size), mask = CreateBitmap(size, size, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colour);
    HBRUSH brush = CreateSolidBrush(ColourOf(id));
    const RECT all = {0, 0, size, size};
    FillRect(dc, &all, brush);
    SelectObject(dc, mask);
    PatBlt(dc, 0, 0, size, size, BLACKNESS);  // opaque everywhere
    SelectObject(dc, old);
    ICONINFO info = {TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(brush);
    DeleteDC(dc);
    DeleteObject(colour);
    DeleteObject(mask);
    ReleaseDC(nullptr, screen);
    return icon;
}

TEST(PictureList, AMissingIconKeepsEveryLaterPictureInPlace)
{
    for (int size : {32, 16}) {
        QmImageList2 list;
        ASSERT_TRUE(list.Create(size, size, ILC_COLOR32 | ILC_MASK, 100, 200));
        EXPECT_EQ(4, FillPictureList(list, size, nullptr, nullptr, SolidIcon));
        ASSERT_EQ(kPictureCount, list.Count());
        HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
        HBITMAP target = CreateCompatibleBitmap(screen, size, size);
        HGDIOBJ old = SelectObject(dc, target);
        for (int i = 0; i < kPictureCount; ++i) {
            const int id = i < kShellIconCount ? kShellIconIds[i] : kOwnIconIds[i - kShellIconCount];
            ImageList_Draw(list.Get(), i, dc, 0, 0, ILD_NORMAL);
            EXPECT_TRUE(IsMissing(id) || GetPixel(dc, size / 2, size / 2) == ColourOf(id)) << "picture " << i << " at size " << size;
        }
        SelectObject(dc, old);
        DeleteObject(target);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
}

}  // namespace
