#include "tests/hardening/ControlStates.h"

#include "app/ControlIds.h"
#include "tests/support/RegistryFacts.h"

#include <commctrl.h>

namespace {

const char kImpossible[] = " (impossible)";

int Send(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return static_cast<int>(SendMessageW(control, message, wParam, lParam));
}

}  // namespace

void ForEachPageControl(HWND main, const std::function<void(int id, HWND control, ControlKind kind)>& visit)
{
    for (int id = 2000; id <= 2200; ++id) {
        HWND control = GetDlgItem(main, id);
        RECT rect = {};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
        // Inside the main window's client area rather than parked at x = -2500.
        if (id == kIdPageList || id == kIdProgramList || id == kIdDoneMark || !control || !IsWindowVisible(control) ||
            rect.right <= 0 || rect.left < 0)
            continue;
        wchar_t name[64] = {};
        GetClassNameW(control, name, 64);
        const std::wstring cls(name);
        const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
        if (cls == WC_LISTVIEWW)
            visit(id, control, ControlKind::List);
        else if (cls.find(L"ComboBox") != std::wstring::npos)
            visit(id, control, ControlKind::Combo);
        else if (cls == TRACKBAR_CLASSW)
            visit(id, control, ControlKind::Track);
        else if (cls == L"Static")
            visit(id, control, ControlKind::Static);
        else if (cls == L"Button" && ((type >= BS_CHECKBOX && type <= BS_AUTO3STATE) || type == BS_AUTORADIOBUTTON))
            visit(id, control, ControlKind::CheckButton);
    }
}

ControlStates StatesOnScreen(HWND main)
{
    ControlStates states;
    ForEachPageControl(main, [&](int id, HWND control, ControlKind kind) {
        std::string state;
        bool possible = true;
        if (kind == ControlKind::List) {
            state = "list ";
            for (int item = 0, count = Send(control, LVM_GETITEMCOUNT); item < count; ++item) {
                const int check = ((Send(control, LVM_GETITEMSTATE, item, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12) - 1;
                possible = possible && (check == 0 || check == 1);
                state += check == 0 ? '0' : check == 1 ? '1' : '?';
            }
        } else if (kind == ControlKind::Combo) {
            const int selection = Send(control, CB_GETCURSEL), count = Send(control, CB_GETCOUNT);
            possible = selection >= -1 && selection < count;
            state = "combo " + std::to_string(selection) + " of " + std::to_string(count);
        } else if (kind == ControlKind::Track) {
            const int position = Send(control, TBM_GETPOS);
            possible = position >= Send(control, TBM_GETRANGEMIN) && position <= Send(control, TBM_GETRANGEMAX);
            state = "track " + std::to_string(position);
        } else if (kind == ControlKind::CheckButton) {
            const int check = Send(control, BM_GETCHECK);
            possible = check == BST_CHECKED || check == BST_UNCHECKED;
            state = "check " + std::to_string(check);
        } else {
            wchar_t text[256] = {};
            GetWindowTextW(control, text, 256);
            state = "text " + testreg::Narrow(text);
        }
        states[id] = possible ? state : state + kImpossible;
    });
    return states;
}

std::string StateDifferences(const ControlStates& expected, const ControlStates& actual)
{
    std::string out;
    for (const auto& [id, state] : expected)
        if (!actual.count(id) || actual.at(id) != state)
            out += std::to_string(id) + ": " + state + " expected, " + (actual.count(id) ? actual.at(id) : "no control") + " shown\n";
    for (const auto& [id, state] : actual)
        if (!expected.count(id))
            out += std::to_string(id) + ": " + state + " is extra\n";
    return out;
}

std::string ImpossibleStates(HWND main)
{
    std::string out;
    for (const auto& [id, state] : StatesOnScreen(main))
        out += state.find(kImpossible) != std::string::npos ? std::to_string(id) + ": " + state + "\n" : "";
    return out;
}
