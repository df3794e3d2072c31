// The system's and the user's locale: identifiers, GetLocaleInfoW texts and the four default
// code pages that decide whether the program may run and which wording it shows.
#pragma once

#include <windows.h>

class QmLocale {
public:
    QmLocale();
    virtual ~QmLocale() = default;

    virtual LCID SystemLcid() const { return GetSystemDefaultLCID(); }
    virtual LCID UserLcid() const { return GetUserDefaultLCID(); }
    virtual LANGID SystemLanguage() const { return GetSystemDefaultLangID(); }
    virtual LANGID UserLanguage() const { return GetUserDefaultLangID(); }

    // GetLocaleInfoW into the object's buffer; null on failure. The text stays valid until
    // the next query.
    virtual const wchar_t* QueryInfo(LCID locale, LCTYPE type);
    // A locale field read as a decimal code page; -1 when it cannot be read or is no number.
    virtual int QueryCodePage(LCID locale, LCTYPE type);

    // Each queried on first use and then kept.
    int SystemOemCodePage();
    int SystemAnsiCodePage();
    int UserOemCodePage();
    int UserAnsiCodePage();

    QmLocale(const QmLocale&) = delete;
    QmLocale& operator=(const QmLocale&) = delete;

private:
    int CachedCodePage(int& slot, bool system, LCTYPE type);

    wchar_t buffer_[256];
    int systemOemCodePage_ = -1;
    int systemAnsiCodePage_ = -1;
    int userOemCodePage_ = -1;
    int userAnsiCodePage_ = -1;
};

// A code page as GetLocaleInfoW gives it: decimal digits only, at most 5 of them; anything
// else (empty, signs, spaces, letters, overflow) is -1.
int ParseCodePage(const wchar_t* text);
