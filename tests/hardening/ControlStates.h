// What the controls of the page on screen show, read through window messages only, so the
// same code serves a window of this process and the real Zentrak.exe in another: the check
// of every list item, check box and radio button, the selection and item count of every
// combo box, the position of every track bar and the text of every static text. Controls
// parked off-screen (other pages' controls) are left out.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

struct ControlStates {
    std::map<int, std::vector<int>> listChecks;  // list id: check of each item (1, 0, -1)
    std::map<int, int> buttonChecks;             // check boxes and radio buttons
    std::map<int, int> comboSelections;
    std::map<int, int> comboCounts;
    std::map<int, int> trackPositions;
    std::map<int, std::wstring> staticTexts;
};

// The page's controls of `main` (ids 2000 to 2200); the page and program lists are not page
// controls and are left out.
ControlStates StatesOnScreen(HWND main);
// A line for every control whose state differs, or that one of the two lacks; "" when equal.
std::string StateDifferences(const ControlStates& expected, const ControlStates& actual);
// A line for every state no control of a page may show: a list item without a check state
// (or any but 0 and 1), a check box in the third state, a combo selection outside -1 to
// count - 1, a track bar outside its range; "" when there is none.
std::string ImpossibleStates(HWND main);
// How many controls of each kind `StatesOnScreen` found, for messages.
std::string Census(const ControlStates& states);
