// The text of one check-list row as a page table holds it: the 950 wording, and the 936
// wording only where the two differ, so a row whose wordings agree is written once.
#pragma once

#include "model/TextRecord.h"

struct CheckRowText {
    TextRecord traditional;
    TextRecord simplified = {0, ""};  // empty: the same as `traditional`

    constexpr TextPair Pair() const
    {
        return TextPair{&traditional, simplified.text[0] ? &simplified : &traditional};
    }
};
