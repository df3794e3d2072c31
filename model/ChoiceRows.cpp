#include "model/ChoiceRows.h"

#include "ui/QmButton.h"
#include "ui/QmCombo.h"

void ResetChoice(QmButton& box, QmCombo& combo)
{
    box.SetUnchecked();
    combo.SetCurSel(-1);
    combo.ResetContent();
}

void ShowChoice(QmButton& box, QmCombo& combo, int index, const ChoiceFallback& fallback)
{
    const bool known = index >= 0;
    box.SetCheck(known || fallback.checked ? BST_CHECKED : BST_UNCHECKED);
    combo.SetCurSel(known ? index : fallback.selection);
}

int BoxCheck(const QmButton& box)
{
    return box.GetCheck() == BST_CHECKED ? 1 : 0;
}
