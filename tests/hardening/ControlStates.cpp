#include "tests/hardening/ControlStates.h"

#include <commctrl.h>

#include <sstream>

namespace {

const int kFirstId = 2000;
const int kLastId = 2200;
const int kPageList = 2007;
const int kProgramList = 2092;
const int kDoneMark = 2094;

enum class Kind { Other, List, Combo, Track, CheckButton, Static };

Kind KindOf(HWND control)
{
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    const std::wstring cls(name);
    if (cls == WC_LISTVIEWW)
        return Kind::List;
    if (cls.find(L"ComboBox") != std::wstring::npos)
        return Kind::Combo;
    if (cls == TRACKBAR_CLASSW)
        return Kind::Track;
    if (cls == L"Static")
        return Kind::Static;
    if (cls == L"Button") {
        switch (GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return Kind::CheckButton;
        default:
            return Kind::Other;
        }
    }
    return Kind::Other;
}

// Placed inside the main window's client area rather than parked at x = -2500.
bool OnScreen(HWND main, HWND control)
{
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
    return IsWindowVisible(control) && rect.right > 0 && rect.left >= 0;
}

int Send(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return static_cast<int>(SendMessageW(control, message, wParam, lParam));
}

int ItemCheck(HWND list, int item)
{
    const int state = Send(list, LVM_GETITEMSTATE, item, LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) - 1;
}

// Calls visit(id, control, kind) for every page control on screen.
template <class Visit>
void ForEachOnScreen(HWND main, Visit&& visit)
{
    for (int id = kFirstId; id <= kLastId; ++id) {
        if (id == kPageList || id == kProgramList || id == kDoneMark)
            continue;
        HWND control = GetDlgItem(main, id);
        if (control && OnScreen(main, control))
            visit(id, control, KindOf(control));
    }
}

std::string Show(int value)
{
    return std::to_string(value);
}

std::string Show(const std::vector<int>& values)
{
    std::string out;
    for (int value : values)
        out += value == 1 ? '1' : value == 0 ? '0' : '?';
    return out;
}

std::string Show(const std::wstring& text)
{
    return std::string(text.begin(), text.end());  // digits only in practice
}

template <class Value>
void Compare(std::ostringstream& out, const char* what, const std::map<int, Value>& expected,
             const std::map<int, Value>& actual)
{
    for (const auto& entry : expected) {
        auto found = actual.find(entry.first);
        if (found == actual.end())
            out << what << " " << entry.first << " missing\n";
        else if (found->second != entry.second)
            out << what << " " << entry.first << ": " << Show(entry.second) << " expected, " << Show(found->second)
                << " shown\n";
    }
    for (const auto& entry : actual)
        if (expected.find(entry.first) == expected.end())
            out << what << " " << entry.first << " is extra\n";
}

}  // namespace

ControlStates StatesOnScreen(HWND main)
{
    ControlStates states;
    ForEachOnScreen(main, [&](int id, HWND control, Kind kind) {
        switch (kind) {
        case Kind::List: {
            std::vector<int>& checks = states.listChecks[id];
            const int count = Send(control, LVM_GETITEMCOUNT);
            for (int item = 0; item < count; ++item)
                checks.push_back(ItemCheck(control, item));
            break;
        }
        case Kind::Combo:
            states.comboSelections[id] = Send(control, CB_GETCURSEL);
            states.comboCounts[id] = Send(control, CB_GETCOUNT);
            break;
        case Kind::Track:
            states.trackPositions[id] = Send(control, TBM_GETPOS);
            break;
        case Kind::CheckButton:
            states.buttonChecks[id] = Send(control, BM_GETCHECK);
            break;
        case Kind::Static: {
            wchar_t text[256] = {};
            GetWindowTextW(control, text, 256);
            states.staticTexts[id] = text;
            break;
        }
        case Kind::Other:
            break;
        }
    });
    return states;
}

std::string StateDifferences(const ControlStates& expected, const ControlStates& actual)
{
    std::ostringstream out;
    Compare(out, "list", expected.listChecks, actual.listChecks);
    Compare(out, "button", expected.buttonChecks, actual.buttonChecks);
    Compare(out, "combo selection", expected.comboSelections, actual.comboSelections);
    Compare(out, "combo count", expected.comboCounts, actual.comboCounts);
    Compare(out, "track bar", expected.trackPositions, actual.trackPositions);
    Compare(out, "static", expected.staticTexts, actual.staticTexts);
    return out.str();
}

std::string ImpossibleStates(HWND main)
{
    std::ostringstream out;
    ForEachOnScreen(main, [&](int id, HWND control, Kind kind) {
        if (kind == Kind::List) {
            const int count = Send(control, LVM_GETITEMCOUNT);
            for (int item = 0; item < count; ++item) {
                const int check = ItemCheck(control, item);
                if (check != 0 && check != 1)
                    out << "list " << id << " item " << item << " has check state " << check << "\n";
            }
        } else if (kind == Kind::CheckButton) {
            const int check = Send(control, BM_GETCHECK);
            if (check != BST_CHECKED && check != BST_UNCHECKED)
                out << "button " << id << " has check state " << check << "\n";
        } else if (kind == Kind::Combo) {
            const int selection = Send(control, CB_GETCURSEL), count = Send(control, CB_GETCOUNT);
            if (selection < -1 || selection >= count)
                out << "combo " << id << " selects " << selection << " of " << count << "\n";
        } else if (kind == Kind::Track) {
            const int position = Send(control, TBM_GETPOS);
            const int low = Send(control, TBM_GETRANGEMIN), high = Send(control, TBM_GETRANGEMAX);
            if (position < low || position > high)
                out << "track bar " << id << " at " << position << " outside " << low << " to " << high << "\n";
        }
    });
    return out.str();
}

std::string Census(const ControlStates& states)
{
    size_t items = 0;
    for (const auto& list : states.listChecks)
        items += list.second.size();
    std::ostringstream out;
    out << states.listChecks.size() << " lists (" << items << " items), " << states.buttonChecks.size()
        << " check boxes, " << states.comboSelections.size() << " combo boxes, " << states.trackPositions.size()
        << " track bars";
    return out.str();
}
