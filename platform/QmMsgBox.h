// Message boxes in families by buttons and icon. The text is also the title unless one is
// given. The language-aware forms use MessageBoxExW with the stored language identifier.
#pragma once

#include <windows.h>

class QmMsgBox {
public:
    explicit QmMsgBox(WORD language = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL))
        : language_(language) {}
    virtual ~QmMsgBox() = default;

    int LastResult() const { return lastResult_; }
    WORD Language() const { return language_; }
    void SetLanguage(WORD language) { language_ = language; }

    virtual int Show(const wchar_t* text, const wchar_t* title, HWND owner, UINT flags);
    virtual int ShowNarrow(const char* text, const char* title, HWND owner, UINT flags);
    virtual int ShowInLanguage(const wchar_t* text, const wchar_t* title, HWND owner, UINT flags);

    int Ok(const wchar_t* text, HWND owner) { return Show(text, text, owner, MB_OK); }
    int Ok(const wchar_t* text, const wchar_t* title, HWND owner) { return Show(text, title, owner, MB_OK); }
    int Information(const wchar_t* text, const wchar_t* title, HWND owner) { return Show(text, title, owner, MB_OK | MB_ICONINFORMATION); }
    int Warning(const wchar_t* text, const wchar_t* title, HWND owner) { return Show(text, title, owner, MB_OK | MB_ICONEXCLAMATION); }
    int Error(const wchar_t* text, const wchar_t* title, HWND owner) { return Show(text, title, owner, MB_OK | MB_ICONERROR); }
    int OkCancel(const wchar_t* text, const wchar_t* title, HWND owner) { return Show(text, title, owner, MB_OKCANCEL | MB_ICONINFORMATION); }
    int YesNo(const wchar_t* text, const wchar_t* title, HWND owner) { return Show(text, title, owner, MB_YESNO | MB_ICONQUESTION); }
    int YesNoCancel(const wchar_t* text, const wchar_t* title, HWND owner) { return Show(text, title, owner, MB_YESNOCANCEL | MB_ICONQUESTION); }

    // Diagnostics. The last Win32 error in decimal, titled "Error : Last error code is",
    // in Traditional Chinese (1028).
    int ShowLastError(HWND owner);
    // `text`, " - " and the last Win32 error, in Simplified Chinese (2052).
    int ShowLastErrorWithText(const wchar_t* text, HWND owner);
    // A number under the titles "Last Error Code" and "val is".
    int ShowErrorCode(DWORD code, HWND owner);
    int ShowValue(long value, HWND owner);

private:
    int lastResult_ = 0;
    WORD language_;
};
