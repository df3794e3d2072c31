// Choice lists of the check box plus combo box pairs. A choice is a text and the registry
// number it stands for; a list is a few runs of choices, each run a rule over a counter, so a
// list of a thousand numbers is one line and a list of named choices one line per choice.
// Positions count from 0 across the runs of a list, in order; a number may be found at
// several positions, the first one counts.
#pragma once

#include "model/TextRecord.h"
#include "model/TweakRecord.h"

#include <cstdint>

// How a run turns its counter n into the registry number.
enum class ChoiceNumber : uint8_t {
    Counter,         // n itself
    Square,          // n x n
    ForwardBuffer,   // 74240 + n x 2560 x (n / 10 rounded up)
    ForwardPackets,  // the forward buffer of n, divided by 256
    WindowScale,     // 65535 x 2^n
    SecondsAsHex,    // the decimal digits of n followed by three zeros, read as hexadecimal
};

// What a choice's text shows between `before` and `after`.
enum class ChoiceShows : uint8_t {
    Nothing,  // `before` and `after` alone
    Counter,  // n / unit in decimal, with one decimal place when the unit does not divide it
    Number,   // the registry number in decimal
};

// Counters first, first + step, ... up to last.
struct ChoiceRun {
    uint32_t first;
    uint32_t last;
    uint32_t step;
    ChoiceNumber number;
    ChoiceShows shows;
    uint32_t unit;
    TextPair before;    // Big5
    const char* after;  // Big5, the same in both wordings
};

// One choice with a text of its own.
constexpr ChoiceRun Named(TextPair text, uint32_t number)
{
    return ChoiceRun{number, number, 1, ChoiceNumber::Counter, ChoiceShows::Nothing, 1, text, ""};
}
constexpr ChoiceRun Named(const char* text, uint32_t number)
{
    return Named(TextPair{text}, number);
}
// Counters that are their own numbers, shown as n / unit followed by `after`.
constexpr ChoiceRun Numbers(uint32_t first, uint32_t last, uint32_t step = 1, const char* after = "",
                            uint32_t unit = 1)
{
    return ChoiceRun{first, last, step, ChoiceNumber::Counter, ChoiceShows::Counter, unit, {""}, after};
}

// One counter that is its own number, followed by `after`.
constexpr ChoiceRun Number(uint32_t number, const char* after = "")
{
    return Numbers(number, number, 1, after);
}

struct ChoiceList {
    const ChoiceRun* runs;
    int runCount;
};

template <size_t N>
constexpr ChoiceList ListOf(const ChoiceRun (&runs)[N])
{
    return ChoiceList{runs, static_cast<int>(N)};
}

int ChoiceCount(const ChoiceList& list);
// The registry number at `position`; false (and 0) when there is no such position.
bool ChoiceValue(const ChoiceList& list, int position, uint32_t& number);
// The first position holding `number`; -1 when none does.
int FindChoice(const ChoiceList& list, uint32_t number);
// The text at `position` in both wordings, as Big5 text records; false (and empty texts) when
// there is none.
bool ChoiceText(const ChoiceList& list, int position, TextRecord& traditional, TextRecord& simplified);

// Calls visit(text, number) for every choice in order, the text as a TextPair.
template <class Visit>
void ForEachChoice(const ChoiceList& list, Visit&& visit)
{
    const int count = ChoiceCount(list);
    TextRecord traditional = {};
    TextRecord simplified = {};
    uint32_t number = 0;
    for (int position = 0; position < count; ++position)
        if (ChoiceText(list, position, traditional, simplified) && ChoiceValue(list, position, number))
            visit(TextPair{traditional.text, simplified.text}, number);
}
