#include "model/ChoiceLists.h"

#include <cstdio>

namespace {

uint32_t RunLength(const ChoiceRun& run)
{
    if (run.step == 0 || run.last < run.first)
        return 1;
    return (run.last - run.first) / run.step + 1;
}

// The run holding `position` and that choice's counter. Counters are computed, never
// stepped past `last`, so a run may end at the top of the 32-bit range.
bool Locate(const ChoiceList& list, int position, const ChoiceRun*& run, uint32_t& counter)
{
    if (position < 0)
        return false;
    uint32_t left = static_cast<uint32_t>(position);
    for (int i = 0; i < list.runCount; ++i) {
        const uint32_t length = RunLength(list.runs[i]);
        if (left < length) {
            run = &list.runs[i];
            counter = run->first + left * run->step;
            return true;
        }
        left -= length;
    }
    return false;
}

uint32_t ForwardBuffer(uint32_t n)
{
    return 74240 + n * 2560 * ((n + 9) / 10);
}

uint32_t SecondsAsHex(uint32_t seconds)
{
    uint32_t digits = 0;
    for (uint32_t place = 0; seconds > 0; seconds /= 10, place += 4)
        digits |= (seconds % 10) << place;
    return digits << 12;
}

uint32_t NumberOf(const ChoiceRun& run, uint32_t n)
{
    switch (run.number) {
    case ChoiceNumber::Counter:
        return n;
    case ChoiceNumber::Square:
        return n * n;
    case ChoiceNumber::ForwardBuffer:
        return ForwardBuffer(n);
    case ChoiceNumber::ForwardPackets:
        return ForwardBuffer(n) / 256;
    case ChoiceNumber::WindowScale:
        return 65535u << n;
    case ChoiceNumber::SecondsAsHex:
        return SecondsAsHex(n);
    }
    return n;
}

}  // namespace

int ChoiceCount(const ChoiceList& list)
{
    uint32_t count = 0;
    for (int i = 0; i < list.runCount; ++i)
        count += RunLength(list.runs[i]);
    return static_cast<int>(count);
}

bool ChoiceValue(const ChoiceList& list, int position, uint32_t& number)
{
    const ChoiceRun* run = nullptr;
    uint32_t n = 0;
    number = 0;
    if (!Locate(list, position, run, n))
        return false;
    number = NumberOf(*run, n);
    return true;
}

int FindChoice(const ChoiceList& list, uint32_t number)
{
    const int count = ChoiceCount(list);
    uint32_t candidate = 0;
    for (int position = 0; position < count; ++position)
        if (ChoiceValue(list, position, candidate) && candidate == number)
            return position;
    return -1;
}

namespace {

void FormatChoice(const ChoiceRun& run, uint32_t n, const char* before, TextRecord& text)
{
    text.id = 950;
    before = before ? before : "";
    const char* after = run.after ? run.after : "";
    if (run.shows == ChoiceShows::Nothing) {
        snprintf(text.text, sizeof(text.text), "%s%s", before, after);
    } else if (run.shows == ChoiceShows::Number) {
        snprintf(text.text, sizeof(text.text), "%s%lu%s", before, static_cast<unsigned long>(NumberOf(run, n)),
                 after);
    } else {
        const uint32_t unit = run.unit ? run.unit : 1;
        const unsigned long whole = n / unit;
        // Only halves occur ("2.5 分鐘", "1.5 小時"); one decimal place says them exactly.
        const unsigned long tenths = static_cast<unsigned long>(static_cast<uint64_t>(n % unit) * 10 / unit);
        if (n % unit)
            snprintf(text.text, sizeof(text.text), "%s%lu.%lu%s", before, whole, tenths, after);
        else
            snprintf(text.text, sizeof(text.text), "%s%lu%s", before, whole, after);
    }
}

}  // namespace

bool ChoiceText(const ChoiceList& list, int position, TextRecord& traditional, TextRecord& simplified)
{
    const ChoiceRun* run = nullptr;
    uint32_t n = 0;
    traditional = TextRecord{950, ""};
    simplified = TextRecord{950, ""};
    if (!Locate(list, position, run, n))
        return false;
    FormatChoice(*run, n, run->before.traditional, traditional);
    FormatChoice(*run, n, run->before.Simplified(), simplified);
    return true;
}
