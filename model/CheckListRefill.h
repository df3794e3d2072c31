// Replacing every row of a check list at once: while the rows go and come the list neither
// draws nor updates its scroll bars, and it does both once, when the refill ends. Filling a
// list that is still small (parked with another page's size) otherwise shows and hides its
// scroll bars row by row, and under Wine each change is a round trip to the display.
#pragma once

#include "ui/QmListview.h"

class CheckListRefill {
public:
    // Empties `list` (which must exist) and holds its drawing until the object goes.
    explicit CheckListRefill(QmListview& list) : list_(list)
    {
        list_.Send(WM_SETREDRAW, FALSE);
        list_.DeleteAllItems();
    }
    ~CheckListRefill() { list_.Send(WM_SETREDRAW, TRUE); }

    CheckListRefill(const CheckListRefill&) = delete;
    CheckListRefill& operator=(const CheckListRefill&) = delete;

private:
    QmListview& list_;
};
