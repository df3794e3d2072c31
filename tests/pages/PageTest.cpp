#include "tests/pages/PageTest.h"

#include "app/LayoutMath.h"
#include "tests/support/RegistryFacts.h"

#include <vector>

void Put(HKEY root, const wchar_t* key, const wchar_t* name, const Data& data)
{
    if (data.kind == Data::Dword) {
        testreg::SetDword(root, key, name, data.number);
    } else if (data.kind == Data::Text) {
        testreg::SetString(root, key, name, data.text);
    } else {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(root, key, 0, KEY_SET_VALUE, &opened) == ERROR_SUCCESS) {
            RegDeleteValueW(opened, name);
            RegCloseKey(opened);
        }
    }
}

::testing::AssertionResult Holds(HKEY root, const wchar_t* key, const wchar_t* name, const Data& data)
{
    const testreg::Value value = testreg::Get(root, key, name);
    const bool ok = data.kind == Data::Absent ? !value.exists
                    : data.kind == Data::Dword ? value.IsDword(data.number)
                                               : value.IsString(data.text);
    if (ok)
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << testreg::Narrow(name) << " is ";
    if (!value.exists)
        return failure << "absent";
    if (value.type == REG_DWORD && value.data.size() == 4)
        return failure << "DWORD " << *reinterpret_cast<const DWORD*>(value.data.data());
    return failure << "type " << value.type << " \"" << testreg::Narrow(value.Text()) << "\"";
}

void PageTest::ExpectRowsBothWays(const RowValueCase* cases, int count)
{
    for (int i = 0; i < count; ++i)
        Put(cases[i].root, cases[i].key, cases[i].name, cases[i].readsChecked);
    Reread();
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(1, Check(cases[i].listId, cases[i].row)) << cases[i].what;
    for (int i = 0; i < count; ++i)
        SetCheck(cases[i].listId, cases[i].row, false);
    ASSERT_EQ(0, Apply());
    for (int i = 0; i < count; ++i) {
        EXPECT_TRUE(Holds(cases[i].root, cases[i].key, cases[i].name, cases[i].clearedWrites)) << cases[i].what << " cleared";
        EXPECT_EQ(0, Check(cases[i].listId, cases[i].row)) << cases[i].what << " after the re-read";
    }

    for (int i = 0; i < count; ++i)
        Put(cases[i].root, cases[i].key, cases[i].name, cases[i].readsCleared);
    Reread();
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(0, Check(cases[i].listId, cases[i].row)) << cases[i].what;
    for (int i = 0; i < count; ++i)
        SetCheck(cases[i].listId, cases[i].row, true);
    ASSERT_EQ(0, Apply());
    for (int i = 0; i < count; ++i) {
        EXPECT_TRUE(Holds(cases[i].root, cases[i].key, cases[i].name, cases[i].checkedWrites)) << cases[i].what << " checked";
        EXPECT_EQ(1, Check(cases[i].listId, cases[i].row)) << cases[i].what << " after the re-read";
    }
}

namespace {

struct Placed {
    int id;
    RECT rect;
    bool groupBox;
};

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

void PageTest::ExpectLayoutFits(const char* what)
{
    for (const SIZE size : {SIZE{640, 480}, SIZE{1000, 700}}) {
        RECT client = {0, 0, size.cx, size.cy};
        AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(Window(), GWL_EXSTYLE)));
        SetWindowPos(Window(), nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
        GetClientRect(Window(), &client);
        const std::string when = std::string(what) + " at " + std::to_string(size.cx) + " x " + std::to_string(size.cy);
        // The page area, below the shared top row.
        std::vector<Placed> placed;
        for (int id = 2000; id <= 2200; ++id) {
            QmWndBase* control = App().Control(id);
            if (!control)
                continue;
            const POINT at = control->GetPositionInParent();
            const SIZE extent = control->GetSize();
            if (at.x < 0 || at.y < kPageTop)
                continue;
            const RECT rect = {at.x, at.y, at.x + extent.cx, at.y + extent.cy};
            const bool groupBox =
                App().Button(id) && (GetWindowLongW(control->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
            placed.push_back(Placed{id, rect, groupBox});
            EXPECT_TRUE(Inside(rect, client)) << when << ": control " << id << " leaves the client area";
        }
        for (size_t a = 0; a < placed.size(); ++a) {
            for (size_t b = a + 1; b < placed.size(); ++b) {
                RECT common;
                const bool held = (placed[a].groupBox && Inside(placed[b].rect, placed[a].rect)) ||
                                  (placed[b].groupBox && Inside(placed[a].rect, placed[b].rect));
                EXPECT_TRUE(held || !IntersectRect(&common, &placed[a].rect, &placed[b].rect))
                    << when << ": controls " << placed[a].id << " and " << placed[b].id << " overlap";
            }
        }
        for (int id : {kIdListMain, kIdListRight, kIdListLower}) {
            QmListview* list = App().ListView(id);
            const bool placedList = list->GetPositionInParent().x >= 0;
            EXPECT_TRUE(!placedList || list->Send(LVM_GETCOUNTPERPAGE) >= list->GetItemCount())
                << when << ": list " << id << " cuts rows off";
        }
    }
}

std::string VersionName(const ::testing::TestParamInfo<int>& info)
{
    return info.param == kXp ? "Xp" : info.param == kVista ? "Vista" : "Win7";
}
