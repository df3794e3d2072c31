#include "backup/ToolConsole.h"

#include "platform/TextConvert.h"

#include <algorithm>
#include <cstring>

namespace {

// Older consoles refuse very large writes; a page's output is written in pieces this long.
const DWORD kConsoleChunk = 4096;

bool WriteAllBytes(HANDLE handle, const char* data, DWORD size)
{
    while (size > 0) {
        DWORD written = 0;
        if (!WriteFile(handle, data, size, &written, nullptr) || written == 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

}  // namespace

void ConsoleOutput::Write(DWORD which, const std::wstring& text)
{
    const HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring line = text + L"\n";
        for (size_t at = 0; at < line.size();) {
            const DWORD count = static_cast<DWORD>(std::min<size_t>(kConsoleChunk, line.size() - at));
            DWORD written = 0;
            if (!WriteConsoleW(handle, line.data() + at, count, &written, nullptr) || written == 0)
                return;
            at += written;
        }
        return;
    }
    std::wstring line;
    for (wchar_t c : text) {
        if (c == L'\n')
            line += L'\r';
        line += c;
    }
    line += L"\r\n";
    QmOwnedNarrow bytes = WideToAnsi(line.c_str(), CP_ACP);
    if (bytes)
        WriteAllBytes(handle, bytes.Get(), static_cast<DWORD>(strlen(bytes.Get())));
}
