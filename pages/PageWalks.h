// The walks every page makes over its tables of rows (model/PageRows.h): whether their
// controls exist, show, read, apply, recommended settings and backup. Each walk visits the
// rows that belong on the running system in the order the page lists them.
#pragma once

#include "model/PageRows.h"

class BackupList;
class PageState;
class QmCReg;
class QmThisApp;

// Short names the page tables use.
const WhenCleared kOff = WhenCleared::WriteOff;
const WhenCleared kDelete = WhenCleared::Delete;
const WhenCleared kLeave = WhenCleared::Leave;
const RowKind kPlain = RowKind::Values;
const RowKind kDefaultOn = RowKind::DefaultOn;
const ShownOn kAll = ShownOn::All;
const ShownOn kXp = ShownOn::Xp;
const ShownOn kVista7 = ShownOn::Vista7;
const Recommend kNone = Recommend::None;
const Recommend kCheck = Recommend::Check;
const Recommend kClear = Recommend::Clear;

// A page's table: an array, or none.
template <class T>
struct TableOf {
    const T* items = nullptr;
    int count = 0;

    constexpr TableOf() = default;
    constexpr TableOf(const T* first, int n) : items(first), count(n) {}
    template <size_t N>
    constexpr TableOf(const T (&array)[N]) : items(array), count(static_cast<int>(N))
    {
    }
    const T* begin() const { return items; }
    const T* end() const { return items + count; }
};
using ListTable = TableOf<CheckList>;
using ChoiceTable = TableOf<ChoiceRow>;

// The page list, the apply button and every control the tables name exist.
bool HasTableControls(const QmThisApp& app, ListTable lists, ChoiceTable choices = ChoiceTable());

// Titles and rows of the lists; captions and choices of the choice rows, which start cleared
// and without a selection.
void ShowRows(QmThisApp& app, ListTable lists);
void ShowChoices(QmThisApp& app, ChoiceTable choices);

// What the registry makes each row and choice row show. Touches no control.
void ReadRows(ListTable lists, const SystemFacts& system, PageState& state);
void ReadChoices(ChoiceTable choices, const SystemFacts& system, PageState& state);

// Writes every row by what its controls hold.
void ApplyRows(QmCReg& reg, QmThisApp& app, ListTable lists);
void ApplyChoices(QmCReg& reg, QmThisApp& app, ChoiceTable choices);
// Writes one row of `list` alone.
void ApplyRow(QmCReg& reg, QmThisApp& app, const CheckList& list, const CheckRow& row);

// Sets the controls of the rows that have recommended settings.
void RecommendRows(QmThisApp& app, ListTable lists);
void RecommendChoices(QmThisApp& app, ChoiceTable choices);

// The places the rows read and write, in page order.
void BackupRows(ListTable lists, const SystemFacts& system, BackupList& items);
void BackupChoices(ChoiceTable choices, const SystemFacts& system, BackupList& items);

// The frame of every page apply: -1 with nothing written when the page list or the apply
// button does not exist; else the apply button is disabled while `writes` runs and enabled
// again whatever the writes did, and the result is 0.
int RunApplyFrame(QmThisApp& app, void (*writes)(QmCReg& reg, QmThisApp& app));
