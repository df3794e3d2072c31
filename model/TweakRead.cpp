#include "model/TweakRead.h"

#include "platform/QmCReg.h"
#include "platform/QmShReg.h"
#include "platform/TextConvert.h"

namespace {

const int kMaxPlaces = 3;
const int kRegMissing = -104;  // the registry classes' "value or key missing"

int StateOfFailure(int result)
{
    return result == kRegMissing ? kStateMissing : kStateFailed;
}

// A REG_SZ value as a whole text; false when it cannot be read as one.
bool ReadText(QmWString& text, int& result, uint32_t root, const wchar_t* keyPath, const wchar_t* valueName)
{
    QmCReg reg;
    result = reg.ReadString(RootKey(root), keyPath, valueName);
    if (!reg.IsSuccess(result)) {
        text = QmWString();
        return false;
    }
    text = QmWString(reg.GetDataAsString().Get());
    return true;
}

bool ReadNumber(DWORD& value, int& result, uint32_t root, const wchar_t* keyPath, const wchar_t* valueName)
{
    QmCReg reg;
    result = reg.ReadDword(RootKey(root), keyPath, valueName);
    value = reg.IsSuccess(result) ? reg.GetDword() : 0;
    return reg.IsSuccess(result);
}

bool EqualsRecordText(const QmWString& value, const char* recordText)
{
    // Record texts are ASCII digits and letters, converted as the system would.
    QmOwnedWide wide = AnsiToWide(recordText, CP_ACP);
    return wide && TextEquals(value.CStr(), wide.Get());
}

}  // namespace

int ReadDwordState(uint32_t root, const wchar_t* keyPath, const wchar_t* valueName, DWORD onValue)
{
    DWORD value = 0;
    int result = 0;
    if (!ReadNumber(value, result, root, keyPath, valueName))
        return StateOfFailure(result);
    return value == onValue ? kStateOn : kStateOff;
}

int ReadStringState(uint32_t root, const wchar_t* keyPath, const wchar_t* valueName, const char* onText)
{
    QmWString value;
    int result = 0;
    if (!ReadText(value, result, root, keyPath, valueName))
        return StateOfFailure(result);
    return EqualsRecordText(value, onText) ? kStateOn : kStateOff;
}

int ReadDwordValue(DWORD& value, uint32_t root, const wchar_t* keyPath, const wchar_t* valueName)
{
    int result = 0;
    if (ReadNumber(value, result, root, keyPath, valueName))
        return kValueRead;
    return result == kRegMissing ? kValueMissing : kValueFailed;
}

int ReadStringValue(QmWString& text, uint32_t root, const wchar_t* keyPath, const wchar_t* valueName)
{
    int result = 0;
    if (ReadText(text, result, root, keyPath, valueName))
        return kValueRead;
    return result == kRegMissing ? kValueMissing : kValueFailed;
}

int ReadKeyExists(int& exists, uint32_t root, const wchar_t* keyPath)
{
    QmCReg reg;
    exists = reg.KeyExists(RootKey(root), keyPath) == 1 ? 1 : 0;
    return exists ? 1 : -1;
}

int ReadUserStringValue(QmWString& text, const wchar_t* keyPath, const wchar_t* valueName)
{
    QmShReg reg;
    const int result = reg.ReadStringUser(keyPath, valueName);
    if (!reg.IsSuccess(result)) {
        text = QmWString();
        return result == kRegMissing ? kValueMissing : kValueFailed;
    }
    text = QmWString(reg.GetDataAsString().Get());
    return kValueRead;
}

namespace {

// Combines the states of values read together: any failure clears the item (-2 when any
// value is missing), else checked only when every value is on.
int CombineStates(const int* states, int count)
{
    bool anyFailed = false, anyMissing = false, allOn = true;
    for (int i = 0; i < count; ++i) {
        anyFailed |= states[i] < 0;
        anyMissing |= states[i] == kStateMissing;
        allOn &= states[i] == kStateOn;
    }
    if (anyFailed)
        return anyMissing ? kStateMissing : kStateFailed;
    return allOn ? kStateOn : kStateOff;
}

}  // namespace

int ReadDwordsState(const DwordToggle* const* records, int count)
{
    int states[kMaxPlaces] = {};
    count = count < kMaxPlaces ? count : kMaxPlaces;
    for (int i = 0; i < count; ++i)
        states[i] = ReadDwordState(records[i]->root, records[i]->keyPath, records[i]->valueName, records[i]->onValue);
    return CombineStates(states, count);
}

int ReadStringsState(const StringToggle* const* records, int count)
{
    int states[kMaxPlaces] = {};
    count = count < kMaxPlaces ? count : kMaxPlaces;
    for (int i = 0; i < count; ++i)
        states[i] = ReadStringState(records[i]->root, records[i]->keyPath, records[i]->valueName, records[i]->onText);
    return CombineStates(states, count);
}

int ReadPolicyPairState(const DwordToggle& machine, const DwordToggle& user)
{
    const int state = ReadDwordState(machine.root, machine.keyPath, machine.valueName, machine.onValue);
    if (state >= 0)
        return state;
    return ReadDwordState(user.root, user.keyPath, user.valueName, user.onValue);
}
