#include "platform/TextConvert.h"

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <new>

namespace {

// Chinese (PRC): the locale whose mapping turns traditional into simplified characters.
const LCID kLocaleChinesePrc = MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
const UINT kCodePageSimplified = 936;
const UINT kCodePageBig5 = 950;

struct SimplifiedPair {
    char16_t traditional;
    char16_t simplified;
};

// Sorted by the traditional character.
const SimplifiedPair kSimplifiedTable[] = {
#include "SimplifiedTable.inc"
};

template <class Char>
Char* NewText(size_t length)
{
    Char* text = new (std::nothrow) Char[length + 1];
    if (text)
        text[length] = 0;
    return text;
}

template <class Char>
QmOwnedText<Char> EmptyText()
{
    return QmOwnedText<Char>(NewText<Char>(0));
}

}  // namespace

QmOwnedWide AnsiToWide(const char* text, UINT codePage)
{
    if (!text)
        return QmOwnedWide();
    const size_t bytes = strlen(text);
    if (bytes == 0 || bytes > INT_MAX / 2)
        return bytes == 0 ? EmptyText<wchar_t>() : QmOwnedWide();
    const int length = MultiByteToWideChar(codePage, 0, text, static_cast<int>(bytes), nullptr, 0);
    if (length <= 0)
        return QmOwnedWide();
    QmOwnedWide result(NewText<wchar_t>(length));
    if (result && MultiByteToWideChar(codePage, 0, text, static_cast<int>(bytes), result.Get(), length) != length)
        return QmOwnedWide();
    return result;
}

QmOwnedNarrow WideToAnsi(const wchar_t* text, UINT codePage)
{
    if (!text)
        return QmOwnedNarrow();
    const size_t units = wcslen(text);
    if (units == 0 || units > INT_MAX / 4)
        return units == 0 ? EmptyText<char>() : QmOwnedNarrow();
    const int bytes = WideCharToMultiByte(codePage, 0, text, static_cast<int>(units), nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return QmOwnedNarrow();
    QmOwnedNarrow result(NewText<char>(bytes));
    if (result &&
        WideCharToMultiByte(codePage, 0, text, static_cast<int>(units), result.Get(), bytes, nullptr, nullptr) != bytes)
        return QmOwnedNarrow();
    return result;
}

int MapToSimplifiedByTable(wchar_t* text, int length)
{
    int changed = 0;
    for (int i = 0; i < length; ++i) {
        const char16_t unit = static_cast<char16_t>(text[i]);
        const SimplifiedPair* end = kSimplifiedTable + sizeof(kSimplifiedTable) / sizeof(kSimplifiedTable[0]);
        const SimplifiedPair* found = std::lower_bound(kSimplifiedTable, end, unit,
            [](const SimplifiedPair& pair, char16_t key) { return pair.traditional < key; });
        if (found != end && found->traditional == unit) {
            text[i] = static_cast<wchar_t>(found->simplified);
            ++changed;
        }
    }
    return changed;
}

QmOwnedWide MapToSimplified(const wchar_t* text)
{
    if (!text)
        return QmOwnedWide();
    const size_t units = wcslen(text);
    if (units > INT_MAX / 2)
        return QmOwnedWide();
    QmOwnedWide result(NewText<wchar_t>(units));
    if (!result || units == 0)
        return result;
    const int length = static_cast<int>(units);
    const int mapped = LCMapStringW(kLocaleChinesePrc, LCMAP_SIMPLIFIED_CHINESE, text, length, result.Get(), length);
    // The mapping is one unit for one unit; a system without it copies the text unchanged
    // (Wine) or fails, and then the program's own table stands in.
    if (mapped != length || wmemcmp(result.Get(), text, units) == 0) {
        wmemcpy(result.Get(), text, units);
        MapToSimplifiedByTable(result.Get(), length);
    }
    return result;
}

QmOwnedNarrow TraditionalToSimplified(const wchar_t* text)
{
    QmOwnedWide simplified = MapToSimplified(text);
    return simplified ? WideToAnsi(simplified.Get(), kCodePageSimplified) : QmOwnedNarrow();
}

QmOwnedNarrow TraditionalToSimplified(const char* big5Text)
{
    QmOwnedWide wide = AnsiToWide(big5Text, kCodePageBig5);
    return wide ? TraditionalToSimplified(wide.Get()) : QmOwnedNarrow();
}

namespace {

// Large enough for any of the formats below ("%I64u" needs 20 digits).
const int kNumberTextSize = 32;

QmOwnedWide FormatWide(const wchar_t* format, ...)
{
    QmOwnedWide result(NewText<wchar_t>(kNumberTextSize - 1));
    if (!result)
        return result;
    va_list args;
    va_start(args, format);
    _vsnwprintf(result.Get(), kNumberTextSize - 1, format, args);
    va_end(args);
    return result;
}

QmOwnedNarrow FormatNarrow(const char* format, ...)
{
    QmOwnedNarrow result(NewText<char>(kNumberTextSize - 1));
    if (!result)
        return result;
    va_list args;
    va_start(args, format);
    _vsnprintf(result.Get(), kNumberTextSize - 1, format, args);
    va_end(args);
    return result;
}

}  // namespace

QmOwnedWide FormatInt(int value) { return FormatWide(L"%d", value); }
QmOwnedWide FormatLong(long value) { return FormatWide(L"%ld", value); }
QmOwnedWide FormatUnsigned(uint32_t value) { return FormatWide(L"%u", static_cast<unsigned>(value)); }
QmOwnedWide FormatHex8(uint32_t value) { return FormatWide(L"%08X", static_cast<unsigned>(value)); }
QmOwnedWide FormatUnsigned64(uint64_t value) { return FormatWide(L"%I64u", static_cast<unsigned long long>(value)); }
QmOwnedNarrow FormatIntNarrow(int value) { return FormatNarrow("%d", value); }
QmOwnedNarrow FormatUnsignedNarrow(uint32_t value) { return FormatNarrow("%u", static_cast<unsigned>(value)); }
QmOwnedNarrow FormatUnsigned64Narrow(uint64_t value) { return FormatNarrow("%I64u", static_cast<unsigned long long>(value)); }
QmOwnedNarrow FormatHexPrefixedNarrow(uint32_t value) { return FormatNarrow("0x%lx", static_cast<unsigned long>(value)); }

int TextToInt(const wchar_t* text) { return text ? _wtoi(text) : 0; }
long TextToLong(const wchar_t* text) { return text ? _wtol(text) : 0; }
int64_t TextToInt64(const wchar_t* text) { return text ? _wtoi64(text) : 0; }
unsigned long TextToUnsignedLong(const wchar_t* text, int base) { return text ? wcstoul(text, nullptr, base) : 0; }
double TextToDouble(const wchar_t* text) { return text ? wcstod(text, nullptr) : 0.0; }
