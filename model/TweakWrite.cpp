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
