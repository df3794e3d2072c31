#include "tests/pages/PageTest.h"

#include <shlwapi.h>

#include <algorithm>

void Put(HKEY root, const std::wstring& key, const wchar_t* name, const Data& data)
{
    if (data.kind == Data::Dword)
        testreg::SetDword(root, key, name, data.number);
    else if (data.kind == Data::Text)
        testreg::SetString(root, key, name, data.text);
    else if (data.kind == Data::Key)
        testreg::CreateKey(root, key);
    else if (data.kind == Data::NoKey)
        SHDeleteKeyW(root, key.c_str());
    else
        testreg::RemoveValue(root, key, name);
}

::testing::AssertionResult Holds(HKEY root, const std::wstring& key, const wchar_t* name, const Data& data)
{
    const std::string where = testreg::Narrow(key) + " : " + testreg::Narrow(name ? name : L"(key)");
    if (data.kind == Data::Key || data.kind == Data::NoKey) {
        const int values = testreg::ValueCount(root, key);  // -1: no key
        if (data.kind == Data::Key ? values == 0 : values < 0)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << where << " holds " << values << " values, expected "
                                             << (data.kind == Data::Key ? "an empty key" : "no key");
    }
    const testreg::Value value = testreg::Get(root, key, name);
    const bool ok = data.kind == Data::Absent  ? !value.exists
                    : data.kind == Data::Dword ? value.IsDword(data.number)
                                               : value.IsString(data.text);
    if (ok)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << where << " is " << testreg::Describe(value) << ", expected "
                                         << (data.kind == Data::Absent  ? "absent"
                                             : data.kind == Data::Dword ? std::to_string(data.number)
                                                                        : testreg::Narrow(data.text));
}

void PageTest::ExpectRowsBothWays(const std::vector<RowValue>& values,
                                  const std::vector<std::pair<int, int>>& missingReadsChecked)
{
    std::map<int, int> rows;
    for (const RowValue& v : values)
        rows[v.listId] = std::max(rows[v.listId], v.row + 1);
    for (const auto& [list, count] : rows)
        EXPECT_EQ(count, ItemCount(list)) << "rows of list " << list;
    for (const RowValue& v : values)
        EXPECT_TRUE(v.row == kNotShown || std::wstring(ItemText(v.listId, v.row).CStr()).find(v.text) != std::wstring::npos) << v.row;
    // Arranges the registry, reads, flips every row or not, applies, and checks what was written.
    auto phase = [&](const char* what, auto arrange, auto readsChecked, bool flip) {
        for (const RowValue& v : values)
            Put(v.root, v.key, v.name, v.row == kNotShown ? v.readsChecked : arrange(v));
        Reread();
        for (const RowValue& v : values)
            EXPECT_TRUE(v.row == kNotShown || Check(v.listId, v.row) == readsChecked(v))
                << what << ": list " << v.listId << " row " << v.row << " " << testreg::Narrow(v.name ? v.name : v.key);
        for (const RowValue& v : values)
            if (v.row != kNotShown)
                SetCheck(v.listId, v.row, readsChecked(v) != flip);
        ASSERT_EQ(0, Apply());
        for (const RowValue& v : values) {
            const bool checked = readsChecked(v) != flip;
            EXPECT_TRUE(Holds(v.root, v.key, v.name, v.row == kNotShown ? v.readsChecked : checked ? v.checkedWrites : v.clearedWrites))
                << what << (flip ? ", flipped" : ", applied as read");
            EXPECT_TRUE(v.row == kNotShown || Check(v.listId, v.row) == checked) << what << ", read back: row " << v.row;
        }
    };
    const auto missingChecked = [&](const RowValue& v) {
        return std::count(missingReadsChecked.begin(), missingReadsChecked.end(), std::pair(v.listId, v.row)) > 0;
    };
    phase("missing", [](const RowValue& v) { return v.name ? kAbsent : kNoKey; }, missingChecked, false);
    phase("checked data", [](const RowValue& v) { return v.readsChecked; }, [](const RowValue&) { return true; }, true);
    phase("cleared data", [](const RowValue& v) { return v.readsCleared; }, [](const RowValue&) { return false; }, true);
}

std::string VersionName(const ::testing::TestParamInfo<int>& info)
{
    return info.param == kXp ? "Xp" : info.param == kVista ? "Vista" : "Win7";
}
