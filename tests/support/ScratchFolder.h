// Files and folders of a test, and what the test run's environment says about them.
#pragma once

#include <windows.h>

#include <string>

// A fresh, empty folder under the system's temporary folder, deleted with its contents when
// the object goes.
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
// Creates or replaces the file with exactly `bytes`.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
inline bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A Unix path CTest passes in the environment variable `name`, as a Windows program sees it
// (drive Z: is the root of the Unix file system); "" when the variable is not set.
std::wstring EnvironmentPath(const wchar_t* name);
// The locale of this run ("zh_TW", "zh_CN", "en_US"), from ZENTRAK_LANG.
std::wstring RunLocale();
