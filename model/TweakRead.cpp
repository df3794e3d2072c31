#include "model/TweakRead.h"

#include "platform/QmCReg.h"
#include "platform/QmShReg.h"
#include "platform/TextConvert.h"
#include "ui/QmListview.h"

namespace {

const int kMaxPlaces = 3;
const int kMaxChoiceTexts = 8;
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

int FirstEqualText(const QmWString& value, const wchar_t* const* texts, int textCount)
{
    for (int i = 0; i < textCount && i < kMaxChoiceTexts; ++i)
        if (texts[i] && TextEquals(value.CStr(), texts[i]))
            return i;
    return -1;
}

void SetCheck(QmListview& list, int item, bool checked)
{
    if (checked)
        list.CheckItem(item);
    else
        list.UncheckItem(item);
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

int ReadDwordChoice(uint32_t root, const wchar_t* keyPath, const wchar_t* valueName, const uint32_t* choices, int count)
{
    DWORD value = 0;
    int result = 0;
    if (!ReadNumber(value, result, root, keyPath, valueName))
        return result == kRegMissing ? -2 : -1;
    for (int i = 0; i < count; ++i)
        if (choices[i] == value)
            return i;
    return -1;
}

int ReadStringChoice(const RegPlace* places, int placeCount, const wchar_t* const* texts, int textCount)
{
    if (placeCount < 1 || placeCount > kMaxPlaces)
        return -1;
    QmWString values[kMaxPlaces];
    for (int p = 0; p < placeCount; ++p) {
        int result = 0;
        if (!ReadText(values[p], result, places[p].root, places[p].keyPath, places[p].valueName))
            return -1;
    }
    const int index = FirstEqualText(values[0], texts, textCount);
    if (index < 0)
        return -1;
    for (int p = 1; p < placeCount; ++p)
        if (!TextEquals(values[p].CStr(), texts[index]))
            return -1;
    return index;
}

int ReadStringChoiceUser(const wchar_t* keyPath, const wchar_t* valueName, const wchar_t* const* texts, int textCount)
{
    QmShReg reg;
    if (!reg.IsSuccess(reg.ReadStringUser(keyPath, valueName)))
        return -1;
    return FirstEqualText(QmWString(reg.GetDataAsString().Get()), texts, textCount);
}

int CombineChoices(int a, int b)
{
    return a == b && a >= 0 && a <= 7 ? a : -1;
}

int CombineChoices(int a, int b, int c)
{
    return a == b && b == c && a >= 0 && a <= 7 ? a : -1;
}

int ReadDwordCheck(QmListview& list, int item, uint32_t root, const wchar_t* keyPath, const wchar_t* valueName,
                   DWORD onValue)
{
    const int state = ReadDwordState(root, keyPath, valueName, onValue);
    SetCheck(list, item, state == kStateOn);
    return state;
}

int ReadDwordCheckDefaultOn(QmListview& list, int item, uint32_t root, const wchar_t* keyPath,
                            const wchar_t* valueName, DWORD onValue)
{
    const int state = ReadDwordState(root, keyPath, valueName, onValue);
    SetCheck(list, item, state != kStateOff);
    return state;
}

int ReadStringCheck(QmListview& list, int item, uint32_t root, const wchar_t* keyPath, const wchar_t* valueName,
                    const char* onText)
{
    const int state = ReadStringState(root, keyPath, valueName, onText);
    SetCheck(list, item, state == kStateOn);
    return state;
}

int ReadStringCheckDefaultOn(QmListview& list, int item, uint32_t root, const wchar_t* keyPath,
                             const wchar_t* valueName, const char* onText)
{
    const int state = ReadStringState(root, keyPath, valueName, onText);
    SetCheck(list, item, state != kStateOff);
    return state;
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

int ReadDwordsCheck(QmListview& list, int item, const DwordToggle* const* records, int count)
{
    int states[kMaxPlaces] = {};
    count = count < kMaxPlaces ? count : kMaxPlaces;
    for (int i = 0; i < count; ++i)
        states[i] = ReadDwordState(records[i]->root, records[i]->keyPath, records[i]->valueName, records[i]->onValue);
    const int state = CombineStates(states, count);
    SetCheck(list, item, state == kStateOn);
    return state;
}

int ReadStringsCheck(QmListview& list, int item, const StringToggle* const* records, int count)
{
    int states[kMaxPlaces] = {};
    count = count < kMaxPlaces ? count : kMaxPlaces;
    for (int i = 0; i < count; ++i)
        states[i] = ReadStringState(records[i]->root, records[i]->keyPath, records[i]->valueName, records[i]->onText);
    const int state = CombineStates(states, count);
    SetCheck(list, item, state == kStateOn);
    return state;
}

int ReadPolicyPairCheck(QmListview& list, int item, const DwordToggle& machine, const DwordToggle& user)
{
    const int state = ReadDwordState(machine.root, machine.keyPath, machine.valueName, machine.onValue);
    if (state >= 0) {
        SetCheck(list, item, state == kStateOn);
        return state;
    }
    return ReadDwordCheck(list, item, user);
}
