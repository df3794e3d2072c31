// The one description of a page's rows. A check-list row says which values stand behind it
// and how they read and write (its kind); a choice row is a check box with its combo box of
// choices and the places the chosen number goes to. A page is tables of these; show, read,
// apply, recommended settings and backup all walk the same tables (pages/PageWalks.h), so
// they always agree on what a row is and where it stands. A row that does not belong on the
// running system takes no place in its list, and the rows after it move up.
#pragma once

#include "model/ChoiceLists.h"
#include "model/SystemFacts.h"
#include "model/TextRecord.h"
#include "model/TweakRecord.h"
#include "model/TweakWrite.h"

class BackupList;
class QmCReg;

// The systems a row belongs on.
enum class ShownOn {
    All,
    XpVista7,  // every system the program starts on, and no other
    Xp,
    Vista7,
    Ie6,
    Ie7,
    Ie8,
    Ie7Or8,
    XpSp2AndLater,  // Windows XP from service pack 2, Vista and 7
    XpSp3OrVista,   // Windows XP with service pack 3, and Vista
};
bool IsShown(ShownOn on, const SystemFacts& system);

// What recommended settings do to a row.
enum class Recommend { None, Check, Clear };

// How a check-list row reads and writes the values behind it.
enum class RowKind {
    Values,      // checked while every value holds its on data; each value written as a toggle
    DefaultOn,   // the first value decides: checked when on, also when missing or unreadable
    FirstValue,  // the first value alone decides, checked only when on
    PolicyPair,  // values[0] machine-wide, values[1] per user: the machine value wins while it
                 // reads; an apply removes it and writes the per-user value
    Key,         // checked while the key exists; creates or deletes it
    HandlerKey,  // a context-menu handler: the key's default value names it (values[0]); a
                 // cleared row removes the key when nothing else is left in it
    ShellEntry,  // an open-with entry for every file: a shell key and its command (ShellEntry)
};

// One value behind a row: a DWORD or a text (a text row clears to its off text).
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

// An open-with entry: checked while the shell key's default value is the menu text as the
// user's wording shows it; the command is written, never compared.
struct ShellEntry {
    const KeyToggle* key;
    const StringToggle* command;            // its on text is the command on its fixed drive
    const char* menuText;                   // Big5, the same in both wordings
    const wchar_t* programOnWindowsDrive;   // null: the record's command as it is
};

struct CheckRow {
    TextPair text;
    int image;
    RowKind kind;
    RowValue values[kMaxRowValues];  // written in this order; unused entries stay empty
    ShownOn on = ShownOn::All;
    Recommend recommend = Recommend::None;
    const ShellEntry* shell = nullptr;  // ShellEntry rows
    // A row whose writes follow no common pattern writes through this instead.
    void (*write)(QmCReg& reg, int check) = nullptr;
};

// A table of rows with, for its key rows, the record group they stand for: row i of the
// table is keys[i]. One table may serve several lists, each with its own group.
struct RowBlock {
    const CheckRow* rows = nullptr;
    int count = 0;
    const KeyToggle* keys = nullptr;

    constexpr RowBlock() = default;
    template <size_t N>
    constexpr RowBlock(const CheckRow (&table)[N], const KeyToggle* group = nullptr)
        : rows(table), count(static_cast<int>(N)), keys(group)
    {
    }
};

// One check list of a page: its group box and title (none: the page sets it), then its rows,
// block after block.
const int kMaxRowBlocks = 2;
struct CheckList {
    int groupId;
    int listId;
    TextPair title;
    RowBlock blocks[kMaxRowBlocks];
};

// What a choice row shows when its places match no choice (missing, unreadable or unknown).
struct ChoiceFallback {
    bool checked;
    int selection;  // -1: no selection
};

// How a choice row reads its places.
enum class ChoiceRead {
    EveryPlace,    // the first position whose number every place holds
    UserOnVista7,  // on Vista and 7 the first place alone, through the shell's per-user
                   // registry (the user's value, else the machine's); on XP every place
    SecondFrom,    // positions before `secondFrom` are the first place's alone: the second
                   // place is then neither read nor kept (an apply deletes it)
};

const int kMaxChoicePlaces = 3;
// A check box with a combo box of choices. The box says whether the program manages the
// setting at all; position i of the combo box stands for the i-th number of `choices`, which
// goes to every place (a REG_SZ place keeps it as decimal text).
struct ChoiceRow {
    int boxId;
    int comboId;
    TextPair caption;
    ChoiceList choices;
    RegPlace places[kMaxChoicePlaces];  // in writing order; unused entries stay empty
    WhenCleared cleared;                // WriteOff writes 0
    Recommend recommend = Recommend::None;
    int recommendedChoice = -1;  // -1: recommended settings leave the selection
    ShownOn on = ShownOn::All;
    ChoiceFallback unknown = {false, -1};
    ChoiceRead read = ChoiceRead::EveryPlace;
    int secondFrom = 0;
    const ChoiceList* secondNumbers = nullptr;  // the second place's own numbers, by position
};

// A check-list row's state in the registry; `key` is the row's record for a key row.
bool ReadCheckRow(const CheckRow& row, const KeyToggle* key, const SystemFacts& system);
// Writes a row by its check (1 or 0; anything else writes nothing). A shell entry's commands
// start at `windowsDrive` (the Windows folder's drive root; empty: the record's own drive).
void WriteCheckRow(QmCReg& reg, const CheckRow& row, const KeyToggle* key, int check, const SystemFacts& system,
                   const wchar_t* windowsDrive);
// The places a row reads and writes, in the row's order.
void AddRowBackup(BackupList& items, const CheckRow& row, const KeyToggle* key);

// The position the places of a choice row stand for; -1 when none (unreadable, or no choice).
int ReadChoiceRow(const ChoiceRow& row, const SystemFacts& system);
// A checked box with a selection writes its numbers; a cleared box does what `cleared` says.
void WriteChoiceRow(QmCReg& reg, const ChoiceRow& row, int check, int selection);
void AddChoiceBackup(BackupList& items, const ChoiceRow& row);

// Calls visit(row, key, index) for every row of `list` that belongs on `system`, `index`
// being the row's place in the list as shown, `key` its record when it is a key row.
template <class Visit>
void ForEachShownRow(const CheckList& list, const SystemFacts& system, Visit&& visit)
{
    int index = 0;
    for (const RowBlock& block : list.blocks)
        for (int i = 0; i < block.count; ++i)
            if (IsShown(block.rows[i].on, system))
                visit(block.rows[i], block.keys ? &block.keys[i] : nullptr, index++);
}
