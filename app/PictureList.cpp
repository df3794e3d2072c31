#include "app/PictureList.h"

// shell32.dll icon identifiers, in picture order (pictures 0 to 70).
const int kShellIconIds[kShellIconCount] = {
    3,   4,   5,   6,   7,   9,   12,  13,  16,  18,  20,  21,  23,  24,  25,  28,  29,  32,
    33,  36,  38,  39,  40,  41,  44,  45,  46,  47,  133, 134, 137, 138, 151, 154, 167, 173,
    174, 175, 180, 181, 194, 200, 210, 220, 222, 224, 225, 226, 227, 229, 235, 236, 237, 238,
    246, 255, 269, 271, 273, 274, 277, 282, 283, 296, 297, 298, 316, 318, 311, 323, 1001,
};
// The program's own icon groups (pictures 71 to 75).
const int kOwnIconIds[kOwnIconCount] = {50000, 50003, 50004, 50005, 50006};

HICON LoadIconResource(HINSTANCE module, int id, int size)
{
    if (!module)
        return nullptr;
    return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

namespace {

// An empty picture of the list's size, for when not even the system's own icon is there.
int AddBlankPicture(QmImageList2& list, int size)
{
    const int maskBytes = ((size + 15) / 16) * 2 * size;
    BYTE* andMask = new BYTE[maskBytes];
    BYTE* xorMask = new BYTE[maskBytes];
    for (int i = 0; i < maskBytes; ++i)
        andMask[i] = 0xFF, xorMask[i] = 0;
    HICON blank = CreateIcon(nullptr, size, size, 1, 1, andMask, xorMask);
    delete[] andMask;
    delete[] xorMask;
    const int index = blank ? list.AddIcon(blank) : -1;
    if (blank)
        DestroyIcon(blank);
    return index;
}

int AddPicture(QmImageList2& list, HICON icon)
{
    const int index = list.AddIcon(icon);
    DestroyIcon(icon);  // the list keeps its own copy
    return index;
}

}  // namespace

int FillPictureList(QmImageList2& list, int size, HINSTANCE shell, HINSTANCE program, IconLoader load)
{
    int standIns = 0;
    for (int i = 0; i < kPictureCount; ++i) {
        const bool own = i >= kShellIconCount;
        HICON icon = own ? load(program, kOwnIconIds[i - kShellIconCount], size) : load(shell, kShellIconIds[i], size);
        int index = icon ? AddPicture(list, icon) : -1;
        if (index < 0) {
            ++standIns;
            HICON standIn = static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, size, size,
                                                          LR_SHARED));
            index = standIn ? list.AddIcon(standIn) : -1;
            if (index < 0)
                index = AddBlankPicture(list, size);
        }
        if (index != i)
            return -1;
    }
    return standIns;
}
