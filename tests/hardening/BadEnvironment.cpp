#include "tests/hardening/BadEnvironment.h"

#include <windows.h>

std::wstring FolderThatTakesNoFiles()
{
    for (const wchar_t* folder : {L"Z:\\sys", L"Z:\\proc"}) {
        const std::wstring probe = std::wstring(folder) + L"\\zentrak-probe";
        HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            DeleteFileW(probe.c_str());
        } else if (!CreateDirectoryW(probe.c_str(), nullptr)) {
            return folder;
        } else {
            RemoveDirectoryW(probe.c_str());
        }
    }
    return std::wstring();
}
