#include "app/PictureList.h"

#include <gtest/gtest.h>

namespace {

// Icons of one plain colour per identifier, so each picture tells where it came from.
COLORREF ColourOf(int id)
{
    return RGB(id % 251, (id * 7) % 253, 255 - id % 255);
}

// A few identifiers are missing, as on a system whose shell32.dll lacks them.
bool IsMissing(int id)
{
    return id == 32 || id == 255 || id == 1001 || id == 50004;
}

HICON SolidIcon(HINSTANCE, int id, int size)
{
    if (IsMissing(id))
        return nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateCompatibleBitmap(screen, size, size);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colour);
    HBRUSH brush = CreateSolidBrush(ColourOf(id));
    RECT all = {0, 0, size, size};
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

COLORREF CentreOf(const QmImageList2& list, int index, int size)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(dc, target);
    ImageList_Draw(list.Get(), index, dc, 0, 0, ILD_NORMAL);
    const COLORREF centre = GetPixel(dc, size / 2, size / 2);
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return centre;
}

TEST(PictureList, AMissingIconKeepsEveryLaterPictureInPlace)
{
    for (int size : {32, 16}) {
        QmImageList2 list;
        ASSERT_TRUE(list.Create(size, size, ILC_COLOR32 | ILC_MASK, 100, 200));
        EXPECT_EQ(4, FillPictureList(list, size, nullptr, nullptr, SolidIcon));
        ASSERT_EQ(kPictureCount, list.Count());
        for (int i = 0; i < kPictureCount; ++i) {
            const int id = i < kShellIconCount ? kShellIconIds[i] : kOwnIconIds[i - kShellIconCount];
            if (IsMissing(id))
                continue;  // a stand-in
            EXPECT_EQ(ColourOf(id), CentreOf(list, i, size)) << "picture " << i << " at size " << size;
        }
    }
}

// The real shell32.dll: every icon it has is used, a stand-in only where it has none (and for
// the program's own five, which this test program lacks).
TEST(PictureList, TheSystemsShell32FillsAll76Places)
{
    HINSTANCE shell = LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, shell);
    int lacking = kOwnIconCount;
    for (int id : kShellIconIds) {
        HANDLE icon = LoadImageW(shell, MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0);
        lacking += !icon;
        DestroyIcon(static_cast<HICON>(icon));
    }
    QmImageList2 list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 100, 200));
    EXPECT_EQ(lacking, FillPictureList(list, 16, shell, GetModuleHandleW(nullptr), LoadIconResource));
    EXPECT_EQ(kPictureCount, list.Count());
    EXPECT_LT(lacking, kPictureCount / 2) << "the system's icons did not load";
    FreeLibrary(shell);
}

}  // namespace
