#include "model/CheckRows.h"

#include "model/BackupList.h"
#include "model/TweakRead.h"
#include "platform/QmCReg.h"
#include "ui/QmListview.h"

namespace {

int ValueCount(const CheckRow& row)
{
    int count = 0;
    while (count < kMaxRowValues && (row.values[count].number || row.values[count].text))
        ++count;
    return count;
}

// A row's values are all numbers or all texts; the first decides which.
void ReadRow(QmListview& list, int item, const CheckRow& row)
{
    const int count = ValueCount(row);
    if (count == 0)
        return;
    if (row.values[0].text) {
        const StringToggle* texts[kMaxRowValues] = {};
        for (int i = 0; i < count; ++i)
            texts[i] = row.values[i].text;
        if (row.read == RowRead::DefaultOn)
            ReadStringCheckDefaultOn(list, item, *texts[0]);
        else
            ReadStringsCheck(list, item, texts, count);
        return;
    }
    const DwordToggle* numbers[kMaxRowValues] = {};
    for (int i = 0; i < count; ++i)
        numbers[i] = row.values[i].number;
    if (row.read == RowRead::DefaultOn)
        ReadDwordCheckDefaultOn(list, item, *numbers[0]);
    else
        ReadDwordsCheck(list, item, numbers, count);
}

void WriteRow(QmCReg& reg, const CheckRow& row, int check)
{
    if (row.write) {
        row.write(reg, check);
        return;
    }
    const int count = ValueCount(row);
    for (int i = 0; i < count; ++i) {
        const RowValue& value = row.values[i];
        if (value.text)
            ApplyStringToggle(reg, *value.text, check);
        else
            ApplyDwordToggle(reg, *value.number, check, value.cleared);
    }
}

}  // namespace

bool RowBelongs(const CheckRow& row, const RowSystem& system)
{
    switch (row.on) {
    case RowOn::Xp:
        return system.osCode == 108;
    case RowOn::Ie6:
        return system.ieMajorVersion == 6;
    case RowOn::All:
        break;
    }
    return true;
}

void RedrawCheckRows(QmListview& list)
{
    for (int i = 0; i < list.GetItemCount(); ++i)
        list.UpdateItem(i);
}

int ReadCheckRows(QmListview& list, int firstItem, const CheckRowTable& table, const RowSystem& system)
{
    int item = firstItem;
    for (int i = 0; i < table.count; ++i) {
        if (!RowBelongs(table.rows[i], system))
            continue;
        ReadRow(list, item, table.rows[i]);
        ++item;
    }
    return item;
}

int ApplyCheckRows(QmCReg& reg, const QmListview& list, int firstItem, const CheckRowTable& table,
                   const RowSystem& system)
{
    int item = firstItem;
    for (int i = 0; i < table.count; ++i) {
        if (!RowBelongs(table.rows[i], system))
            continue;
        // An item without a check box (-1) writes nothing.
        const int check = list.GetItemCheck(item);
        if (check == 0 || check == 1)
            WriteRow(reg, table.rows[i], check);
        ++item;
    }
    return item;
}

void AddRowBackup(BackupList& items, const CheckRow& row)
{
    const int count = ValueCount(row);
    for (int i = 0; i < count; ++i) {
        if (row.values[i].text)
            items.AddText(*row.values[i].text);
        else
            items.AddDword(*row.values[i].number);
    }
}

void AddCheckRowBackups(BackupList& items, const CheckRowTable& table, const RowSystem& system)
{
    for (int i = 0; i < table.count; ++i)
        if (RowBelongs(table.rows[i], system))
            AddRowBackup(items, table.rows[i]);
}
