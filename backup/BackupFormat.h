// The text of a page backup file: a header, four lines per item, and a closing block, every
// line ending in a line feed, written as UTF-16 little-endian with a byte-order mark. Values
// are copied as they are (no escaping). The builders append to a text and report whether
// they could.
#pragma once

#include "platform/QmString.h"

#include <windows.h>

// Page codes by page index ("DT" ... "IE"); null for any other index.
const wchar_t* BackupPageCode(int page);
// The system folder and the header's system name by Windows product code; null for codes
// other than 108, 113 and 116.
const wchar_t* BackupSystemFolder(int osCode);
const wchar_t* BackupSystemName(int osCode);

// Year, month, day, hour, minute and second with "%u", joined by "_": 2009_2_26_14_5_9.
QmWString BackupStamp(const SYSTEMTIME& time);

// Lines 1 to 7; fails (appending nothing) for an unsupported Windows version.
bool AppendBackupHeader(QmWString& text, int osCode, int page, const QmWString& stamp);
bool AppendDataAreaStart(QmWString& text);
// Status 1 read, -1 missing, -3 another failure; the data of a failed read is 00000000 / "".
bool AppendDwordItem(QmWString& text, int index, int status, DWORD value);
bool AppendTextItem(QmWString& text, int index, int status, const QmWString& value);
// Status 1 the key exists, -1 it does not.
bool AppendKeyItem(QmWString& text, int index, int status);
// "</DataArea>", the last index, the completed-file flag and the end of the file.
bool AppendBackupEnd(QmWString& text, int lastIndex);
