#include "model/GroupRows.h"

#include "model/TweakRead.h"

namespace {
const int kMaxValues = 3;
}  // namespace

int ReadDwordRow(QmListview& list, int item, const DwordToggle* records, int count)
{
    if (count <= 1)
        return ReadDwordCheck(list, item, records[0]);
    const DwordToggle* values[kMaxValues] = {};
    count = count < kMaxValues ? count : kMaxValues;
    for (int i = 0; i < count; ++i)
        values[i] = &records[i];
    return ReadDwordsCheck(list, item, values, count);
}

void ApplyDwordRow(QmCReg& reg, const DwordToggle* records, int count, int check, WhenCleared cleared)
{
    for (int i = 0; i < count; ++i)
        ApplyDwordToggle(reg, records[i], check, cleared);
}
