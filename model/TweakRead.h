// Reading a tweak's state from the registry. Each helper opens its own registry object for
// each value it reads and keeps nothing between calls, and touches no control. Failures are
// never reported: they only decide what a control shows.
#pragma once

#include "model/TweakRecord.h"
#include "platform/QmString.h"

#include <windows.h>

// Tweak state: the result of the helpers that compare.
const int kStateOn = 1;        // read, equal to the on data
const int kStateOff = 0;       // read, different
const int kStateMissing = -2;  // key or value missing
const int kStateFailed = -1;   // any other failure (wrong type, access denied...)

// Results of the plain value reads used by backups.
const int kValueRead = 1;
const int kValueMissing = -1;
const int kValueFailed = -3;

int ReadDwordState(uint32_t root, const wchar_t* keyPath, const wchar_t* valueName, DWORD onValue);
// 1 equal, 0 different, negative when the value could not be read.
int ReadStringState(uint32_t root, const wchar_t* keyPath, const wchar_t* valueName, const char* onText);
// kValueRead with `value` set; otherwise `value` is 0.
int ReadDwordValue(DWORD& value, uint32_t root, const wchar_t* keyPath, const wchar_t* valueName);
// kValueRead with `text` set to the value; otherwise `text` is empty.
int ReadStringValue(QmWString& text, uint32_t root, const wchar_t* keyPath, const wchar_t* valueName);
// 1 and exists = 1 when the key opens for reading; -1 and exists = 0 otherwise.
int ReadKeyExists(int& exists, uint32_t root, const wchar_t* keyPath);

// ReadStringValue through the shell's per-user registry: the HKEY_CURRENT_USER value, or the
// HKEY_LOCAL_MACHINE one when the user has none.
int ReadUserStringValue(QmWString& text, const wchar_t* keyPath, const wchar_t* valueName);

// The tweak state of values read together (one to three records): on only when every value
// reads and equals its own on data; -2 when any is missing, -1 for any other failure.
int ReadDwordsState(const DwordToggle* const* records, int count);
int ReadStringsState(const StringToggle* const* records, int count);

// The machine-wide policy wins when it reads: its state; when it is absent or unreadable,
// the per-user value's.
int ReadPolicyPairState(const DwordToggle& machine, const DwordToggle& user);
