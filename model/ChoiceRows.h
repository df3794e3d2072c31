// Rows of a check box with a combo box of choices beside it: what the pages' reads and applies
// do to the pair, whatever the value behind it.
#pragma once

class QmButton;
class QmCombo;

// What a row shows when its value matches no choice (missing, unreadable or unknown).
struct ChoiceFallback {
    bool checked;
    int selection;  // -1: no selection
};
const ChoiceFallback kUnknownChoiceClears = {false, -1};

// Before the texts go in: the box cleared, the combo without selection and emptied.
void ResetChoice(QmButton& box, QmCombo& combo);
// A read choice index: i >= 0 checks the box and selects item i; anything else shows the
// fallback.
void ShowChoice(QmButton& box, QmCombo& combo, int index, const ChoiceFallback& fallback = kUnknownChoiceClears);
// The box's state as the write patterns take it: 1 checked, 0 cleared.
int BoxCheck(const QmButton& box);
