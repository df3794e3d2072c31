// Reading a tweak's state from the registry. Each helper opens its own registry object for
// each value it reads and keeps nothing between calls. Failures are never reported: they only
// decide a control's state.
#pragma once

#include "model/TweakRecord.h"
#include "platform/QmString.h"

#include <windows.h>

class QmListview;

// Tweak state: the result of the helpers that compare.
const int kStateOn = 1;        // read, equal to the on data
const int kStateOff = 0;       // read, different
const int kStateMissing = -2;  // key or value missing
const int kStateFailed = -1;   // any other failure (wrong type, access denied...)

// Results of the plain value reads used by backups.
const int kValueRead = 1;
const int kValueMissing = -1;
const int kValueFailed = -3;

// --- Reads without effect on controls -------------------------------------------------------

int ReadDwordState(uint32_t root, const wchar_t* keyPath, const wchar_t* valueName, DWORD onValue);
// 1 equal, 0 different, negative when the value could not be read.
int ReadStringState(uint32_t root, const wchar_t* keyPath, const wchar_t* valueName, const char* onText);
// kValueRead with `value` set; otherwise `value` is 0.
int ReadDwordValue(DWORD& value, uint32_t root, const wchar_t* keyPath, const wchar_t* valueName);
// kValueRead with `text` set to the value; otherwise `text` is empty.
int ReadStringValue(QmWString& text, uint32_t root, const wchar_t* keyPath, const wchar_t* valueName);
// 1 and exists = 1 when the key opens for reading; -1 and exists = 0 otherwise.
int ReadKeyExists(int& exists, uint32_t root, const wchar_t* keyPath);

// Index of the first choice equal to the value; -1 when none is or the read failed; -2 when
// the key or value is missing.
int ReadDwordChoice(uint32_t root, const wchar_t* keyPath, const wchar_t* valueName, const uint32_t* choices, int count);
inline int ReadDwordChoice(const DwordChoice3& record)
{
    return ReadDwordChoice(record.root, record.keyPath, record.valueName, record.choice, 3);
}
inline int ReadDwordChoice(const DwordChoice5& record)
{
    return ReadDwordChoice(record.root, record.keyPath, record.valueName, record.choice, 5);
}

// Index i of the first text equal to the value in the first place, provided every place
// reads and equals that same text; else -1. One to three places, up to eight texts.
int ReadStringChoice(const RegPlace* places, int placeCount, const wchar_t* const* texts, int textCount);
// The same through the shell's per-user registry: the HKEY_CURRENT_USER value, or the
// HKEY_LOCAL_MACHINE one when the user has none.
int ReadStringChoiceUser(const wchar_t* keyPath, const wchar_t* valueName, const wchar_t* const* texts, int textCount);

// a when all are equal and 0 <= a <= 7; else -1.
int CombineChoices(int a, int b);
int CombineChoices(int a, int b, int c);

// --- Reads that set a check item ------------------------------------------------------------
// Each returns the tweak state and checks or clears item `item` of `list`.

// Checked when equal; cleared otherwise, also when missing or unreadable.
int ReadDwordCheck(QmListview& list, int item, uint32_t root, const wchar_t* keyPath, const wchar_t* valueName,
                   DWORD onValue);
// Checked when equal or when missing or unreadable; cleared when read and different.
int ReadDwordCheckDefaultOn(QmListview& list, int item, uint32_t root, const wchar_t* keyPath,
                            const wchar_t* valueName, DWORD onValue);
int ReadStringCheck(QmListview& list, int item, uint32_t root, const wchar_t* keyPath, const wchar_t* valueName,
                    const char* onText);
int ReadStringCheckDefaultOn(QmListview& list, int item, uint32_t root, const wchar_t* keyPath,
                             const wchar_t* valueName, const char* onText);

inline int ReadDwordCheck(QmListview& list, int item, const DwordToggle& r)
{
    return ReadDwordCheck(list, item, r.root, r.keyPath, r.valueName, r.onValue);
}
inline int ReadDwordCheckDefaultOn(QmListview& list, int item, const DwordToggle& r)
{
    return ReadDwordCheckDefaultOn(list, item, r.root, r.keyPath, r.valueName, r.onValue);
}
inline int ReadStringCheck(QmListview& list, int item, const StringToggle& r)
{
    return ReadStringCheck(list, item, r.root, r.keyPath, r.valueName, r.onText);
}
inline int ReadStringCheckDefaultOn(QmListview& list, int item, const StringToggle& r)
{
    return ReadStringCheckDefaultOn(list, item, r.root, r.keyPath, r.valueName, r.onText);
}

// Checked only when every value reads and equals its own on value (two or three records);
// 1, 0, -2 when any is missing, else -1.
int ReadDwordsCheck(QmListview& list, int item, const DwordToggle* const* records, int count);
int ReadStringsCheck(QmListview& list, int item, const StringToggle* const* records, int count);

// The machine-wide policy wins when it reads: 1 checks, any other read value clears; when it
// is absent or unreadable, the per-user value decides as ReadDwordCheck.
int ReadPolicyPairCheck(QmListview& list, int item, const DwordToggle& machine, const DwordToggle& user);
