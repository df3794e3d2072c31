#include "tests/hardening/ControlStates.h"

#include "tests/support/RegistryFacts.h"

#include <commctrl.h>

namespace {

const int kPageList = 2007;
const int kProgramList = 2092;
const int kDoneMark = 2094;

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
        std::string& state = states[id];
        wchar_t text[256] = {};
        switch (kind) {
        case ControlKind::List:
            state = "list ";
            for (int item = 0, count = Send(control, LVM_GETITEMCOUNT); item < count; ++item) {
                const int check = ItemCheck(control, item);
                state += check == 0 ? '0' : check == 1 ? '1' : '?';
            }
            break;
        case ControlKind::Combo:
            state = "combo " + std::to_string(Send(control, CB_GETCURSEL)) + " of " + std::to_string(Send(control, CB_GETCOUNT));
            break;
        case ControlKind::Track:
            state = "track " + std::to_string(Send(control, TBM_GETPOS));
            break;
        case ControlKind::CheckButton:
            state = "check " + std::to_string(Send(control, BM_GETCHECK));
            break;
        case ControlKind::Static:
            GetWindowTextW(control, text, 256);
            state = "text " + testreg::Narrow(text);
            break;
        }
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
    ForEachPageControl(main, [&](int id, HWND control, ControlKind kind) {
        const std::string name = std::to_string(id) + " ";
        if (kind == ControlKind::List) {
            for (int item = 0, count = Send(control, LVM_GETITEMCOUNT); item < count; ++item)
                if (ItemCheck(control, item) != 0 && ItemCheck(control, item) != 1)
                    out += "list " + name + "item " + std::to_string(item) + " has no check state\n";
        } else if (kind == ControlKind::CheckButton) {
            if (Send(control, BM_GETCHECK) != BST_CHECKED && Send(control, BM_GETCHECK) != BST_UNCHECKED)
                out += "button " + name + "in the third state\n";
        } else if (kind == ControlKind::Combo) {
            const int selection = Send(control, CB_GETCURSEL), count = Send(control, CB_GETCOUNT);
            if (selection < -1 || selection >= count)
                out += "combo " + name + "selects " + std::to_string(selection) + " of " + std::to_string(count) + "\n";
        } else if (kind == ControlKind::Track) {
            const int position = Send(control, TBM_GETPOS);
            if (position < Send(control, TBM_GETRANGEMIN) || position > Send(control, TBM_GETRANGEMAX))
                out += "track bar " + name + "at " + std::to_string(position) + ", outside its range\n";
        }
    });
    return out;
}
