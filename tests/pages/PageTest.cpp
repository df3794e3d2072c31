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

void PageTest::ExpectLayoutFits(const char* when)
{
    RECT client = {};
    GetClientRect(Window(), &client);
    std::vector<Placed> placed;
    // The page area, below the shared top row.
    for (int id = 2000; id <= 2200; ++id) {
        QmWndBase* control = App().Control(id);
        if (!control)
            continue;
        const POINT at = control->GetPositionInParent();
        const SIZE size = control->GetSize();
        if (at.x < 0 || at.y < kPageTop)
            continue;
        const RECT rect = {at.x, at.y, at.x + size.cx, at.y + size.cy};
        const bool groupBox = (GetWindowLongW(control->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
                              App().Button(id) != nullptr;
        placed.push_back(Placed{id, rect, groupBox});
        EXPECT_TRUE(Inside(rect, client)) << when << ": control " << id << " leaves the client area";
    }
    for (size_t a = 0; a < placed.size(); ++a) {
        for (size_t b = a + 1; b < placed.size(); ++b) {
            RECT common;
            if (!IntersectRect(&common, &placed[a].rect, &placed[b].rect))
                continue;
            const bool held = (placed[a].groupBox && Inside(placed[b].rect, placed[a].rect)) ||
                              (placed[b].groupBox && Inside(placed[a].rect, placed[b].rect));
            EXPECT_TRUE(held) << when << ": controls " << placed[a].id << " and " << placed[b].id << " overlap";
        }
    }
    for (int id : {kIdListMain, kIdListRight, kIdListLower}) {
        QmListview* list = App().ListView(id);
        if (list->GetPositionInParent().x < 0)
            continue;
        EXPECT_GE(static_cast<int>(list->Send(LVM_GETCOUNTPERPAGE)), list->GetItemCount())
            << when << ": list " << id << " cuts rows off";
    }
}

void PageTest::ResizeClient(int width, int height)
{
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(Window(), GWL_EXSTYLE)));
    SetWindowPos(Window(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
}

std::string VersionName(const ::testing::TestParamInfo<int>& info)
{
    return info.param == kXp ? "Xp" : info.param == kVista ? "Vista" : "Win7";
}
