// A fresh, empty folder under the system's temporary folder, deleted with its contents when
// the object goes.
#pragma once

#include <windows.h>

#include <string>

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Whole file contents as bytes ("" when it cannot be read).
std::string ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);
