// Writing a tweak's state back to the registry: the write patterns every page apply uses.
// Results of the writes are not examined: a value that cannot be written keeps its old data,
// and the next read shows that. A check state of -1 (an item without a check box) writes
// nothing.
#pragma once

#include "model/TweakRecord.h"

#include <windows.h>

class QmCReg;

// What a cleared check item or check box does to its value.
enum class WhenCleared {
    WriteOff,  // write the record's off data
    Delete,    // delete the value
    Leave,     // leave it as it is
};

// Checked: onValue; cleared: offValue or a deletion.
void ApplyDwordToggle(QmCReg& reg, const DwordToggle& record, int check, WhenCleared cleared);
// Checked: onText; cleared: offText (both converted with the ANSI code page).
void ApplyStringToggle(QmCReg& reg, const StringToggle& record, int check);
// The machine-wide policy value is removed when it reads as a DWORD; then the per-user value
// alone decides and is written as a toggle.
void ApplyPolicyPair(QmCReg& reg, const DwordToggle& machine, const DwordToggle& user, int check,
                     WhenCleared cleared);

// How a key toggle removes its key.
enum class KeyRemoval {
    DeleteKey,  // only a key without values
    RemoveKey,  // DeleteKey, else empty the default value and delete a key of at most one value
};
// Checked creates the key and cleared removes it; with `checkedMeansAbsent` the reverse.
void ApplyKeyToggle(QmCReg& reg, const KeyToggle& record, int check, KeyRemoval removal,
                    bool checkedMeansAbsent = false);
// DeleteKey; when that fails, WriteString of "" to the default value, then
// DeleteKeyIfAtMostOneValue. The result of the last step.
int RemoveKey(QmCReg& reg, uint32_t root, const wchar_t* keyPath);
