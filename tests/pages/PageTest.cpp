#include "tests/pages/PageTest.h"

#include "app/LayoutMath.h"

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
    else if (HKEY opened = nullptr; RegOpenKeyExW(root, key.c_str(), 0, KEY_SET_VALUE, &opened) == ERROR_SUCCESS) {
        RegDeleteValueW(opened, name);
        RegCloseKey(opened);
    }
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
        if (v.row != kNotShown)
            rows[v.listId] = std::max(rows[v.listId], v.row + 1);
    for (const auto& [list, count] : rows)
        EXPECT_EQ(count, ItemCount(list)) << "rows of list " << list;

    auto where = [](const RowValue& v) {
        return std::to_string(v.listId) + " row " + std::to_string(v.row) + " " + testreg::Narrow(v.name ? v.name : v.key);
    };
    // Arranges the registry, reads, flips every row or not, applies, and checks what was written.
    auto phase = [&](const char* what, auto arrange, auto readsChecked, bool flip) {
        for (const RowValue& v : values)
            Put(v.root, v.key, v.name, v.row == kNotShown ? v.readsChecked : arrange(v));
        Reread();
        for (const RowValue& v : values)
            if (v.row != kNotShown) {
                EXPECT_EQ(readsChecked(v) ? 1 : 0, Check(v.listId, v.row)) << what << ": " << where(v);
            }
        for (const RowValue& v : values)
            if (v.row != kNotShown)
                SetCheck(v.listId, v.row, readsChecked(v) != flip);
        ASSERT_EQ(0, Apply());
        for (const RowValue& v : values) {
            const bool checked = readsChecked(v) != flip;
            EXPECT_TRUE(Holds(v.root, v.key, v.name,
                              v.row == kNotShown ? v.readsChecked : checked ? v.checkedWrites : v.clearedWrites))
                << what << (flip ? ", flipped" : ", applied as read");
            if (v.row != kNotShown) {
                EXPECT_EQ(checked ? 1 : 0, Check(v.listId, v.row)) << what << ", read back: " << where(v);
            }
        }
    };
    phase(
        "missing", [](const RowValue& v) { return v.name ? kAbsent : kNoKey; },
        [&](const RowValue& v) {
            const std::pair<int, int> place(v.listId, v.row);
            return std::find(missingReadsChecked.begin(), missingReadsChecked.end(), place) != missingReadsChecked.end();
        },
        false);
    phase("checked data", [](const RowValue& v) { return v.readsChecked; }, [](const RowValue&) { return true; }, true);
    phase("cleared data", [](const RowValue& v) { return v.readsCleared; }, [](const RowValue&) { return false; }, true);
}

namespace {

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

void PageTest::ExpectLayoutFits(const std::string& what)
{
    for (const SIZE size : {SIZE{640, 480}, SIZE{1000, 700}}) {
        RECT client = {0, 0, size.cx, size.cy};
        AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(Window(), GWL_EXSTYLE)));
        SetWindowPos(Window(), nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
        GetClientRect(Window(), &client);
        const std::string when = what + " at " + std::to_string(size.cx) + " x " + std::to_string(size.cy);
        struct Placed {
            int id;
            RECT rect;
            bool groupBox;
        };
        std::vector<Placed> placed;  // below the shared top row
        for (int id = 2000; id <= 2200; ++id) {
            QmWndBase* control = App().Control(id);
            if (!control || control->GetPositionInParent().x < 0)
                continue;
            const POINT at = control->GetPositionInParent();
            const SIZE extent = control->GetSize();
            const RECT rect = {at.x, at.y, at.x + extent.cx, at.y + extent.cy};
            EXPECT_TRUE(Inside(rect, client)) << when << ": control " << id << " leaves the client area";
            const bool groupBox =
                App().Button(id) && (GetWindowLongW(control->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
            if (at.y >= kPageTop)
                placed.push_back(Placed{id, rect, groupBox});
        }
        for (size_t a = 0; a < placed.size(); ++a)
            for (size_t b = a + 1; b < placed.size(); ++b) {
                RECT common;
                const bool held = (placed[a].groupBox && Inside(placed[b].rect, placed[a].rect)) ||
                                  (placed[b].groupBox && Inside(placed[a].rect, placed[b].rect));
                EXPECT_TRUE(held || !IntersectRect(&common, &placed[a].rect, &placed[b].rect))
                    << when << ": controls " << placed[a].id << " and " << placed[b].id << " overlap";
            }
        for (int id : {kIdListMain, kIdListRight, kIdListLower}) {
            QmListview* list = App().ListView(id);
            EXPECT_TRUE(list->GetPositionInParent().x < 0 || list->Send(LVM_GETCOUNTPERPAGE) >= list->GetItemCount())
                << when << ": list " << id << " cuts rows off";
        }
    }
}

std::string VersionName(const ::testing::TestParamInfo<int>& info)
{
    return info.param == kXp ? "Xp" : info.param == kVista ? "Vista" : "Win7";
}
