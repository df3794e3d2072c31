// Putting a page's registry values back as a backup file saved them. The file must have been
// checked against the running system first (CheckBackupForSystem): its items and the page's
// item list stand side by side, the list saying where each value lives, the file what it held.
//
// Per item: status 1 writes the saved value (or re-creates the key), status -1 removes the
// value or key that did not exist then (a key only while it holds nothing but what this
// program makes there), and status -3 (unreadable at backup time) leaves the
// place alone. A place that already holds the saved state is not written. Afterwards every
// place is read back, so a write the system refused (HKEY_LOCAL_MACHINE without
// administrator rights) is reported instead of being taken for success.
#pragma once

#include "backup/BackupReader.h"

#include <string>
#include <vector>

// What the registry holds at an item's place, read the way the backup reads it.
struct CurrentState {
    int status = -1;      // 1 read (key: exists), -1 missing, -3 unreadable
    DWORD number = 0;     // a DWORD item's value when read
    std::wstring text;    // an SZ item's value when read
    bool present = false; // a value of any type stands there (key items: the key exists)
};

CurrentState ReadCurrentState(const BackupItem& place);
// True when the place holds what the file saved; always for an item that was unreadable.
bool HoldsSavedState(const SavedItem& saved, const CurrentState& now);

enum class RestoreAction {
    kNone,         // the place already holds the saved state
    kLeave,        // unreadable at backup time: nothing to put back
    kWriteDword,
    kWriteText,
    kDeleteValue,
    kCreateKey,
    kRemoveKey,    // a key that did not exist; only one with no subkey and at most an empty default value
};

struct RestoreStep {
    BackupItem place;
    SavedItem saved;
    CurrentState before;
    RestoreAction action = RestoreAction::kNone;
    int result = 0;      // the registry result of the write, once carried out
    CurrentState after;  // read back afterwards
    bool took = false;   // the place holds the saved state afterwards
};

// One step per item, in the file's order, with the registry as it stands now. `places` and
// `file` must line up (CheckBackupForSystem).
std::vector<RestoreStep> PlanRestore(const BackupList& places, const BackupFile& file);
// Carries out every step's action in order, then reads every place back; returns how many
// places do not hold their saved state.
int CarryOutRestore(std::vector<RestoreStep>& steps);
// A key that did not exist at backup time and was left because it now holds what another
// program put there (a subkey, a named value, a default value with text).
bool KeptForOthers(const RestoreStep& step);
