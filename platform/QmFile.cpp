#include "platform/QmFile.h"

#include "platform/QmString.h"

#include <shlwapi.h>

#include <cwchar>
#include <new>
#include <string>

namespace {

// Sizes of the folder query buffers, in characters.
const UINT kFolderBufferSize = 1024;
const UINT kSystemFolderBufferSize = 256;

// A query answers the length without the terminator, or the size it needs (terminator
// included) when the buffer is too small, or 0 on failure.
template <class Query>
QmOwnedWide QueryFolder(UINT size, Query query)
{
    QmOwnedWide buffer(new (std::nothrow) wchar_t[size]);
    if (!buffer)
        return QmOwnedWide();
    buffer.Get()[0] = 0;
    const UINT length = query(buffer.Get(), size);
    if (length == 0 || length >= size)
        return QmOwnedWide();
    return buffer;
}

bool EndsWithSeparator(const std::wstring& path)
{
    return !path.empty() && (path.back() == L'\\' || path.back() == L'/');
}

bool IsDotEntry(const wchar_t* name)
{
    return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0;
}

// The text after the last "."; empty when the name has none.
const wchar_t* ExtensionOf(const wchar_t* name)
{
    const wchar_t* dot = wcsrchr(name, L'.');
    return dot ? dot + 1 : L"";
}

// Entries of one folder (and, with `recurse`, of its subfolders) that match; `unusable` when
// the folder itself cannot be searched, -1 when one of its subfolders cannot.
int CountIn(const std::wstring& folder, bool recurse, const wchar_t* extension, int unusable)
{
    const std::wstring base = EndsWithSeparator(folder) ? folder : folder + L"\\";
    WIN32_FIND_DATAW data;
    QmFindHandle find(FindFirstFileW((base + L"*.*").c_str(), &data));
    if (!find.IsValid())
        return GetLastError() == ERROR_FILE_NOT_FOUND ? 0 : unusable;
    const bool everything = wcscmp(extension, L"*") == 0;
    int count = 0;
    do {
        if (IsDotEntry(data.cFileName))
            continue;
        if (everything || TextEquals(ExtensionOf(data.cFileName), extension))
            ++count;
        // A junction can lead back up the tree; only real subfolders are descended into.
        const DWORD attributes = data.dwFileAttributes;
        if (recurse && (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            const int inside = CountIn(base + data.cFileName, true, extension, -1);
            if (inside < 0)
                return -1;
            count += inside;
        }
    } while (FindNextFileW(find.Get(), &data));
    return count;
}

}  // namespace

QmFolder::QmFolder() : findData_() {}

QmOwnedWide QmFolder::GetCurrentFolder()
{
    return QueryFolder(kFolderBufferSize, [](wchar_t* buffer, UINT size) { return GetCurrentDirectoryW(size, buffer); });
}

QmOwnedWide QmFolder::GetWindowsFolder()
{
    return QueryFolder(kFolderBufferSize, [](wchar_t* buffer, UINT size) { return GetWindowsDirectoryW(buffer, size); });
}

QmOwnedWide QmFolder::GetSystemFolder()
{
    return QueryFolder(kSystemFolderBufferSize, [](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); });
}

QmOwnedWide QmFolder::GetTempFolder()
{
    return QueryFolder(kFolderBufferSize, [](wchar_t* buffer, UINT size) { return GetTempPathW(size, buffer); });
}

BOOL QmFolder::SetCurrentFolder(const wchar_t* path)
{
    return path ? SetCurrentDirectoryW(path) : FALSE;
}

int QmFolder::PathExists(const wchar_t* path)
{
    return path && PathFileExistsW(path) == TRUE ? 1 : 0;
}

int QmFolder::PathExists(const char* path)
{
    const QmOwnedWide wide = AnsiToWide(path, CP_ACP);
    return PathExists(wide.Get());
}

int QmFolder::FindExists(const wchar_t* pattern)
{
    FindClose();
    if (!pattern)
        return 0;
    QmFindHandle find(FindFirstFileW(pattern, &findData_));
    return find.IsValid() ? 1 : 0;
}

BOOL QmFolder::MakeFolder(const wchar_t* path, SECURITY_ATTRIBUTES* security)
{
    if (!path || PathExists(path))
        return FALSE;
    return CreateDirectoryW(path, security);
}

BOOL QmFolder::MakeFolder(const char* path, SECURITY_ATTRIBUTES* security)
{
    const QmOwnedWide wide = AnsiToWide(path, CP_ACP);
    return MakeFolder(wide.Get(), security);
}

int QmFolder::MakeFolderTree(const wchar_t* path)
{
    if (!path || !*path)
        return 0;
    // Every prefix that ends before a separator is tried; the drive ("C:") and the server
    // part of a UNC path simply fail to be created, which is harmless.
    const std::wstring full(path);
    for (size_t i = 1; i < full.size(); ++i) {
        if ((full[i] == L'\\' || full[i] == L'/') && full[i - 1] != L'\\' && full[i - 1] != L'/')
            CreateDirectoryW(full.substr(0, i).c_str(), nullptr);
    }
    CreateDirectoryW(full.c_str(), nullptr);
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
}

BOOL QmFolder::RemoveFolder(const wchar_t* path)
{
    return path ? RemoveDirectoryW(path) : FALSE;
}

int QmFolder::FindFirst(const wchar_t* pattern)
{
    FindClose();
    if (!pattern)
        return 0;
    find_ = QmFindHandle(FindFirstFileW(pattern, &findData_));
    return find_.IsValid() ? 1 : 0;
}

int QmFolder::FindNext()
{
    return find_.IsValid() && FindNextFileW(find_.Get(), &findData_) ? 1 : 0;
}

void QmFolder::FindClose()
{
    find_.Close();
}

BOOL QmFile::WriteTextFile(const wchar_t* path, int encoding, const void* data, DWORD size, DWORD* written)
{
    DWORD ignored = 0;
    if (!written)
        written = &ignored;
    *written = 0;
    if (!path || (size > 0 && !data))
        return FALSE;
    QmFileHandle file(CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!file.IsValid())
        return FALSE;

    static const BYTE kUtf16LeMark[] = {0xFF, 0xFE};
    static const BYTE kUtf16BeMark[] = {0xFE, 0xFF};
    static const BYTE kUtf8Mark[] = {0xEF, 0xBB, 0xBF};
    const BYTE* mark = nullptr;
    DWORD markSize = 0;
    switch (encoding) {
    case kUtf16LittleEndian: mark = kUtf16LeMark, markSize = sizeof(kUtf16LeMark); break;
    case kUtf16BigEndian: mark = kUtf16BeMark, markSize = sizeof(kUtf16BeMark); break;
    case kUtf8: mark = kUtf8Mark, markSize = sizeof(kUtf8Mark); break;
    default: break;
    }
    DWORD markWritten = 0;
    if (mark && (!WriteFile(file.Get(), mark, markSize, &markWritten, nullptr) || markWritten != markSize))
        return FALSE;
    const BOOL result = WriteFile(file.Get(), data, size, written, nullptr);
    // The file may have held a longer text before: what follows the new text must go, or
    // the file would end in the old text's tail.
    if (!result || !SetEndOfFile(file.Get()))
        return FALSE;
    return result;
}

int QmFile::CountFiles(const wchar_t* folder, bool recurse, const wchar_t* extension)
{
    if (!folder || !*folder || !extension)
        return 0;
    return CountIn(folder, recurse, extension, 0);
}

BOOL QmFile::RemoveFile(const wchar_t* path)
{
    return path ? DeleteFileW(path) : FALSE;
}

BOOL QmFile::RemoveFile(const char* path)
{
    const QmOwnedWide wide = AnsiToWide(path, CP_ACP);
    return RemoveFile(wide.Get());
}

BOOL QmFile::Open(const wchar_t* path, bool readOnly, bool share, bool openExisting)
{
    Close();
    if (!path)
        return FALSE;
    const DWORD access = readOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    const DWORD sharing = share ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0;
    file_ = QmFileHandle(CreateFileW(path, access, sharing, nullptr, openExisting ? OPEN_EXISTING : OPEN_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    return file_.IsValid() ? TRUE : FALSE;
}

void QmFile::Close()
{
    file_.Close();
}

int64_t QmFile::GetSize()
{
    LARGE_INTEGER size;
    if (!file_.IsValid() || !GetFileSizeEx(file_.Get(), &size))
        return -1;
    return size.QuadPart;
}

BOOL QmFile::Read(void* buffer, DWORD size, DWORD* read)
{
    DWORD ignored = 0;
    if (!read)
        read = &ignored;
    *read = 0;
    if (!file_.IsValid() || (size > 0 && !buffer))
        return FALSE;
    return ReadFile(file_.Get(), buffer, size, read, nullptr);
}

BOOL QmFile::Write(const void* data, DWORD size, DWORD* written)
{
    DWORD ignored = 0;
    if (!written)
        written = &ignored;
    *written = 0;
    if (!file_.IsValid() || (size > 0 && !data))
        return FALSE;
    return WriteFile(file_.Get(), data, size, written, nullptr);
}

int64_t QmFile::Seek(int64_t distance, DWORD from)
{
    LARGE_INTEGER move;
    LARGE_INTEGER position;
    move.QuadPart = distance;
    if (!file_.IsValid() || !SetFilePointerEx(file_.Get(), move, &position, from))
        return -1;
    return position.QuadPart;
}

BOOL QmFile::SetEnd()
{
    return file_.IsValid() ? SetEndOfFile(file_.Get()) : FALSE;
}
