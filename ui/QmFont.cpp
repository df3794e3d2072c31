#include "ui/QmFont.h"

bool QmFont::Create(int height, int weight, bool italic, bool underline, const wchar_t* face, DWORD charset)
{
    Destroy();
    font_ = CreateFontW(height, 0, 0, 0, weight, italic ? TRUE : FALSE, underline ? TRUE : FALSE, FALSE, charset,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
    return font_ != nullptr;
}

void QmFont::Destroy()
{
    if (font_)
        DeleteObject(font_);
    font_ = nullptr;
}
