#include "app/PictureList.h"
#include "app/StartupChecks.h"
#include "tests/ui/UiFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(StartupChecks, TheFourCodePagesDecideTheGateAndTheWording)
{
    struct Case {
        CodePages pages;
        bool passes;
        int variant;
    };
    const Case cases[] = {
        {{950, 950, 950, 950}, true, 950},
        {{936, 936, 936, 936}, true, 936},
        {{936, 950, 950, 936}, true, -1},   // OEM 936 with ANSI 950: runs, but shows no texts
        {{950, 936, 936, 936}, true, 950},  // the system OEM code page comes first
        {{950, 950, 950, 1252}, false, 950},
        {{950, 950, 1252, 950}, false, 950},
        {{437, 1252, 437, 1252}, false, -1},
        {{-1, 950, 950, 950}, false, -1},   // a code page that was no number
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.passes, PassesLanguageGate(c.pages)) << c.pages.systemOem << "/" << c.pages.userAnsi;
        EXPECT_EQ(c.variant, LanguageVariantOf(c.pages)) << c.pages.systemOem << "/" << c.pages.systemAnsi;
    }
}

TEST(StartupChecks, OnlyXpVistaAndSevenRun)
{
    for (int code = 99; code <= 117; ++code)
        EXPECT_EQ(code == 108 || code == 113 || code == 116, PassesVersionGate(code)) << code;
    EXPECT_FALSE(PassesVersionGate(0));
}

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

TEST(PictureList, TheSystemsShell32FillsAll76Places)
{
    HINSTANCE shell = LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, shell);
    QmImageList2 list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 100, 200));
    const int standIns = FillPictureList(list, 16, shell, GetModuleHandleW(nullptr), LoadIconResource);
    FreeLibrary(shell);
    EXPECT_EQ(kPictureCount, list.Count());
    // Wine's shell32.dll lacks 9 of the icons, and this test program carries none of the
    // program's own 5.
    EXPECT_EQ(14, standIns);
}

}  // namespace
