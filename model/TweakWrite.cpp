#include "model/TweakWrite.h"

#include "platform/QmCReg.h"
#include "platform/TextConvert.h"

namespace {

const int kChecked = 1;
const int kCleared = 0;

void WriteRecordText(QmCReg& reg, uint32_t root, const wchar_t* keyPath, const wchar_t* valueName, const char* text)
{
    QmOwnedWide wide = AnsiToWide(text, CP_ACP);
    if (wide)
        reg.WriteString(RootKey(root), keyPath, valueName, wide.Get());
}

}  // namespace

void ApplyDwordToggle(QmCReg& reg, const DwordToggle& record, int check, WhenCleared cleared)
{
    const HKEY root = RootKey(record.root);
    if (check == kChecked)
        reg.WriteDword(root, record.keyPath, record.valueName, record.onValue);
    else if (check == kCleared && cleared == WhenCleared::WriteOff)
        reg.WriteDword(root, record.keyPath, record.valueName, record.offValue);
    else if (check == kCleared && cleared == WhenCleared::Delete)
        reg.DeleteValue(root, record.keyPath, record.valueName);
}

void ApplyStringToggle(QmCReg& reg, const StringToggle& record, int check)
{
    if (check == kChecked || check == kCleared)
        WriteRecordText(reg, record.root, record.keyPath, record.valueName,
                        check == kChecked ? record.onText : record.offText);
}

void ApplyDwordToggles(QmCReg& reg, const DwordToggle* const* records, int count, int check, WhenCleared cleared)
{
    for (int i = 0; i < count; ++i)
        ApplyDwordToggle(reg, *records[i], check, cleared);
}

void ApplyStringToggles(QmCReg& reg, const StringToggle* const* records, int count, int check)
{
    for (int i = 0; i < count; ++i)
        ApplyStringToggle(reg, *records[i], check);
}

void ApplyPolicyPair(QmCReg& reg, const DwordToggle& machine, const DwordToggle& user, int check,
                     WhenCleared cleared)
{
    if (check != kChecked && check != kCleared)
        return;
    const HKEY machineRoot = RootKey(machine.root);
    // A machine value of another type is not the policy's and stays.
    if (reg.IsSuccess(reg.ReadDword(machineRoot, machine.keyPath, machine.valueName)))
        reg.DeleteValue(machineRoot, machine.keyPath, machine.valueName);
    ApplyDwordToggle(reg, user, check, cleared);
}

void ApplyDwordChoice(QmCReg& reg, const RegPlace* places, int placeCount, int check, int selection,
                      const uint32_t* values, int valueCount, WhenCleared cleared)
{
    for (int p = 0; p < placeCount; ++p) {
        const HKEY root = RootKey(places[p].root);
        if (check == kChecked && selection >= 0 && selection < valueCount)
            reg.WriteDword(root, places[p].keyPath, places[p].valueName, values[selection]);
        else if (check == kCleared && cleared == WhenCleared::Delete)
            reg.DeleteValue(root, places[p].keyPath, places[p].valueName);
    }
}

void ApplyStringChoice(QmCReg& reg, const RegPlace* places, int placeCount, int check, int selection,
                       const wchar_t* const* texts, int textCount, WhenCleared cleared)
{
    for (int p = 0; p < placeCount; ++p) {
        const HKEY root = RootKey(places[p].root);
        if (check == kChecked && selection >= 0 && selection < textCount)
            reg.WriteString(root, places[p].keyPath, places[p].valueName, texts[selection]);
        else if (check == kCleared && cleared == WhenCleared::Delete)
            reg.DeleteValue(root, places[p].keyPath, places[p].valueName);
    }
}

int RemoveKey(QmCReg& reg, uint32_t root, const wchar_t* keyPath)
{
    const HKEY key = RootKey(root);
    const int deleted = reg.DeleteKey(key, keyPath);
    if (reg.IsSuccess(deleted))
        return deleted;
    // A key that still holds its default value alone can go once that value is emptied.
    reg.WriteString(key, keyPath, L"", L"");
    return reg.DeleteKeyIfAtMostOneValue(key, keyPath);
}

void ApplyKeyToggle(QmCReg& reg, const KeyToggle& record, int check, KeyRemoval removal, bool checkedMeansAbsent)
{
    if (check != kChecked && check != kCleared)
        return;
    const bool keyWanted = (check == kChecked) != checkedMeansAbsent;
    if (keyWanted)
        reg.CreateKey(RootKey(record.root), record.keyPath);
    else if (removal == KeyRemoval::DeleteKey)
        reg.DeleteKey(RootKey(record.root), record.keyPath);
    else
        RemoveKey(reg, record.root, record.keyPath);
}
