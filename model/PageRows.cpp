#include "model/PageRows.h"

#include "model/BackupList.h"
#include "model/ShowText.h"
#include "model/TweakRead.h"
#include "platform/QmCReg.h"
#include "platform/TextConvert.h"

namespace {

const int kChecked = 1;
const int kCleared = 0;

// --- Check-list rows ---------------------------------------------------------------------------

int ValueCount(const CheckRow& row)
{
    int count = 0;
    while (count < kMaxRowValues && (row.values[count].number || row.values[count].text))
        ++count;
    return count;
}

int FirstValueState(const CheckRow& row)
{
    const RowValue& value = row.values[0];
    if (value.text)
        return ReadStringState(value.text->root, value.text->keyPath, value.text->valueName, value.text->onText);
    return ReadDwordState(value.number->root, value.number->keyPath, value.number->valueName, value.number->onValue);
}

// A row's values are all numbers or all texts; the first decides which.
int AllValuesState(const CheckRow& row)
{
    const int count = ValueCount(row);
    if (row.values[0].text) {
        const StringToggle* texts[kMaxRowValues] = {};
        for (int i = 0; i < count; ++i)
            texts[i] = row.values[i].text;
        return ReadStringsState(texts, count);
    }
    const DwordToggle* numbers[kMaxRowValues] = {};
    for (int i = 0; i < count; ++i)
        numbers[i] = row.values[i].number;
    return ReadDwordsState(numbers, count);
}

bool ShellEntryOn(const ShellEntry& entry, const SystemFacts& system)
{
    QmWString stored;
    const bool read = ReadStringValue(stored, entry.key->root, entry.key->keyPath, L"") == kValueRead;
    QmOwnedWide menuText = ShowText(system.language, TextPair{entry.menuText});
    return read && menuText && menuText.Get()[0] && TextEquals(stored.CStr(), menuText.Get());
}

// A handler key that still holds other values than the one the row gave it stays.
void WriteHandler(QmCReg& reg, const StringToggle& handler, int check)
{
    const HKEY root = RootKey(handler.root);
    if (check == kChecked)
        ApplyStringToggle(reg, handler, check);
    else if (!reg.IsSuccess(reg.DeleteKey(root, handler.keyPath)))
        reg.DeleteKeyIfAtMostOneValue(root, handler.keyPath);
}

QmWString CommandLine(const ShellEntry& entry, const wchar_t* windowsDrive)
{
    // Without the Windows folder's drive the record's command, on its fixed drive, is the
    // best guess: a command without a drive would be looked for wherever the shell runs it.
    if (entry.programOnWindowsDrive && windowsDrive && windowsDrive[0])
        return QmWString(windowsDrive) + QmWString(entry.programOnWindowsDrive);
    return QmWString(entry.command->onText);
}

void WriteShellEntry(QmCReg& reg, const ShellEntry& entry, int check, const SystemFacts& system,
                     const wchar_t* windowsDrive)
{
    const HKEY root = RootKey(entry.key->root);
    const wchar_t* shellKey = entry.key->keyPath;
    const wchar_t* commandKey = entry.command->keyPath;
    if (check == kChecked) {
        QmOwnedWide menuText = ShowText(system.language, TextPair{entry.menuText});
        reg.WriteString(root, commandKey, L"", CommandLine(entry, windowsDrive).CStr());
        reg.WriteString(root, shellKey, L"", menuText ? menuText.Get() : L"");
        return;
    }
    int last = reg.DeleteKey(root, commandKey);
    if (reg.IsSuccess(last))
        last = reg.DeleteKey(root, shellKey);
    // Keys that hold their default value alone go too; anything more keeps them.
    if (!reg.IsSuccess(last)) {
        reg.DeleteKeyIfAtMostOneValue(root, commandKey);
        reg.DeleteKeyIfAtMostOneValue(root, shellKey);
    }
}

// --- Choice rows -------------------------------------------------------------------------------

// What a place holds: a DWORD, or the text of a REG_SZ place.
struct PlaceValue {
    DWORD number = 0;
    QmWString text;
};

int PlaceCount(const ChoiceRow& row)
{
    int count = 0;
    while (count < kMaxChoicePlaces && row.places[count].keyPath)
        ++count;
    return count;
}

bool ReadPlace(const RegPlace& place, PlaceValue& value)
{
    if (place.valueType == REG_SZ)
        return ReadStringValue(value.text, place.root, place.keyPath, place.valueName) == kValueRead;
    return ReadDwordValue(value.number, place.root, place.keyPath, place.valueName) == kValueRead;
}

// The number place `p` takes for `position`.
bool NumberAt(const ChoiceRow& row, int p, int position, uint32_t& number)
{
    const ChoiceList& list = p == 1 && row.secondNumbers ? *row.secondNumbers : row.choices;
    return ChoiceValue(list, position, number);
}

// A REG_SZ place keeps the number as signed decimal text: -2 is "-2".
QmOwnedWide NumberText(uint32_t number)
{
    return FormatInt(static_cast<int>(number));
}

bool Holds(const RegPlace& place, const PlaceValue& value, uint32_t number)
{
    if (place.valueType != REG_SZ)
        return value.number == number;
    QmOwnedWide text = NumberText(number);
    return text && TextEquals(value.text.CStr(), text.Get());
}

// The first position whose numbers the first `placeCount` places all hold; -1 when none.
int FirstMatch(const ChoiceRow& row, const PlaceValue* values, int placeCount)
{
    const int count = ChoiceCount(row.choices);
    for (int position = 0; position < count; ++position) {
        bool all = true;
        for (int p = 0; p < placeCount && all; ++p) {
            uint32_t number = 0;
            all = NumberAt(row, p, position, number) && Holds(row.places[p], values[p], number);
        }
        if (all)
            return position;
    }
    return -1;
}

void WriteNumber(QmCReg& reg, const RegPlace& place, uint32_t number)
{
    const HKEY root = RootKey(place.root);
    if (place.valueType != REG_SZ) {
        reg.WriteDword(root, place.keyPath, place.valueName, number);
    } else if (QmOwnedWide text = NumberText(number)) {
        reg.WriteString(root, place.keyPath, place.valueName, text.Get());
    }
}

}  // namespace

bool IsShown(ShownOn on, const SystemFacts& system)
{
    switch (on) {
    case ShownOn::All:
        return true;
    case ShownOn::XpVista7:
        return system.IsXp() || system.IsVista() || system.IsWin7();
    case ShownOn::Xp:
        return system.IsXp();
    case ShownOn::Vista7:
        return system.IsVista() || system.IsWin7();
    case ShownOn::Ie6:
        return system.ieMajorVersion == 6;
    case ShownOn::Ie7:
        return system.ieMajorVersion == 7;
    case ShownOn::Ie8:
        return system.ieMajorVersion == 8;
    case ShownOn::Ie7Or8:
        return system.ieMajorVersion == 7 || system.ieMajorVersion == 8;
    case ShownOn::XpSp2AndLater:
        return (system.IsXp() && system.servicePack > 1) || system.IsVista() || system.IsWin7();
    case ShownOn::XpSp3OrVista:
        return (system.IsXp() && system.servicePack == 3) || system.IsVista();
    }
    return false;
}

bool ReadCheckRow(const CheckRow& row, const KeyToggle* key, const SystemFacts& system)
{
    switch (row.kind) {
    case RowKind::Values:
    case RowKind::HandlerKey:
        return AllValuesState(row) == kStateOn;
    case RowKind::DefaultOn:
        return FirstValueState(row) != kStateOff;
    case RowKind::FirstValue:
        return FirstValueState(row) == kStateOn;
    case RowKind::PolicyPair:
        return ReadPolicyPairState(*row.values[0].number, *row.values[1].number) == kStateOn;
    case RowKind::Key: {
        int exists = 0;
        if (key)
            ReadKeyExists(exists, key->root, key->keyPath);
        return exists != 0;
    }
    case RowKind::ShellEntry:
        return row.shell && ShellEntryOn(*row.shell, system);
    }
    return false;
}

void WriteCheckRow(QmCReg& reg, const CheckRow& row, const KeyToggle* key, int check, const SystemFacts& system,
                   const wchar_t* windowsDrive)
{
    if (check != kChecked && check != kCleared)
        return;
    if (row.write) {
        row.write(reg, check);
        return;
    }
    switch (row.kind) {
    case RowKind::Values:
    case RowKind::DefaultOn:
    case RowKind::FirstValue:
        for (int i = 0; i < ValueCount(row); ++i) {
            const RowValue& value = row.values[i];
            if (value.text)
                ApplyStringToggle(reg, *value.text, check);
            else
                ApplyDwordToggle(reg, *value.number, check, value.cleared);
        }
        break;
    case RowKind::PolicyPair:
        ApplyPolicyPair(reg, *row.values[0].number, *row.values[1].number, check, row.values[1].cleared);
        break;
    case RowKind::Key:
        // DeleteKey leaves a key that carries values (a default value) alone.
        if (key)
            ApplyKeyToggle(reg, *key, check, KeyRemoval::DeleteKey);
        break;
    case RowKind::HandlerKey:
        WriteHandler(reg, *row.values[0].text, check);
        break;
    case RowKind::ShellEntry:
        if (row.shell)
            WriteShellEntry(reg, *row.shell, check, system, windowsDrive);
        break;
    }
}

void AddRowBackup(BackupList& items, const CheckRow& row, const KeyToggle* key)
{
    if (row.kind == RowKind::Key) {
        if (key)
            items.AddKey(*key);
        return;
    }
    if (row.kind == RowKind::ShellEntry) {
        // The command, then the menu text the row is read by.
        items.AddCommand(*row.shell->command);
        items.AddText(row.shell->key->root, row.shell->key->keyPath, L"");
        return;
    }
    if (row.kind == RowKind::HandlerKey) {
        // The class identifier of the handler the shell loads.
        items.AddClassId(*row.values[0].text);
        return;
    }
    for (int i = 0; i < ValueCount(row); ++i) {
        if (row.values[i].text)
            items.AddText(*row.values[i].text);
        else
            items.AddDword(*row.values[i].number);
    }
}

int ReadChoiceRow(const ChoiceRow& row, const SystemFacts& system)
{
    PlaceValue values[kMaxChoicePlaces];
    if (row.read == ChoiceRead::UserOnVista7 && !system.IsXp()) {
        const RegPlace& place = row.places[0];
        if (ReadUserStringValue(values[0].text, place.keyPath, place.valueName) != kValueRead)
            return -1;
        return FirstMatch(row, values, 1);
    }
    if (row.read == ChoiceRead::SecondFrom) {
        if (!ReadPlace(row.places[0], values[0]))
            return -1;
        const int first = FirstMatch(row, values, 1);
        if (first < row.secondFrom)
            return first;
        uint32_t number = 0;
        return ReadPlace(row.places[1], values[1]) && NumberAt(row, 1, first, number) &&
                       Holds(row.places[1], values[1], number)
                   ? first
                   : -1;
    }
    const int placeCount = PlaceCount(row);
    for (int p = 0; p < placeCount; ++p)
        if (!ReadPlace(row.places[p], values[p]))
            return -1;
    return FirstMatch(row, values, placeCount);
}

void WriteChoiceRow(QmCReg& reg, const ChoiceRow& row, int check, int selection)
{
    const int placeCount = PlaceCount(row);
    uint32_t number = 0;
    if (check == kChecked) {
        if (!ChoiceValue(row.choices, selection, number))
            return;  // no selection, or a position the list does not have
        for (int p = 0; p < placeCount; ++p) {
            const RegPlace& place = row.places[p];
            if (row.read == ChoiceRead::SecondFrom && p > 0 && selection < row.secondFrom)
                reg.DeleteValue(RootKey(place.root), place.keyPath, place.valueName);
            else if (NumberAt(row, p, selection, number))
                WriteNumber(reg, place, number);
        }
    } else if (check == kCleared) {
        for (int p = 0; p < placeCount; ++p) {
            const RegPlace& place = row.places[p];
            if (row.cleared == WhenCleared::Delete)
                reg.DeleteValue(RootKey(place.root), place.keyPath, place.valueName);
            else if (row.cleared == WhenCleared::WriteOff)
                WriteNumber(reg, place, 0);
        }
    }
}

void AddChoiceBackup(BackupList& items, const ChoiceRow& row)
{
    for (int p = 0; p < PlaceCount(row); ++p) {
        if (row.places[p].valueType == REG_SZ)
            items.AddText(row.places[p]);
        else
            items.AddDword(row.places[p]);
    }
}
