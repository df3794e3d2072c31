// A font the object owns (CreateFontW / DeleteObject). Windows given the font only use it:
// it must outlive them.
#pragma once

#include <windows.h>

class QmFont {
public:
    QmFont() = default;
    virtual ~QmFont() { Destroy(); }
    QmFont(const QmFont&) = delete;
    QmFont& operator=(const QmFont&) = delete;

    // `height` in logical units as CreateFontW takes it (negative: character height);
    // `weight` FW_NORMAL, FW_BOLD...; `face` up to 31 characters. Replaces a font made before.
    virtual bool Create(int height, int weight, bool italic, bool underline, const wchar_t* face,
                        DWORD charset = DEFAULT_CHARSET);
    virtual void Destroy();
    HFONT Get() const { return font_; }

private:
    HFONT font_ = nullptr;
};
