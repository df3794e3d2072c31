#include "model/TweakWrite.h"
#include "platform/QmCReg.h"
#include "tests/model/TweakModelFixture.h"
#include "ui/QmButton.h"

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
    const RegPlace places[] = {{kRootCurrentUser, kKey, L"C"}, {kRootLocalMachine, kKey, L"C"}, {kRootUsers, kKey, L"C"}};
    const uint32_t values[] = {100, 200, 300};
    ApplyDwordChoice(reg_, places, 3, kChecked, 2, values, 3, WhenCleared::Delete);
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS})
        EXPECT_TRUE(testreg::Get(root, kKey, L"C").IsDword(300));
    const testreg::Snapshot before = testreg::TakeSnapshot();
    ApplyDwordChoice(reg_, places, 3, kChecked, -1, values, 3, WhenCleared::Delete);
    ApplyDwordChoice(reg_, places, 3, kChecked, 3, values, 3, WhenCleared::Delete);
    ApplyDwordChoice(reg_, places, 3, kCleared, 1, values, 3, WhenCleared::Leave);
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot())) << "no selection, or a cleared box left alone";
    ApplyDwordChoice(reg_, places, 2, kCleared, 1, values, 3, WhenCleared::Delete);
    EXPECT_FALSE(testreg::ValueExists(HKEY_CURRENT_USER, kKey, L"C"));
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, kKey, L"C"));
    EXPECT_TRUE(testreg::ValueExists(HKEY_USERS, kKey, L"C"));

    const wchar_t* const texts[] = {L"2000", L"1000"};
    ApplyStringChoice(reg_, places, 2, kChecked, 1, texts, 2, WhenCleared::Leave);
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kKey, L"C").IsString(L"1000"));
    EXPECT_TRUE(testreg::Get(HKEY_LOCAL_MACHINE, kKey, L"C").IsString(L"1000"));
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

TEST_F(WritePatterns, TheApplyFrameDisablesWhileWritingAndAlwaysEnablesAgain)
{
    QmButton apply, pageList;
    ASSERT_TRUE(apply.CreatePushButton(Parent(), 2004, L"apply", 0, 0, 10, 10));
    ASSERT_TRUE(pageList.CreatePushButton(Parent(), 2007, L"pages", 0, 0, 10, 10));
    bool disabledDuringWrites = false;
    EXPECT_EQ(0, RunApplyFrame(&pageList, &apply, [&] {
        disabledDuringWrites = !apply.IsEnabled() && !pageList.IsEnabled();
        reg_.WriteDword(HKEY_LOCAL_MACHINE, L"Software\\Missing\\Parent", L"X", 1);
    }));
    EXPECT_TRUE(disabledDuringWrites);
    EXPECT_TRUE(apply.IsEnabled());
    EXPECT_TRUE(pageList.IsEnabled());

    bool wrote = false;
    EXPECT_EQ(-1, RunApplyFrame(&pageList, nullptr, [&] { wrote = true; }));
    EXPECT_EQ(-1, RunApplyFrame(nullptr, &apply, [&] { wrote = true; }));
    EXPECT_FALSE(wrote);
}

}  // namespace
