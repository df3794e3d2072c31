#include "pages/PageWalks.h"

#include "app/QmThisApp.h"
#include "model/BackupList.h"
#include "model/CheckListRefill.h"
#include "model/PageState.h"
#include "model/RedrawPause.h"
#include "platform/QmCReg.h"

namespace {

int BoxCheck(const QmButton& box)
{
    return box.GetCheck() == BST_CHECKED ? 1 : 0;
}

void WriteRow(QmCReg& reg, QmThisApp& app, const QmListview& list, const CheckRow& row, const KeyToggle* key,
              int index)
{
    // Only shell entries need the Windows folder, which is looked for on first use.
    const wchar_t* windowsDrive = row.kind == RowKind::ShellEntry ? app.WindowsDriveRoot() : nullptr;
    WriteCheckRow(reg, row, key, list.GetItemCheck(index), app.Facts(), windowsDrive);
}

}  // namespace

bool HasTableControls(const QmThisApp& app, ListTable lists, ChoiceTable choices)
{
    if (!app.Combo(kIdPageList) || !app.Button(kIdApplyButton))
        return false;
    for (const CheckList& list : lists)
        if (!app.Button(list.groupId) || !app.ListView(list.listId))
            return false;
    for (const ChoiceRow& row : choices)
        if (!app.Button(row.boxId) || !app.Combo(row.comboId))
            return false;
    return true;
}

void ShowRows(QmThisApp& app, ListTable lists)
{
    for (const CheckList& list : lists) {
        if (list.title.traditional)
            app.SetCaption(app.Button(list.groupId), list.title);
        QmListview* view = app.ListView(list.listId);
        CheckListRefill refill(*view);
        ForEachShownRow(list, app.Facts(), [&app, view](const CheckRow& row, const KeyToggle*, int index) {
            app.InsertCheckRow(view, index, row.text, row.image);
        });
    }
}

void ShowChoices(QmThisApp& app, ChoiceTable choices)
{
    for (const ChoiceRow& row : choices) {
        if (!IsShown(row.on, app.Facts()))
            continue;
        QmButton* box = app.Button(row.boxId);
        QmCombo* combo = app.Combo(row.comboId);
        box->SetUnchecked();
        combo->SetCurSel(-1);
        app.SetCaption(box, row.caption);
        // A combo box that holds these choices already is not filled again.
        if (app.ComboContent(row.comboId) == row.choices.runs)
            continue;
        RedrawPause pause(*combo);
        combo->ResetContent();
        ForEachChoice(row.choices, [&app, combo](const TextPair& text, uint32_t) { app.AddComboText(combo, text); });
        app.SetComboContent(row.comboId, row.choices.runs);
    }
}

void ReadRows(ListTable lists, const SystemFacts& system, PageState& state)
{
    for (const CheckList& list : lists)
        ForEachShownRow(list, system, [&](const CheckRow& row, const KeyToggle* key, int index) {
            state.SetRow(list.listId, index, ReadCheckRow(row, key, system));
        });
}

void ReadChoices(ChoiceTable choices, const SystemFacts& system, PageState& state)
{
    for (const ChoiceRow& row : choices) {
        if (!IsShown(row.on, system))
            continue;
        const int position = ReadChoiceRow(row, system);
        state.SetBox(row.boxId, position >= 0 || row.unknown.checked);
        state.Select(row.comboId, position >= 0 ? position : row.unknown.selection);
    }
}

void ApplyRows(QmCReg& reg, QmThisApp& app, ListTable lists)
{
    for (const CheckList& list : lists) {
        const QmListview& view = *app.ListView(list.listId);
        ForEachShownRow(list, app.Facts(), [&](const CheckRow& row, const KeyToggle* key, int index) {
            WriteRow(reg, app, view, row, key, index);
        });
    }
}

void ApplyChoices(QmCReg& reg, QmThisApp& app, ChoiceTable choices)
{
    for (const ChoiceRow& row : choices)
        if (IsShown(row.on, app.Facts()))
            WriteChoiceRow(reg, row, BoxCheck(*app.Button(row.boxId)), app.Combo(row.comboId)->GetCurSel());
}

void ApplyRow(QmCReg& reg, QmThisApp& app, const CheckList& list, const CheckRow& row)
{
    const QmListview* view = app.ListView(list.listId);
    if (!view)
        return;
    ForEachShownRow(list, app.Facts(), [&](const CheckRow& shown, const KeyToggle* key, int index) {
        if (&shown == &row)
            WriteRow(reg, app, *view, row, key, index);
    });
}

void RecommendRows(QmThisApp& app, ListTable lists)
{
    for (const CheckList& list : lists) {
        QmListview* view = app.ListView(list.listId);
        if (!view)
            continue;
        ForEachShownRow(list, app.Facts(), [view](const CheckRow& row, const KeyToggle*, int index) {
            if (row.recommend == Recommend::Check)
                view->CheckItem(index);
            else if (row.recommend == Recommend::Clear)
                view->UncheckItem(index);
        });
    }
}

void RecommendChoices(QmThisApp& app, ChoiceTable choices)
{
    for (const ChoiceRow& row : choices) {
        QmButton* box = app.Button(row.boxId);
        QmCombo* combo = app.Combo(row.comboId);
        if (!IsShown(row.on, app.Facts()) || !box || !combo)
            continue;
        if (row.recommend != Recommend::None)
            box->SetCheck(row.recommend == Recommend::Check ? BST_CHECKED : BST_UNCHECKED);
        if (row.recommendedChoice >= 0)
            combo->SetCurSel(row.recommendedChoice);
    }
}

void BackupRows(ListTable lists, const SystemFacts& system, BackupList& items)
{
    for (const CheckList& list : lists)
        ForEachShownRow(list, system, [&items](const CheckRow& row, const KeyToggle* key, int) {
            AddRowBackup(items, row, key);
        });
}

void BackupChoices(ChoiceTable choices, const SystemFacts& system, BackupList& items)
{
    for (const ChoiceRow& row : choices)
        if (IsShown(row.on, system))
            AddChoiceBackup(items, row);
}

int RunApplyFrame(QmThisApp& app, void (*writes)(QmCReg& reg, QmThisApp& app))
{
    QmButton* applyButton = app.Button(kIdApplyButton);
    if (!app.Combo(kIdPageList) || !applyButton)
        return -1;
    applyButton->Enable(false);
    QmCReg reg;
    writes(reg, app);
    applyButton->Enable(true);
    return 0;
}
