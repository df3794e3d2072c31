// What a page's controls must show after its read: the checks of check-list rows, check boxes
// and radio buttons, combo box selections, track bar positions and texts. A read fills it
// from the registry alone, never touching a control, so it may run on any thread; the window
// then shows it on its own thread.
#pragma once

#include "platform/QmString.h"

#include <vector>

class PageState {
public:
    enum class Kind { Row, Box, Selection, Position, Text };
    struct Entry {
        Kind kind;
        int id;     // the control
        int row;    // a check-list row
        int value;  // a check (1 or 0), a selection (-1: none) or a position
        QmWString text;
    };

    void SetRow(int listId, int row, bool checked) { Add(Kind::Row, listId, row, checked ? 1 : 0); }
    // A check box or radio button.
    void SetBox(int id, bool checked) { Add(Kind::Box, id, 0, checked ? 1 : 0); }
    void Select(int comboId, int selection) { Add(Kind::Selection, comboId, 0, selection); }
    void SetPosition(int trackbarId, int position) { Add(Kind::Position, trackbarId, 0, position); }
    void SetText(int staticId, const wchar_t* text)
    {
        Add(Kind::Text, staticId, 0, 0);
        entries_.back().text = QmWString(text);
    }

    // In the order the read set them.
    const std::vector<Entry>& Entries() const { return entries_; }

private:
    void Add(Kind kind, int id, int row, int value) { entries_.push_back(Entry{kind, id, row, value, QmWString()}); }

    std::vector<Entry> entries_;
};
