// Check-list rows as tables: each row's text and picture, the systems it belongs on, the
// values behind it, how they read as checked and what checking or clearing writes. A row that
// does not belong on the running system takes no number, and the rows after it move up; show,
// read, apply and backup walk the same table, so they always number the rows alike.
#pragma once

#include "model/CheckListRefill.h"
#include "model/TextRecord.h"
#include "model/TweakRecord.h"
#include "model/TweakWrite.h"
#include "ui/QmListview.h"

class BackupList;
class QmCReg;

// The facts that decide whether a row is shown.
struct RowSystem {
    int osCode;          // 108 Windows XP, 113 Vista, 116 Windows 7
    int ieMajorVersion;  // 0 unknown
};

enum class RowOn {
    All,
    Xp,   // Windows XP only
    Ie6,  // Internet Explorer 6 only
};

enum class RowRead {
    AllOn,      // checked only when every value is on; missing or unreadable clears
    DefaultOn,  // the first value alone decides: checked when on, also when missing or unreadable
};

// One value behind a row: a DWORD or a text. Clearing a text row writes its off text.
struct RowValue {
    const DwordToggle* number;
    const StringToggle* text;
    WhenCleared cleared;
};
constexpr RowValue Dw(const DwordToggle& record, WhenCleared cleared = WhenCleared::WriteOff)
{
    return RowValue{&record, nullptr, cleared};
}
constexpr RowValue Sz(const StringToggle& record)
{
    return RowValue{nullptr, &record, WhenCleared::WriteOff};
}

const int kMaxRowValues = 3;

struct CheckRow {
    TextRecord text;               // the 950 wording
    const TextRecord* simplified;  // the 936 wording where it differs; null: the same record
    int image;
    RowRead read;
    RowValue values[kMaxRowValues];  // written in this order; unused entries stay empty
    RowOn on = RowOn::All;
    // A row whose writes follow no common pattern writes through this instead.
    void (*write)(QmCReg& reg, int check) = nullptr;
};

// A table of rows for one check list.
struct CheckRowTable {
    const CheckRow* rows;
    int count;
};
template <size_t N>
constexpr CheckRowTable RowsOf(const CheckRow (&rows)[N])
{
    return CheckRowTable{rows, static_cast<int>(N)};
}

bool RowBelongs(const CheckRow& row, const RowSystem& system);
inline TextPair RowText(const CheckRow& row)
{
    return TextPair{&row.text, row.simplified ? row.simplified : &row.text};
}

// Replaces the rows of `list` with those of `table` that belong on `system`, without drawing
// in between; `insert(row)` appends one (through the application's text helper).
template <class Insert>
void FillCheckRows(QmListview& list, const CheckRowTable& table, const RowSystem& system, Insert&& insert)
{
    CheckListRefill refill(list);
    for (int i = 0; i < table.count; ++i)
        if (RowBelongs(table.rows[i], system))
            insert(table.rows[i]);
}

// Sets the check of every row of `table` that belongs on `system`, numbering the rows of
// `list` from `firstItem`; returns the number after the last row.
int ReadCheckRows(QmListview& list, int firstItem, const CheckRowTable& table, const RowSystem& system);
// Repaints every row of `list` once its checks have been read.
void RedrawCheckRows(QmListview& list);
// Writes every such row by its check state; returns the number after the last row.
int ApplyCheckRows(QmCReg& reg, const QmListview& list, int firstItem, const CheckRowTable& table,
                   const RowSystem& system);

// Adds the values behind `row` to a backup, in the row's own order: the values it reads and
// writes (a row with its own writer may save more; its page adds those).
void AddRowBackup(BackupList& items, const CheckRow& row);
// The same for every row of `table` that belongs on `system`, in row order.
void AddCheckRowBackups(BackupList& items, const CheckRowTable& table, const RowSystem& system);
