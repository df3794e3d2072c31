#include "platform/QmLocale.h"

QmLocale::QmLocale() : buffer_() {}

const wchar_t* QmLocale::QueryInfo(LCID locale, LCTYPE type)
{
    buffer_[0] = 0;
    const int written = GetLocaleInfoW(locale, type, buffer_, sizeof(buffer_) / sizeof(buffer_[0]));
    buffer_[sizeof(buffer_) / sizeof(buffer_[0]) - 1] = 0;
    return written > 0 ? buffer_ : nullptr;
}

int QmLocale::QueryCodePage(LCID locale, LCTYPE type)
{
    return ParseCodePage(QueryInfo(locale, type));
}

int QmLocale::CachedCodePage(int& slot, bool system, LCTYPE type)
{
    if (slot == -1)
        slot = QueryCodePage(system ? SystemLcid() : UserLcid(), type);
    return slot;
}

int QmLocale::SystemOemCodePage() { return CachedCodePage(systemOemCodePage_, true, LOCALE_IDEFAULTCODEPAGE); }
int QmLocale::SystemAnsiCodePage() { return CachedCodePage(systemAnsiCodePage_, true, LOCALE_IDEFAULTANSICODEPAGE); }
int QmLocale::UserOemCodePage() { return CachedCodePage(userOemCodePage_, false, LOCALE_IDEFAULTCODEPAGE); }
int QmLocale::UserAnsiCodePage() { return CachedCodePage(userAnsiCodePage_, false, LOCALE_IDEFAULTANSICODEPAGE); }

int ParseCodePage(const wchar_t* text)
{
    if (!text || !text[0])
        return -1;
    int value = 0;
    for (int i = 0; text[i]; ++i) {
        if (i >= 5 || text[i] < L'0' || text[i] > L'9')
            return -1;
        value = value * 10 + (text[i] - L'0');
    }
    return value;
}
