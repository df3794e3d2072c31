// Appends diagnostic lines to a plain 8-bit text file. Every call names its file and opens,
// appends and closes it; nothing is kept between calls. Each "\n" is stored as CR LF (text
// mode). The stamped forms begin the line with "[YYYY/MM/DD hh:mm:ss]" in local time; no line
// end is added. A null path or a file that cannot be opened makes the call do nothing.
// Messages are cut at 1023 characters after formatting, never overrun.
#pragma once

#include <windows.h>

#include <cstdarg>

class QmLog {
public:
    virtual ~QmLog() = default;

    virtual void WriteLineNarrow(const char* path, const char* format, ...);
    virtual void WriteLineWide(const wchar_t* path, const wchar_t* format, ...);
    virtual void WriteLine(const wchar_t* path, const wchar_t* format, ...);
    virtual void WriteNarrow(const char* path, const char* format, ...);
    virtual void WriteWide(const wchar_t* path, const wchar_t* format, ...);
    virtual void Write(const wchar_t* path, const wchar_t* format, ...);

    // Size of the formatting buffers, in characters, terminator included.
    static const int kMessageSize = 1024;
};

// "[2009/02/26 14:05:09]": the year as is, the other fields with two digits.
void FormatLogStamp(const SYSTEMTIME& time, char (&stamp)[32]);
