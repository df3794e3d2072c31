// Reading a page backup file back, for the companion program. A file is taken only when every
// line is exactly what the writer produces: the header, the items numbered from 0 with their
// kind, status and data in the forms the writer uses, the total, the completed-file flag and
// the closing line, and nothing after it. Checking it against the running system (its
// Windows version, and the page's item list there, which also says which texts a guarded
// place may take) is a second step, so that a file can be described even when it belongs
// elsewhere.
#pragma once

#include "app/QmThisApp.h"
#include "model/BackupList.h"

#include <windows.h>

#include <string>
#include <vector>

// One item as the file holds it.
struct SavedItem {
    BackupItem::Kind kind = BackupItem::Kind::Dword;
    int status = 0;       // 1 read (key: exists), -1 missing, -3 unreadable (values only)
    DWORD number = 0;     // a DWORD item's data
    std::wstring text;    // an SZ item's data (may hold line breaks)
    int line = 0;         // line of its <DataIndex>
    int typeLine = 0;     // line of its <DataType>
};

struct BackupFile {
    int osCode = 0;        // 108, 113 or 116, from the system line
    int page = -1;         // 0 to 8
    std::wstring stamp;    // as written: 2009_2_26_14_5_9
    SYSTEMTIME time = {};  // the stamp's fields
    std::vector<SavedItem> items;
    int endLine = 0;       // line of </DataArea>
};

// What is wrong with a file. `line` counts from 1; 0 when the problem is the whole file.
enum class BackupProblem {
    kCannotOpen,       // the file cannot be opened or read
    kTooLarge,         // far larger than any backup
    kNotUtf16,         // no FF FE mark, or an odd number of bytes
    kNullCharacter,    // a null character inside the text
    kUnexpectedLine,   // `detail` holds the line expected there
    kBadNumber,        // a number not written as the writer writes it
    kBadStamp,         // the date and time
    kUnknownSystem,    // a Windows version the format does not name
    kUnknownPage,      // page index out of range, or index and code disagree
    kBadIndex,         // item number out of sequence: `expected` is the right one
    kBadStatus,        // a status the item's kind cannot have
    kDataMismatch,     // data that does not fit the item's kind and status
    kBadTotal,         // <DataTotal> is not the last item number (`expected`)
    kNotComplete,      // no completed-file flag
    kTruncated,        // the file ends before line `line`
    kTrailingText,     // text after the closing line
    kOtherSystem,      // made on `detail`, this system is another
    kItemCount,        // `found` items in the file, `expected` on this system
    kItemKind,         // the item on `line` is of another kind than the page's item there
    kTextTooLong,      // a text longer than kMaxBackupTextLength
    kNotProgramText,   // a command line or class identifier the program does not write there
};

struct BackupFileError {
    BackupProblem problem = BackupProblem::kCannotOpen;
    int line = 0;
    int item = -1;        // the item the problem lies in, where the check knows it
    std::wstring detail;  // kUnexpectedLine: the line expected; others: the text found
    long expected = 0;
    long found = 0;
};

// "DWORD", "SZ" or "Key", as the file names the kinds.
const wchar_t* BackupKindName(BackupItem::Kind kind);

// A backup file is a few kilobytes; anything beyond this is not one and is not read.
const DWORD kMaxBackupFileBytes = 1024u * 1024u;
// The longest text an item may hold; the program's own texts are far shorter.
const size_t kMaxBackupTextLength = 4096;

// The text after the byte-order mark, from a file's bytes.
bool DecodeBackupBytes(const std::string& bytes, std::wstring& text, BackupFileError& error);
// On failure `file.items` keeps the items read before the problem.
bool ParseBackupText(const std::wstring& text, BackupFile& file, BackupFileError& error);
// Open, decode and parse.
bool ReadBackupFile(const wchar_t* path, BackupFile& file, BackupFileError& error);

// The file belongs to this system and its items line up with the page's items here (same
// number, same kinds in the same order), and every guarded place holds a text the program
// writes there; `items` receives that list.
bool CheckBackupForSystem(const BackupFile& file, const QmThisApp& app, BackupList& items, BackupFileError& error);
