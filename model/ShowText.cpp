#include "model/ShowText.h"

#include <cstring>
#include <new>

namespace {
const UINT kCodePageBig5 = 950;
const UINT kCodePageGbk = 936;

// Stored texts end at the record's end even when a record was filled to the last byte.
QmOwnedNarrow BoundedCopy(const char* text, size_t bytes)
{
    const size_t length = text ? strnlen(text, bytes) : 0;
    char* copy = new (std::nothrow) char[length + 1];
    if (copy) {
        if (length)
            memcpy(copy, text, length);
        copy[length] = 0;
    }
    return QmOwnedNarrow(copy);
}
}  // namespace

QmOwnedWide ShowText(int language, const char* text950, const char* text936)
{
    if (language == kLanguageTraditional)
        // The texts are Big5 whatever the system's ANSI code page is.
        return AnsiToWide(text950 ? text950 : "", kCodePageBig5);
    if (language == kLanguageSimplified) {
        // Through code page 936, so the result holds only what a GBK system can show.
        QmOwnedNarrow gbk = TraditionalToSimplified(text936 ? text936 : "");
        return gbk ? AnsiToWide(gbk.Get(), kCodePageGbk) : QmOwnedWide();
    }
    return QmOwnedWide();
}

QmOwnedWide ShowText(int language, const TextRecord& text950, const TextRecord& text936)
{
    QmOwnedNarrow first = BoundedCopy(text950.text, sizeof(text950.text));
    QmOwnedNarrow second = BoundedCopy(text936.text, sizeof(text936.text));
    return ShowText(language, first.Get(), second.Get());
}
