#include "model/PageRows.h"
#include "model/TweakWrite.h"
#include "platform/QmCReg.h"
#include "tests/model/TweakModelFixture.h"

#include <gtest/gtest.h>

namespace {

const wchar_t kKey[] = L"Software\\ZentrakTest";
const int kChecked = 1, kCleared = 0, kNoCheckBox = -1;

const DwordToggle kToggle = {0, "t", REG_DWORD, kRootCurrentUser, L"Software\\ZentrakTest", L"T", 5, 9};

class WritePatterns : public TweakModelTest {
protected:
    QmCReg reg_;
};

TEST_F(WritePatterns, DwordToggleWritesOnOffOrDeletes)
{
    ApplyDwordToggle(reg_, kToggle, kChecked, WhenCleared::Delete);
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kKey, L"T").IsDword(9));
    ApplyDwordToggle(reg_, kToggle, kCleared, WhenCleared::WriteOff);
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kKey, L"T").IsDword(5));
    ApplyDwordToggle(reg_, kToggle, kNoCheckBox, WhenCleared::Delete);
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kKey, L"T").IsDword(5)) << "no check box writes nothing";
    ApplyDwordToggle(reg_, kToggle, kCleared, WhenCleared::Leave);
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kKey, L"T").IsDword(5));
    ApplyDwordToggle(reg_, kToggle, kCleared, WhenCleared::Delete);
    EXPECT_FALSE(testreg::ValueExists(HKEY_CURRENT_USER, kKey, L"T"));
}

TEST_F(WritePatterns, StringToggleWritesTheRecordsTexts)
{
    const StringToggle numLock = {0, "n", REG_SZ, kRootUsers, L".DEFAULT\\Control Panel\\Keyboard",
                                  L"InitialKeyboardIndicators", "0", "2147483648"};
    ApplyStringToggle(reg_, numLock, kChecked);
    const testreg::Value on = testreg::Get(HKEY_USERS, L".DEFAULT\\Control Panel\\Keyboard", L"InitialKeyboardIndicators");
    EXPECT_TRUE(on.IsString(L"2147483648"));
    ApplyStringToggle(reg_, numLock, kCleared);
    EXPECT_TRUE(testreg::Get(HKEY_USERS, L".DEFAULT\\Control Panel\\Keyboard", L"InitialKeyboardIndicators").IsString(L"0"));
}

TEST_F(WritePatterns, PolicyPairRemovesOnlyAMachineDword)
{
    const DwordToggle user = {0, "u", REG_DWORD, kRootCurrentUser, L"Software\\ZentrakTest", L"P", 0, 1};
    const DwordToggle machine = {0, "m", REG_DWORD, kRootLocalMachine, L"Software\\ZentrakTest", L"P", 0, 1};
    testreg::SetDword(HKEY_LOCAL_MACHINE, kKey, L"P", 1);
    ApplyPolicyPair(reg_, machine, user, kCleared, WhenCleared::WriteOff);
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, kKey, L"P"));
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kKey, L"P").IsDword(0));

    testreg::SetString(HKEY_LOCAL_MACHINE, kKey, L"P", L"1");
    ApplyPolicyPair(reg_, machine, user, kChecked, WhenCleared::WriteOff);
    EXPECT_TRUE(testreg::Get(HKEY_LOCAL_MACHINE, kKey, L"P").IsString(L"1")) << "not the policy's: stays";
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kKey, L"P").IsDword(1));
}

TEST_F(WritePatterns, ChoicesGoToEveryPlaceOrNowhere)
{
    const ChoiceRun numbers[] = {Named("", 100), Named("", 200), Named("", 300)};
    ChoiceRow row = {0, 0, {""}, ListOf(numbers), {}, WhenCleared::Leave};
    const uint32_t roots[] = {kRootCurrentUser, kRootLocalMachine, kRootUsers};
    for (int p = 0; p < 3; ++p)
        row.places[p] = RegPlace{roots[p], kKey, L"C", REG_DWORD};
    WriteChoiceRow(reg_, row, kChecked, 2);
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS})
        EXPECT_TRUE(testreg::Get(root, kKey, L"C").IsDword(300));
    const testreg::Snapshot before = testreg::TakeSnapshot();
    WriteChoiceRow(reg_, row, kChecked, -1);
    WriteChoiceRow(reg_, row, kChecked, 3);
    WriteChoiceRow(reg_, row, kCleared, 1);
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot())) << "no selection, or a cleared box left alone";
    row.cleared = WhenCleared::Delete;
    row.places[2] = RegPlace{};
    WriteChoiceRow(reg_, row, kCleared, 1);
    EXPECT_FALSE(testreg::ValueExists(HKEY_CURRENT_USER, kKey, L"C"));
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, kKey, L"C"));
    EXPECT_TRUE(testreg::ValueExists(HKEY_USERS, kKey, L"C"));

    // A REG_SZ place keeps the number as decimal text, -2 as "-2".
    const ChoiceRun texts[] = {Named("", 2000), Named("", static_cast<uint32_t>(-2))};
    row.choices = ListOf(texts);
    row.places[0].valueType = row.places[1].valueType = REG_SZ;
    WriteChoiceRow(reg_, row, kChecked, 1);
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kKey, L"C").IsString(L"-2"));
    EXPECT_TRUE(testreg::Get(HKEY_LOCAL_MACHINE, kKey, L"C").IsString(L"-2"));
}

TEST_F(WritePatterns, KeyTogglesCreateAndRemoveKeys)
{
    const KeyToggle toggle = {0, "k", kRootClassesRoot, L"*\\shell\\ZentrakTest"};
    ApplyKeyToggle(reg_, toggle, kChecked, KeyRemoval::DeleteKey);
    EXPECT_TRUE(testreg::KeyExists(HKEY_CLASSES_ROOT, L"*\\shell\\ZentrakTest"));
    testreg::SetString(HKEY_CLASSES_ROOT, L"*\\shell\\ZentrakTest", L"Named", L"kept");
    ApplyKeyToggle(reg_, toggle, kCleared, KeyRemoval::DeleteKey);
    EXPECT_TRUE(testreg::KeyExists(HKEY_CLASSES_ROOT, L"*\\shell\\ZentrakTest")) << "a key holding a value stays";

    RegDeleteKeyW(HKEY_CLASSES_ROOT, L"*\\shell\\ZentrakTest");
    testreg::SetString(HKEY_CLASSES_ROOT, L"*\\shell\\ZentrakTest", L"", L"Open with Notepad");
    ApplyKeyToggle(reg_, toggle, kCleared, KeyRemoval::RemoveKey);
    EXPECT_FALSE(testreg::KeyExists(HKEY_CLASSES_ROOT, L"*\\shell\\ZentrakTest")) << "only a default value: removed";

    ApplyKeyToggle(reg_, toggle, kCleared, KeyRemoval::DeleteKey, true);
    EXPECT_TRUE(testreg::KeyExists(HKEY_CLASSES_ROOT, L"*\\shell\\ZentrakTest")) << "cleared means present";
    ApplyKeyToggle(reg_, toggle, kNoCheckBox, KeyRemoval::DeleteKey, true);
    EXPECT_TRUE(testreg::KeyExists(HKEY_CLASSES_ROOT, L"*\\shell\\ZentrakTest"));
}

}  // namespace
