#include "backup/Backup.h"

#include "backup/BackupFormat.h"
#include "model/TweakRead.h"
#include "pages/Pages.h"
#include "platform/QmFile.h"
#include "platform/QmTime.h"
#include "platform/TextConvert.h"

namespace {

const wchar_t kBackupFolder[] = L"QM_Backup";
const wchar_t kBackupExtension[] = L"qmb";

QmWString Join(const QmWString& folder, const wchar_t* name)
{
    QmWString path(folder);
    path += QmWString(L"\\");
    path += QmWString(name);
    return path;
}

// A folder that exists afterwards, made if needed.
bool EnsureFolder(QmFile& files, const QmWString& path)
{
    return files.PathExists(path.CStr()) || files.MakeFolder(path.CStr(), nullptr);
}

// The system folder (QM_Backup\XP and so on) under the current folder; empty when there is
// none for this system or no current folder.
QmWString SystemFolder(const QmThisApp& app)
{
    QmFile files;
    QmOwnedWide current = files.GetCurrentFolder();
    const wchar_t* system = BackupSystemFolder(app.GetOsCode());
    if (!current || !current.Get()[0] || !system)
        return QmWString();
    return Join(Join(QmWString(current.Get()), kBackupFolder), system);
}

bool AppendItem(QmWString& text, int index, const BackupItem& item)
{
    switch (item.kind) {
    case BackupItem::Kind::Dword: {
        DWORD value = 0;
        const int status = ReadDwordValue(value, item.root, item.keyPath, item.valueName);
        return AppendDwordItem(text, index, status, value);
    }
    case BackupItem::Kind::Text: {
        QmWString value;
        const int status = ReadStringValue(value, item.root, item.keyPath, item.valueName);
        return AppendTextItem(text, index, status, value);
    }
    case BackupItem::Kind::Key: {
        int exists = 0;
        return AppendKeyItem(text, index, ReadKeyExists(exists, item.root, item.keyPath));
    }
    }
    return false;
}

}  // namespace

bool BackupItemsOf(const QmThisApp& app, int page, BackupList& items)
{
    if (page < 0 || page >= kTweakPageCount)
        return false;
    kTweakPageBackups[page](app, items);
    return true;
}

int PrepareBackupFolders(const QmThisApp& app)
{
    QmFile files;
    QmOwnedWide current = files.GetCurrentFolder();
    if (!current || !current.Get()[0])
        return 0;
    const QmWString root = Join(QmWString(current.Get()), kBackupFolder);
    if (!EnsureFolder(files, root))
        return 0;
    const wchar_t* system = BackupSystemFolder(app.GetOsCode());
    if (!system)
        return 0;
    const QmWString systemFolder = Join(root, system);
    if (!EnsureFolder(files, systemFolder))
        return 0;
    for (int page = 0; page < kTweakPageCount; ++page)
        if (!EnsureFolder(files, Join(systemFolder, FormatInt(page).Get())))
            return 0;
    return 1;
}

int GetPageBackupFolder(const QmThisApp& app, QmWString& folder, int page)
{
    folder = QmWString();
    if (!PrepareBackupFolders(app))
        return 0;
    folder = Join(SystemFolder(app), FormatInt(page).Get());
    QmFile files;
    return files.PathExists(folder.CStr()) ? 1 : 0;
}

bool BuildPageBackup(const QmThisApp& app, int page, const QmWString& stamp, QmWString& text)
{
    text = QmWString();
    BackupList items;
    if (!BackupItemsOf(app, page, items) || !AppendBackupHeader(text, app.GetOsCode(), page, stamp) ||
        !AppendDataAreaStart(text)) {
        text = QmWString();
        return false;
    }
    int index = -1;
    for (const BackupItem& item : items.Items())
        if (!AppendItem(text, ++index, item)) {
            text = QmWString();
            return false;
        }
    if (!AppendBackupEnd(text, index)) {
        text = QmWString();
        return false;
    }
    return true;
}

bool BackUpPage(const QmThisApp& app, int page, QmWString* writtenPath)
{
    QmWString folder;
    if (!GetPageBackupFolder(app, folder, page))
        return false;
    QmTime now;
    now.FromLocalTime();
    const QmWString stamp = BackupStamp(now.Get());
    QmWString text;
    if (!BuildPageBackup(app, page, stamp, text))
        return false;
    QmWString name(BackupPageCode(page));
    name += QmWString(L"_");
    name += stamp;
    name += QmWString(L".qmb");
    const QmWString path = Join(folder, name.CStr());
    QmFile files;
    DWORD written = 0;
    // A second backup in the same second replaces the first in place; a failed write can leave it cut short.
    const BOOL ok = files.WriteTextFile(path.CStr(), QmFile::kUtf16LittleEndian, text.CStr(),
                                       static_cast<DWORD>(text.Length()) * sizeof(wchar_t), &written);
    if (ok && writtenPath)
        *writtenPath = path;
    return ok != FALSE;
}

bool BackUpAllPages(const QmThisApp& app)
{
    for (int page = 0; page < kTweakPageCount; ++page)
        BackUpPage(app, page);
    return true;
}

bool ListRestoreFiles(QmThisApp& app, HWND owner)
{
    QmFile files;
    QmOwnedWide current = files.GetCurrentFolder();
    QmWString folder(current ? current.Get() : L"");
    folder += QmWString(L"\\");
    if (const wchar_t* system = BackupSystemFolder(app.GetOsCode())) {
        folder += QmWString(kBackupFolder);
        folder += QmWString(L"\\");
        folder += QmWString(system);
        folder += QmWString(L"\\0");
    }
    MessageBoxW(owner, folder.CStr(), L"CountFilesW 1", MB_OK);
    const int count = files.CountFiles(folder.CStr(), false, kBackupExtension);
    MessageBoxW(owner, FormatUnsigned(GetLastError()).Get(), L"CountFilesW 2", MB_OK);
    MessageBoxW(owner, FormatInt(count).Get(), L"IDC_BTN_RESTORE", MB_OK);
    return true;
}
