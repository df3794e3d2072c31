// A backup as a registry file that the system's registry editor imports ("regedit /s"): the
// saved values written back, values that did not exist as deletions ("name"=-), key items as
// keys or as key deletions ([-key]), and unreadable items left out. Registry files are
// UTF-16 little-endian with a byte-order mark and CR LF line ends.
//
// Two differences from a restore remain, both in the registry editor's nature: a section
// header creates its key, so a deletion under a key that does not exist leaves that key
// (empty) behind; and [-key] removes a key with everything below it, where a restore leaves
// a key that holds anything besides an empty default value.
#pragma once

#include "backup/BackupReader.h"

#include <string>

// "HKEY_CURRENT_USER" and the three others; null for a root the catalogue does not use.
const wchar_t* RegRootName(uint32_t root);

// The whole file text (without the byte-order mark); false when a place has an unknown root.
// `places` and `file` must line up (CheckBackupForSystem).
bool BuildRegExport(const BackupList& places, const BackupFile& file, std::wstring& text);
// Writes the text as a registry file, whole or not at all; false when it cannot be written.
bool WriteRegExport(const wchar_t* path, const std::wstring& text);
