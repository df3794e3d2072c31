#include "tests/hardening/ControlStates.h"

#include "tests/support/RegistryFacts.h"

#include <commctrl.h>

namespace {

const int kPageList = 2007;
const int kProgramList = 2092;
const int kDoneMark = 2094;
const char kImpossible[] = " (impossible)";

int Send(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return static_cast<int>(SendMessageW(control, message, wParam, lParam));
}

int ItemCheck(HWND list, int item)
{
    return ((Send(list, LVM_GETITEMSTATE, item, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12) - 1;
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
        if (id == kPageList || id == kProgramList || id == kDoneMark || !control || !IsWindowVisible(control) ||
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
        else if (cls == L"Button" && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
                                      type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON))
            visit(id, control, ControlKind::CheckButton);
    }
}

ControlStates StatesOnScreen(HWND main)
{
    ControlStates states;
    ForEachPageControl(main, [&](int id, HWND control, ControlKind kind) {
        std::string state;
        bool possible = true;
        wchar_t text[256] = {};
        switch (kind) {
        case ControlKind::List:
            state = "list ";
            for (int item = 0, count = Send(control, LVM_GETITEMCOUNT); item < count; ++item) {
                const int check = ItemCheck(control, item);
                possible = possible && (check == 0 || check == 1);
                state += check == 0 ? '0' : check == 1 ? '1' : '?';
            }
            break;
        case ControlKind::Combo: {
            const int selection = Send(control, CB_GETCURSEL), count = Send(control, CB_GETCOUNT);
            possible = selection >= -1 && selection < count;
            state = "combo " + std::to_string(selection) + " of " + std::to_string(count);
            break;
        }
        case ControlKind::Track: {
            const int position = Send(control, TBM_GETPOS);
            possible = position >= Send(control, TBM_GETRANGEMIN) && position <= Send(control, TBM_GETRANGEMAX);
            state = "track " + std::to_string(position);
            break;
        }
        case ControlKind::CheckButton:
            possible = Send(control, BM_GETCHECK) == BST_CHECKED || Send(control, BM_GETCHECK) == BST_UNCHECKED;
            state = "check " + std::to_string(Send(control, BM_GETCHECK));
            break;
        case ControlKind::Static:
            GetWindowTextW(control, text, 256);
            state = "text " + testreg::Narrow(text);
            break;
        }
        states[id] = possible ? state : state + kImpossible;
    });
    return states;
}

std::string StateDifferences(const ControlStates& expected, const ControlStates& actual)
{
    std::string out;
    for (const auto& entry : expected) {
        const auto found = actual.find(entry.first);
        if (found == actual.end() || found->second != entry.second)
            out += std::to_string(entry.first) + ": " + entry.second + " expected, " +
                   (found == actual.end() ? "no control" : found->second) + " shown\n";
    }
    for (const auto& entry : actual)
        if (!expected.count(entry.first))
            out += std::to_string(entry.first) + ": " + entry.second + " is extra\n";
    return out;
}

std::string ImpossibleStates(HWND main)
{
    std::string out;
    for (const auto& entry : StatesOnScreen(main))
        if (entry.second.find(kImpossible) != std::string::npos)
            out += std::to_string(entry.first) + ": " + entry.second + "\n";
    return out;
}
