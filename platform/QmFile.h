// Folders and files. QmFolder wraps the folder and path functions and one find search;
// QmFile adds one open file, text-file writing and file counting. Both are meant to live on
// the stack for one or two operations. Failures are reported by return values only (0, null,
// -1); nothing is shown or logged. Wide forms are the real ones; the few narrow forms convert
// with the ANSI code page and forward.
#pragma once

#include "platform/TextConvert.h"

#include <windows.h>

#include <cstdint>

// The owner of one handle that `CloseFunction` closes (FindClose, CloseHandle); closes it on
// every path.
template <BOOL(WINAPI* CloseFunction)(HANDLE)>
class QmOwnedHandle {
public:
    QmOwnedHandle() = default;
    explicit QmOwnedHandle(HANDLE handle) : handle_(handle) {}
    QmOwnedHandle(QmOwnedHandle&& other) noexcept : handle_(other.Release()) {}
    QmOwnedHandle& operator=(QmOwnedHandle&& other) noexcept
    {
        if (this != &other) {
            Close();
            handle_ = other.Release();
        }
        return *this;
    }
    QmOwnedHandle(const QmOwnedHandle&) = delete;
    QmOwnedHandle& operator=(const QmOwnedHandle&) = delete;
    ~QmOwnedHandle() { Close(); }

    bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    HANDLE Release()
    {
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle;
    }
    void Close()
    {
        if (IsValid())
            CloseFunction(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

using QmFindHandle = QmOwnedHandle<FindClose>;
using QmFileHandle = QmOwnedHandle<CloseHandle>;

class QmFolder {
public:
    QmFolder();
    virtual ~QmFolder() = default;
    QmFolder(const QmFolder&) = delete;
    QmFolder& operator=(const QmFolder&) = delete;

    // Folder queries, each in a fresh buffer the caller owns; null on failure (also when the
    // path does not fit: 1024 characters, 256 for the system folder).
    virtual QmOwnedWide GetCurrentFolder();
    virtual QmOwnedWide GetWindowsFolder();
    virtual QmOwnedWide GetSystemFolder();
    virtual QmOwnedWide GetTempFolder();
    virtual BOOL SetCurrentFolder(const wchar_t* path);

    // 1 when the file or folder exists, else 0.
    virtual int PathExists(const wchar_t* path);
    int PathExists(const char* path);
    // 1 when something matches the pattern (wildcards allowed), else 0. Closes any search
    // this object had open and leaves none open.
    virtual int FindExists(const wchar_t* pattern);

    // 0 without trying when the path already exists; otherwise CreateDirectoryW's result.
    virtual BOOL MakeFolder(const wchar_t* path, SECURITY_ATTRIBUTES* security);
    BOOL MakeFolder(const char* path, SECURITY_ATTRIBUTES* security);
    // Creates every missing folder along the path; 1 when the whole path is a folder at the
    // end, else 0.
    virtual int MakeFolderTree(const wchar_t* path);
    virtual BOOL RemoveFolder(const wchar_t* path);

    // One search at a time: FindFirst closes any earlier one. The record of the last match
    // is FindData(). Both return 1 on a match, 0 when there is none (the search stays open
    // until FindClose, the next FindFirst or the object's end).
    virtual int FindFirst(const wchar_t* pattern);
    virtual int FindNext();
    virtual void FindClose();
    virtual bool IsFindOpen() const { return find_.IsValid(); }
    const WIN32_FIND_DATAW& FindData() const { return findData_; }

protected:
    WIN32_FIND_DATAW findData_;
    QmFindHandle find_;
};

class QmFile : public QmFolder {
public:
    QmFile() = default;

    // Byte-order marks written by WriteTextFile.
    enum Encoding {
        kNoMark = 1,
        kUtf16LittleEndian = 2,  // FF FE
        kUtf16BigEndian = 3,     // FE FF
        kUtf8 = 4,               // EF BB BF
    };

    // Writes `size` bytes of `data` after the mark of `encoding` (any other value: no mark)
    // and leaves exactly that in the file, whatever it held before. The file is opened for
    // reading and writing without sharing and created when missing. Returns non-zero on
    // success; `written` (may be null) receives the number of data bytes written.
    virtual BOOL WriteTextFile(const wchar_t* path, int encoding, const void* data, DWORD size, DWORD* written);

    // Counts the entries of `folder` whose extension (the text after the last ".") equals
    // `extension`, ignoring case and width; "*" counts every entry. "." and ".." are never
    // counted. With `recurse`, matching entries of every subfolder are added as well.
    // 0 when the folder cannot be searched; -1 when a subfolder's search fails.
    virtual int CountFiles(const wchar_t* folder, bool recurse, const wchar_t* extension);

    virtual BOOL RemoveFile(const wchar_t* path);
    BOOL RemoveFile(const char* path);

    // One open file at a time; Open closes the previous one. Read/write access unless
    // `readOnly`; `share` allows others to read and write meanwhile; `openExisting` fails
    // for a missing file instead of creating it.
    virtual BOOL Open(const wchar_t* path, bool readOnly, bool share, bool openExisting);
    virtual void Close();
    virtual bool IsOpen() const { return file_.IsValid(); }
    // -1 when no file is open or the size cannot be read.
    virtual int64_t GetSize();
    virtual BOOL Read(void* buffer, DWORD size, DWORD* read);
    virtual BOOL Write(const void* data, DWORD size, DWORD* written);
    // SetFilePointer with FILE_BEGIN, FILE_CURRENT or FILE_END; the new position or -1.
    virtual int64_t Seek(int64_t distance, DWORD from);
    // Cuts the file at the present position.
    virtual BOOL SetEnd();

private:
    QmFileHandle file_;
};
