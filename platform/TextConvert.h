// Conversions between code pages, to Simplified Chinese, and between numbers and text.
//
// Each conversion returns a fresh buffer owned by the returned QmOwnedText: null for a null
// input or when memory runs out, an empty text for an empty input. Characters that the target
// code page cannot represent become the code page's default character ('?'); bytes that are
// not valid in the source code page become the system's replacement character. Lone UTF-16
// surrogates are converted like any other unrepresentable character. Nothing is ever written
// beyond a buffer, whatever the length of the text.
#pragma once

#include <windows.h>

#include <cstdint>

template <class Char>
class QmOwnedText {
public:
    QmOwnedText() = default;
    explicit QmOwnedText(Char* text) : text_(text) {}
    QmOwnedText(QmOwnedText&& other) noexcept : text_(other.text_) { other.text_ = nullptr; }
    QmOwnedText& operator=(QmOwnedText&& other) noexcept
    {
        if (this != &other) {
            delete[] text_;
            text_ = other.text_;
            other.text_ = nullptr;
        }
        return *this;
    }
    QmOwnedText(const QmOwnedText&) = delete;
    QmOwnedText& operator=(const QmOwnedText&) = delete;
    ~QmOwnedText() { delete[] text_; }

    const Char* Get() const { return text_; }
    Char* Get() { return text_; }
    explicit operator bool() const { return text_ != nullptr; }

private:
    Char* text_ = nullptr;
};

using QmOwnedWide = QmOwnedText<wchar_t>;
using QmOwnedNarrow = QmOwnedText<char>;

// Code page 0 (CP_ACP) is the system ANSI code page.
QmOwnedWide AnsiToWide(const char* text, UINT codePage);
QmOwnedNarrow WideToAnsi(const wchar_t* text, UINT codePage);

// Traditional to Simplified Chinese, character by character. The system's own mapping
// (LCMapStringW, LCMAP_SIMPLIFIED_CHINESE) comes first; where it leaves the text unchanged
// (Wine does not implement it) the program's table, taken from OpenCC, maps it instead.
QmOwnedWide MapToSimplified(const wchar_t* text);
// Big5 (code page 950) in, code page 936 out.
QmOwnedNarrow TraditionalToSimplified(const char* big5Text);
// UTF-16 in, code page 936 out.
QmOwnedNarrow TraditionalToSimplified(const wchar_t* text);
// The table alone, in place; returns how many characters it changed.
int MapToSimplifiedByTable(wchar_t* text, int length);

// Numbers to text, each in a fresh buffer.
QmOwnedWide FormatInt(int value);                 // "%d"
QmOwnedWide FormatLong(long value);               // "%ld"
QmOwnedWide FormatUnsigned(uint32_t value);       // "%u"
QmOwnedWide FormatHex8(uint32_t value);           // "%08X"
QmOwnedWide FormatUnsigned64(uint64_t value);     // "%I64u"
QmOwnedNarrow FormatIntNarrow(int value);         // "%d"
QmOwnedNarrow FormatUnsignedNarrow(uint32_t value);     // "%u"
QmOwnedNarrow FormatUnsigned64Narrow(uint64_t value);   // "%I64u"
QmOwnedNarrow FormatHexPrefixedNarrow(uint32_t value);  // "0x%lx"

// Text to numbers, as the C runtime reads them (0 for a null text).
int TextToInt(const wchar_t* text);
long TextToLong(const wchar_t* text);
int64_t TextToInt64(const wchar_t* text);
unsigned long TextToUnsignedLong(const wchar_t* text, int base);
double TextToDouble(const wchar_t* text);
