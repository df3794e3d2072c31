// The companion program's output: to the console as UTF-16 (WriteConsoleW) when the handle is
// one, else (redirected to a file or a pipe) as text in the system ANSI code page with CR LF
// line ends, which is what other programs reading it expect on Windows.
#pragma once

#include "backup/BackupTool.h"

class ConsoleOutput : public ToolOutput {
public:
    void Line(const std::wstring& text) override { Write(STD_OUTPUT_HANDLE, text); }
    void ErrorLine(const std::wstring& text) override { Write(STD_ERROR_HANDLE, text); }

private:
    static void Write(DWORD which, const std::wstring& text);
};
