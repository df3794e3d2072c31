// Writing page backups: for one page or all nine, the registry values the page's tweaks read,
// as they stand now, into QM_Backup\<system>\<page>\<code>_<stamp>.qmb under the current
// folder. Nothing here writes to the registry. The application saves a page this way before
// every apply; the companion program's undo restores the newest of them.
#pragma once

#include "app/QmThisApp.h"
#include "backup/BackupReader.h"
#include "model/BackupList.h"
#include "platform/QmString.h"

#include <windows.h>

// The items of page `page` (0 to 8) on the running system; false for another index.
bool BackupItemsOf(const QmThisApp& app, int page, BackupList& items);

// Creates QM_Backup, its system folder and the nine page folders; 1 on success, 0 otherwise.
int PrepareBackupFolders(const QmThisApp& app);
// The folder of `page` (created with the whole tree); 1 when it exists, 0 otherwise.
int GetPageBackupFolder(const QmThisApp& app, QmWString& folder, int page);

// The whole text of a backup of `page` with `stamp`; false (and an empty text) when the
// Windows version is not supported. `written` (may be null) receives the items as written.
bool BuildPageBackup(const QmThisApp& app, int page, const QmWString& stamp, QmWString& text,
                     std::vector<SavedItem>* written = nullptr);

// Why a page backup wrote no file.
struct PageBackupFailure {
    enum class Stage { kNone, kFolder, kText, kReadBack, kWrite };
    Stage stage = Stage::kNone;
    // kReadBack: the text would not give back what was read. `item` is the first item that
    // would not (-1 when the file as a whole is refused), `error` what the reader said.
    int item = -1;
    BackupFileError error;
};
// Backs up one page; true when its file was written, after its text was read back with the
// backup reader and gave the same items (a file that cannot be restored is never left).
// `writtenPath` (may be null) receives the file's path, `failure` (may be null) why not.
bool BackUpPage(const QmThisApp& app, int page, QmWString* writtenPath = nullptr,
                PageBackupFailure* failure = nullptr);
// The nine pages in order, whatever each one's result; true.
bool BackUpAllPages(const QmThisApp& app);
// Three message boxes: the desktop page's backup folder, the last error, and the number of
// backup files in that folder; true.
bool ListRestoreFiles(QmThisApp& app, HWND owner);
