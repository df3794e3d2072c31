#include "backup/Backup.h"

#include "backup/BackupFormat.h"
#include "backup/FileReplace.h"
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

// Reads the item and appends it; `saved` receives what was written.
bool AppendItem(QmWString& text, int index, const BackupItem& item, SavedItem& saved)
{
    saved = SavedItem();
    saved.kind = item.kind;
    switch (item.kind) {
    case BackupItem::Kind::Dword:
        saved.status = ReadDwordValue(saved.number, item.root, item.keyPath, item.valueName);
        return AppendDwordItem(text, index, saved.status, saved.number);
    case BackupItem::Kind::Text: {
        QmWString value;
        saved.status = ReadStringValue(value, item.root, item.keyPath, item.valueName);
        saved.text = saved.status == kValueRead ? value.CStr() : L"";
        return AppendTextItem(text, index, saved.status, value);
    }
    case BackupItem::Kind::Key: {
        int exists = 0;
        saved.status = ReadKeyExists(exists, item.root, item.keyPath);
        return AppendKeyItem(text, index, saved.status);
    }
    }
    return false;
}

bool SameItem(const SavedItem& a, const SavedItem& b)
{
    return a.kind == b.kind && a.status == b.status && a.number == b.number && a.text == b.text;
}

// The text as the reader takes it back must give the items written: a value can hold lines
// that look like the file's own, or a text no restore would accept.
bool ReadsBack(const QmThisApp& app, const std::wstring& text, const std::vector<SavedItem>& written,
               PageBackupFailure& failure)
{
    BackupFile file;
    BackupList places;
    BackupFileError& error = failure.error;
    const bool taken = ParseBackupText(text, file, error) && CheckBackupForSystem(file, app, places, error);
    size_t same = 0;
    while (same < file.items.size() && same < written.size() && SameItem(file.items[same], written[same]))
        ++same;
    if (taken && same == written.size() && file.items.size() == written.size()) {
        if ((text.size() + 1) * sizeof(wchar_t) <= kMaxBackupFileBytes)
            return true;
        error = BackupFileError();
        error.problem = BackupProblem::kTooLarge;
    } else if (taken) {
        // Read without complaint, but as other items: a text that holds an item's lines.
        error = BackupFileError();
        error.problem = BackupProblem::kDataMismatch;
        error.line = same < file.items.size() ? file.items[same].line : file.endLine;
    }
    // The first item that does not come back is where the text went wrong.
    failure.stage = PageBackupFailure::Stage::kReadBack;
    failure.item = same < written.size() ? static_cast<int>(same) : error.item;
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

bool BuildPageBackup(const QmThisApp& app, int page, const QmWString& stamp, QmWString& text,
                     std::vector<SavedItem>* written)
{
    text = QmWString();
    if (written)
        written->clear();
    BackupList items;
    if (!BackupItemsOf(app, page, items) || !AppendBackupHeader(text, app.GetOsCode(), page, stamp) ||
        !AppendDataAreaStart(text)) {
        text = QmWString();
        return false;
    }
    int index = -1;
    for (const BackupItem& item : items.Items()) {
        SavedItem saved;
        if (!AppendItem(text, ++index, item, saved)) {
            text = QmWString();
            return false;
        }
        if (written)
            written->push_back(saved);
    }
    if (!AppendBackupEnd(text, index)) {
        text = QmWString();
        return false;
    }
    return true;
}

bool BackUpPage(const QmThisApp& app, int page, QmWString* writtenPath, PageBackupFailure* failure)
{
    PageBackupFailure ignored;
    PageBackupFailure& why = failure ? *failure : ignored;
    why = PageBackupFailure();
    QmWString folder;
    if (!GetPageBackupFolder(app, folder, page)) {
        why.stage = PageBackupFailure::Stage::kFolder;
        return false;
    }
    QmTime now;
    now.FromLocalTime();
    const QmWString stamp = BackupStamp(now.Get());
    QmWString text;
    std::vector<SavedItem> written;
    if (!BuildPageBackup(app, page, stamp, text, &written)) {
        why.stage = PageBackupFailure::Stage::kText;
        return false;
    }
    if (!ReadsBack(app, text.CStr(), written, why))
        return false;
    QmWString name(BackupPageCode(page));
    name += QmWString(L"_");
    name += stamp;
    name += QmWString(L".qmb");
    const QmWString path = Join(folder, name.CStr());
    // A second backup in the same second replaces the first whole.
    if (!ReplaceFileWithText(path.CStr(), std::wstring_view(text.CStr(), static_cast<size_t>(text.Length())))) {
        why.stage = PageBackupFailure::Stage::kWrite;
        return false;
    }
    if (writtenPath)
        *writtenPath = path;
    return true;
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
