// What the controls of the page on screen show, read through window messages only, so the
// same code serves a window of this process and the real Zentrak.exe in another. Controls
// parked off-screen (other pages' controls) are left out.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>

enum class ControlKind { List, Combo, Track, CheckButton, Static };

// Calls `visit` for each page control of `main` on screen (ids 2000 to 2200; the page and
// program lists are not page controls) of one of the kinds above.
void ForEachPageControl(HWND main, const std::function<void(int id, HWND control, ControlKind kind)>& visit);

// By id: the check of every list item, the check of a check box or radio button, a combo
// box's selection and item count, a track bar's position, a static control's text; each
// marked when no control of a page may show it (below).
using ControlStates = std::map<int, std::string>;
ControlStates StatesOnScreen(HWND main);
// A line for every control whose state differs, or that one of the two lacks; "" when equal.
std::string StateDifferences(const ControlStates& expected, const ControlStates& actual);
// A line for every state no control of a page may show: a list item without a check state
// (or any but 0 and 1), a check box in the third state, a combo selection outside -1 to
// count - 1, a track bar outside its range; "" when there is none.
std::string ImpossibleStates(HWND main);
