#include "backup/FileReplace.h"

#include "platform/QmFile.h"

#include <windows.h>

#include <vector>

namespace {

// The full path of `path`; empty when there is none.
std::wstring FullPath(const std::wstring& path)
{
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return std::wstring();
    std::vector<wchar_t> full(size + 1);
    const DWORD length = GetFullPathNameW(path.c_str(), size + 1, full.data(), nullptr);
    return length > 0 && length <= size ? std::wstring(full.data(), length) : std::wstring();
}

// A temporary file that is deleted when it goes, unless it was moved into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& folder)
    {
        wchar_t name[MAX_PATH] = {};
        if (GetTempFileNameW(folder.c_str(), L"zt", 0, name))
            path_ = name;
    }
    ~TemporaryFile()
    {
        if (!path_.empty())
            DeleteFileW(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::wstring& Path() const { return path_; }
    bool MoveTo(const std::wstring& target)
    {
        if (path_.empty() ||
            !MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return false;
        path_.clear();
        return true;
    }

private:
    std::wstring path_;
};

bool WriteAll(const std::wstring& path, std::wstring_view text)
{
    QmFileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return false;
    const std::string bytes = std::string("\xFF\xFE", 2) +
                              std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    for (size_t at = 0; at < bytes.size();) {
        DWORD written = 0;
        const DWORD count = static_cast<DWORD>(bytes.size() - at);
        if (!WriteFile(file.Get(), bytes.data() + at, count, &written, nullptr) || written == 0)
            return false;
        at += written;
    }
    return FlushFileBuffers(file.Get()) != FALSE;
}

}  // namespace

bool ReplaceFileWithText(const std::wstring& path, std::wstring_view text)
{
    const std::wstring full = FullPath(path);
    const size_t slash = full.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return false;
    TemporaryFile temporary(full.substr(0, slash + 1));
    return !temporary.Path().empty() && WriteAll(temporary.Path(), text) && temporary.MoveTo(full);
}

bool IsSameFile(const std::wstring& first, const std::wstring& second)
{
    const std::wstring a = FullPath(first), b = FullPath(second);
    if (!a.empty() && lstrcmpiW(a.c_str(), b.c_str()) == 0)
        return true;
    // Other spellings of one file: the same volume and file number.
    BY_HANDLE_FILE_INFORMATION info[2] = {};
    const std::wstring* paths[] = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        QmFileHandle file(CreateFileW(paths[i]->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsValid() || !GetFileInformationByHandle(file.Get(), &info[i]))
            return false;
    }
    return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
           info[0].nFileIndexHigh == info[1].nFileIndexHigh && info[0].nFileIndexLow == info[1].nFileIndexLow;
}
