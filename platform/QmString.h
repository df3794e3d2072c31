// Text classes with value semantics: QmWString (UTF-16) and QmString (8-bit, ANSI code page).
// Every copy owns its own buffer. Comparisons follow the user's locale and ignore case and
// character width, so "ABC" equals "abc" and full-width letters equal their ASCII forms.
// A null text passed to any operation is treated as empty.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

template <class Char>
class QmBasicString {
public:
    QmBasicString();
    QmBasicString(const Char* text);                // NOLINT: implicit, like a C string
    QmBasicString(const Char* text, int length);    // the first `length` characters
    QmBasicString(const QmBasicString& other);
    QmBasicString(QmBasicString&& other) noexcept;
    ~QmBasicString();

    QmBasicString& operator=(const QmBasicString& other);
    QmBasicString& operator=(QmBasicString&& other) noexcept;
    QmBasicString& operator+=(const QmBasicString& other);

    const Char* CStr() const { return buffer_ ? buffer_ : EmptyText(); }
    int Length() const;
    uint32_t Capacity() const { return capacity_; }   // bytes, terminator included
    bool IsEmpty() const { return Length() == 0; }
    Char At(int index) const;                         // 0 outside the text

    QmBasicString Substring(int start, int end) const;  // [start, end), both clamped
    QmBasicString Substring(int start) const;           // from start to the end
    int Find(Char ch) const;                            // -1 when absent
    int FindLast(Char ch) const;
    int Find(const Char* text, int from) const;

    // Locale comparison (user default locale, ignoring case and width).
    int Compare(const QmBasicString& other) const;     // <0, 0, >0
    bool operator==(const QmBasicString& other) const { return Compare(other) == 0; }
    bool operator!=(const QmBasicString& other) const { return Compare(other) != 0; }
    bool operator<(const QmBasicString& other) const { return Compare(other) < 0; }
    bool operator>(const QmBasicString& other) const { return Compare(other) > 0; }

private:
    static const Char* EmptyText();
    void Assign(const Char* text, int length);
    bool Reserve(uint32_t bytes);

    Char* buffer_ = nullptr;
    uint32_t capacity_ = 0;
    uint16_t reserved1_ = 0;  // kept for layout compatibility; nothing reads them
    uint16_t reserved2_ = 0;
};

template <class Char>
QmBasicString<Char> operator+(const QmBasicString<Char>& a, const QmBasicString<Char>& b)
{
    QmBasicString<Char> result(a);
    result += b;
    return result;
}

class QmWString : public QmBasicString<wchar_t> {
public:
    using QmBasicString<wchar_t>::QmBasicString;
    QmWString() = default;
    QmWString(const QmBasicString<wchar_t>& other) : QmBasicString<wchar_t>(other) {}
    QmWString(QmBasicString<wchar_t>&& other) noexcept : QmBasicString<wchar_t>(std::move(other)) {}
    explicit QmWString(const char* ansiText);  // converted with the ANSI code page
};

class QmString : public QmBasicString<char> {
public:
    using QmBasicString<char>::QmBasicString;
    QmString() = default;
    QmString(const QmBasicString<char>& other) : QmBasicString<char>(other) {}
    QmString(QmBasicString<char>&& other) noexcept : QmBasicString<char>(std::move(other)) {}
    explicit QmString(const wchar_t* wideText);  // converted with the ANSI code page
};

// Locale-aware text equality used wherever the program compares user-visible or registry
// texts: user default locale, NORM_IGNORECASE | NORM_IGNOREWIDTH.
bool TextEquals(const wchar_t* a, const wchar_t* b);
