#include "platform/QmString.h"

#include "platform/TextConvert.h"

#include <cstring>
#include <cwchar>
#include <new>

namespace {

// Flags of every text comparison of the program.
const DWORD kCompareFlags = NORM_IGNORECASE | NORM_IGNOREWIDTH;

int Compare(const wchar_t* a, const wchar_t* b)
{
    return CompareStringW(LOCALE_USER_DEFAULT, kCompareFlags, a, -1, b, -1);
}

int Compare(const char* a, const char* b)
{
    return CompareStringA(LOCALE_USER_DEFAULT, kCompareFlags, a, -1, b, -1);
}

int TextLength(const wchar_t* text) { return text ? static_cast<int>(wcslen(text)) : 0; }
int TextLength(const char* text) { return text ? static_cast<int>(strlen(text)) : 0; }

}  // namespace

bool TextEquals(const wchar_t* a, const wchar_t* b)
{
    return Compare(a ? a : L"", b ? b : L"") == CSTR_EQUAL;
}

template <class Char>
const Char* QmBasicString<Char>::EmptyText()
{
    static const Char empty[1] = {0};
    return empty;
}

template <class Char>
QmBasicString<Char>::QmBasicString() = default;

template <class Char>
QmBasicString<Char>::QmBasicString(const Char* text)
{
    Assign(text, TextLength(text));
}

template <class Char>
QmBasicString<Char>::QmBasicString(const Char* text, int length)
{
    const int available = TextLength(text);
    Assign(text, length < 0 ? 0 : (length < available ? length : available));
}

template <class Char>
QmBasicString<Char>::QmBasicString(const QmBasicString& other)
{
    Assign(other.CStr(), other.Length());
}

template <class Char>
QmBasicString<Char>::QmBasicString(QmBasicString&& other) noexcept
    : buffer_(other.buffer_), capacity_(other.capacity_)
{
    other.buffer_ = nullptr;
    other.capacity_ = 0;
}

template <class Char>
QmBasicString<Char>::~QmBasicString()
{
    delete[] buffer_;
}

template <class Char>
QmBasicString<Char>& QmBasicString<Char>::operator=(const QmBasicString& other)
{
    if (this != &other) {
        QmBasicString copy(other);
        *this = std::move(copy);
    }
    return *this;
}

template <class Char>
QmBasicString<Char>& QmBasicString<Char>::operator=(QmBasicString&& other) noexcept
{
    if (this != &other) {
        delete[] buffer_;
        buffer_ = other.buffer_;
        capacity_ = other.capacity_;
        other.buffer_ = nullptr;
        other.capacity_ = 0;
    }
    return *this;
}

template <class Char>
void QmBasicString<Char>::Assign(const Char* text, int length)
{
    delete[] buffer_;
    buffer_ = nullptr;
    capacity_ = 0;
    if (!Reserve(static_cast<uint32_t>(length + 1) * sizeof(Char)))
        return;
    if (length > 0)
        memcpy(buffer_, text, length * sizeof(Char));
    buffer_[length] = 0;
}

// Grows the buffer, doubling, until `bytes` fit; keeps the text. False when memory runs out.
template <class Char>
bool QmBasicString<Char>::Reserve(uint32_t bytes)
{
    if (bytes <= capacity_)
        return true;
    uint32_t capacity = capacity_ ? capacity_ : static_cast<uint32_t>(sizeof(Char));
    while (capacity < bytes)
        capacity *= 2;
    Char* grown = new (std::nothrow) Char[capacity / sizeof(Char)];
    if (!grown)
        return false;
    const int length = Length();
    if (buffer_)
        memcpy(grown, buffer_, (length + 1) * sizeof(Char));
    else
        grown[0] = 0;
    delete[] buffer_;
    buffer_ = grown;
    capacity_ = capacity;
    return true;
}

template <class Char>
QmBasicString<Char>& QmBasicString<Char>::operator+=(const QmBasicString& other)
{
    // Copy first: `other` may be this very text.
    const QmBasicString tail(other);
    const int length = Length();
    const int added = tail.Length();
    if (!Reserve(static_cast<uint32_t>(length + added + 1) * sizeof(Char)))
        return *this;
    if (added > 0)
        memcpy(buffer_ + length, tail.CStr(), added * sizeof(Char));
    buffer_[length + added] = 0;
    return *this;
}

template <class Char>
int QmBasicString<Char>::Length() const
{
    return TextLength(buffer_);
}

template <class Char>
Char QmBasicString<Char>::At(int index) const
{
    return index >= 0 && index < Length() ? CStr()[index] : Char(0);
}

template <class Char>
QmBasicString<Char> QmBasicString<Char>::Substring(int start, int end) const
{
    const int length = Length();
    start = start < 0 ? 0 : (start > length ? length : start);
    end = end < start ? start : (end > length ? length : end);
    return QmBasicString(CStr() + start, end - start);
}

template <class Char>
QmBasicString<Char> QmBasicString<Char>::Substring(int start) const
{
    return Substring(start, Length());
}

template <class Char>
int QmBasicString<Char>::Find(Char ch) const
{
    const int length = Length();
    for (int i = 0; i < length; ++i)
        if (CStr()[i] == ch)
            return i;
    return -1;
}

template <class Char>
int QmBasicString<Char>::FindLast(Char ch) const
{
    for (int i = Length() - 1; i >= 0; --i)
        if (CStr()[i] == ch)
            return i;
    return -1;
}

template <class Char>
int QmBasicString<Char>::Find(const Char* text, int from) const
{
    const int length = Length();
    const int wanted = TextLength(text);
    if (from < 0)
        from = 0;
    for (int i = from; i + wanted <= length; ++i)
        if (memcmp(CStr() + i, text ? text : EmptyText(), wanted * sizeof(Char)) == 0)
            return i;
    return -1;
}

template <class Char>
int QmBasicString<Char>::Compare(const QmBasicString& other) const
{
    // CompareString answers 1, 2 or 3 for less, equal and greater (0 on failure).
    return ::Compare(CStr(), other.CStr()) - CSTR_EQUAL;
}

template class QmBasicString<wchar_t>;
template class QmBasicString<char>;

QmWString::QmWString(const char* ansiText)
    : QmBasicString<wchar_t>(AnsiToWide(ansiText, CP_ACP).Get())
{
}

QmString::QmString(const wchar_t* wideText)
    : QmBasicString<char>(WideToAnsi(wideText, CP_ACP).Get())
{
}
