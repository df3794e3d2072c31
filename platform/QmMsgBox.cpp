#include "platform/QmMsgBox.h"

#include "platform/QmString.h"
#include "platform/TextConvert.h"

namespace {
const WORD kLanguageTraditional = 1028;
const WORD kLanguageSimplified = 2052;
const wchar_t kLastErrorTitle[] = L"Error : Last error code is";
}  // namespace

int QmMsgBox::Show(const wchar_t* text, const wchar_t* title, HWND owner, UINT flags)
{
    return lastResult_ = MessageBoxW(owner, text, title, flags);
}

int QmMsgBox::ShowNarrow(const char* text, const char* title, HWND owner, UINT flags)
{
    return lastResult_ = MessageBoxA(owner, text, title, flags);
}

int QmMsgBox::ShowInLanguage(const wchar_t* text, const wchar_t* title, HWND owner, UINT flags)
{
    return lastResult_ = MessageBoxExW(owner, text, title, flags, language_);
}

int QmMsgBox::ShowLastError(HWND owner)
{
    const DWORD error = GetLastError();
    const WORD saved = language_;
    language_ = kLanguageTraditional;
    ShowInLanguage(FormatUnsigned(error).Get(), kLastErrorTitle, owner, MB_OK | MB_ICONEXCLAMATION);
    language_ = saved;
    return lastResult_;
}

int QmMsgBox::ShowLastErrorWithText(const wchar_t* text, HWND owner)
{
    const DWORD error = GetLastError();
    QmWString message(text);
    message += QmWString(L" - ");
    message += QmWString(FormatUnsigned(error).Get());
    const WORD saved = language_;
    language_ = kLanguageSimplified;
    ShowInLanguage(message.CStr(), kLastErrorTitle, owner, MB_OK | MB_ICONEXCLAMATION);
    language_ = saved;
    return lastResult_;
}

int QmMsgBox::ShowErrorCode(DWORD code, HWND owner)
{
    return Show(FormatUnsigned(code).Get(), L"Last Error Code", owner, MB_OK);
}

int QmMsgBox::ShowValue(long value, HWND owner)
{
    return Show(FormatLong(value).Get(), L"val is", owner, MB_OK);
}
