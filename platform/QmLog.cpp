#include "platform/QmLog.h"

#include "platform/QmTime.h"
#include "platform/TextConvert.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The owner of one open log file; closes it on every path.
class AppendFile {
public:
    explicit AppendFile(const wchar_t* path)
        : handle_(CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~AppendFile()
    {
        if (IsOpen())
            CloseHandle(handle_);
    }
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Write(const std::string& bytes)
    {
        DWORD written = 0;
        if (!bytes.empty())
            WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }

private:
    HANDLE handle_;
};

// Text mode: every LF goes to the file as CR LF.
void AppendAsText(std::string& out, const char* text)
{
    for (const char* p = text; *p; ++p) {
        if (*p == '\n')
            out += '\r';
        out += *p;
    }
}

void AppendEntry(const wchar_t* path, const char* message, bool stamped)
{
    AppendFile file(path);
    if (!file.IsOpen())
        return;
    std::string line;
    if (stamped) {
        QmTime now;
        now.FromLocalTime();
        char stamp[32];
        FormatLogStamp(now.Get(), stamp);
        line = stamp;
    }
    AppendAsText(line, message);
    file.Write(line);
}

void AppendWide(const wchar_t* path, bool stamped, const wchar_t* format, va_list args)
{
    if (!path || !format)
        return;
    wchar_t message[QmLog::kMessageSize];
    // wvsprintfW stops at 1024 characters, terminator included.
    wvsprintfW(message, format, args);
    message[QmLog::kMessageSize - 1] = 0;
    QmOwnedNarrow narrow = WideToAnsi(message, CP_ACP);
    if (narrow)
        AppendEntry(path, narrow.Get(), stamped);
}

void AppendNarrow(const char* path, bool stamped, const char* format, va_list args)
{
    if (!path || !format)
        return;
    char message[QmLog::kMessageSize];
    _vsnprintf(message, QmLog::kMessageSize - 1, format, args);
    message[QmLog::kMessageSize - 1] = 0;
    QmOwnedWide widePath = AnsiToWide(path, CP_ACP);
    if (widePath)
        AppendEntry(widePath.Get(), message, stamped);
}

}  // namespace

void FormatLogStamp(const SYSTEMTIME& time, char (&stamp)[32])
{
    _snprintf(stamp, sizeof(stamp) - 1, "[%d/%02d/%02d %02d:%02d:%02d]", time.wYear, time.wMonth, time.wDay,
              time.wHour, time.wMinute, time.wSecond);
    stamp[sizeof(stamp) - 1] = 0;
}

#define QM_LOG_FORWARD(function, path, stamped, format) \
    va_list args;                                       \
    va_start(args, format);                             \
    function(path, stamped, format, args);              \
    va_end(args)

void QmLog::WriteLineNarrow(const char* path, const char* format, ...) { QM_LOG_FORWARD(AppendNarrow, path, true, format); }
void QmLog::WriteLineWide(const wchar_t* path, const wchar_t* format, ...) { QM_LOG_FORWARD(AppendWide, path, true, format); }
void QmLog::WriteLine(const wchar_t* path, const wchar_t* format, ...) { QM_LOG_FORWARD(AppendWide, path, true, format); }
void QmLog::WriteNarrow(const char* path, const char* format, ...) { QM_LOG_FORWARD(AppendNarrow, path, false, format); }
void QmLog::WriteWide(const wchar_t* path, const wchar_t* format, ...) { QM_LOG_FORWARD(AppendWide, path, false, format); }
void QmLog::Write(const wchar_t* path, const wchar_t* format, ...) { QM_LOG_FORWARD(AppendWide, path, false, format); }
