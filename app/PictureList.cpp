#include "app/PictureList.h"

#include <memory>

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

// Owners of the GDI objects used while the pictures are drawn.
struct IconOwner {
    HICON icon = nullptr;
    bool shared = false;
    ~IconOwner()
    {
        if (icon && !shared)
            DestroyIcon(icon);
    }
};

class MemoryDc {
public:
    MemoryDc() : dc_(CreateCompatibleDC(nullptr)) {}
    ~MemoryDc()
    {
        if (dc_)
            DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

class Bitmap {
public:
    explicit Bitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
    ~Bitmap()
    {
        if (bitmap_)
            DeleteObject(bitmap_);
    }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    HBITMAP Get() const { return bitmap_; }

private:
    HBITMAP bitmap_;
};

// Draws one part (DI_IMAGE or DI_MASK) of every icon side by side into `strip`.
void DrawStrip(HDC dc, HBITMAP strip, const IconOwner* icons, int count, int size, UINT part)
{
    HGDIOBJ previous = SelectObject(dc, strip);
    for (int i = 0; i < count; ++i)
        if (icons[i].icon)
            DrawIconEx(dc, i * size, 0, icons[i].icon, size, size, 0, nullptr, part);
    SelectObject(dc, previous);
}

}  // namespace

int FillPictureList(QmImageList2& list, int size, HINSTANCE shell, HINSTANCE program, IconLoader load)
{
    std::unique_ptr<IconOwner[]> icons(new IconOwner[kPictureCount]);
    int standIns = 0;
    for (int i = 0; i < kPictureCount; ++i) {
        const bool own = i >= kShellIconCount;
        icons[i].icon = own ? load(program, kOwnIconIds[i - kShellIconCount], size) : load(shell, kShellIconIds[i], size);
        if (!icons[i].icon) {
            // A system without this icon still keeps every later picture at its index.
            ++standIns;
            icons[i].icon = static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, size, size, LR_SHARED));
            icons[i].shared = true;
        }
    }
    // One strip for all pictures: adding them one icon at a time costs far more.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size * kPictureCount;
    info.bmiHeader.biHeight = size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    MemoryDc dc;
    void* bits = nullptr;
    Bitmap image(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    Bitmap mask(CreateBitmap(size * kPictureCount, size, 1, 1, nullptr));
    if (!dc.Get() || !image.Get() || !mask.Get())
        return -1;
    // A missing picture shows as blank: transparent in the mask, nothing in the image.
    HGDIOBJ previous = SelectObject(dc.Get(), mask.Get());
    PatBlt(dc.Get(), 0, 0, size * kPictureCount, size, WHITENESS);
    SelectObject(dc.Get(), previous);
    DrawStrip(dc.Get(), image.Get(), icons.get(), kPictureCount, size, DI_IMAGE);
    DrawStrip(dc.Get(), mask.Get(), icons.get(), kPictureCount, size, DI_MASK);
    const int first = list.Count();
    if (list.Add(image.Get(), mask.Get()) != first || list.Count() != first + kPictureCount)
        return -1;
    return standIns;
}
