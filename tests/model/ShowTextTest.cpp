#include "model/ShellTexts.h"
#include "model/ShowText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(TextRecords, AreStoredAsBig5)
{
    // 開始功能表: 功 is A5 5C, its trail byte the backslash.
    EXPECT_EQ(std::string("\xB6\x7D\xA9\x6C\xA5\x5C\xAF\xE0\xAA\xED"), kPageNames950[1].text);
    EXPECT_EQ(std::string("\xB6\x7D\xA9\x6C\xB5\xE6\xB3\xE6"), kPageNames936[1].text);  // 開始菜單
    EXPECT_EQ(std::string("Internet Explorer"), kPageNames950[8].text);
    for (int id = 0; id < kTitleCount; ++id) {
        EXPECT_EQ(static_cast<uint32_t>(id), kTitles950[id].id);
        EXPECT_EQ(static_cast<uint32_t>(id), kTitles936[id].id);
    }
}

TEST(ShowText, TraditionalShowsTheFirstWording)
{
    QmOwnedWide shown = ShowText(kLanguageTraditional, PageName(1));
    ASSERT_TRUE(shown);
    EXPECT_STREQ(L"\x958B\x59CB\x529F\x80FD\x8868", shown.Get());  // 開始功能表
    EXPECT_STREQ(L"\x8A2D\x5B9A\x958B\x59CB\x529F\x80FD\x8868\x986F\x793A\x901F\x5EA6:",  // 設定開始功能表顯示速度:
                 ShowText(kLanguageTraditional, Title(kTitleStartMenuSpeed)).Get());
}

TEST(ShowText, SimplifiedConvertsTheSecondWording)
{
    EXPECT_STREQ(L"\x5F00\x59CB\x83DC\x5355", ShowText(kLanguageSimplified, PageName(1)).Get());  // 开始菜单
    EXPECT_STREQ(L"\x7F51\x8DEF 2", ShowText(kLanguageSimplified, PageName(6)).Get());           // 网路 2
    EXPECT_STREQ(L"\x8BBE\x5B9A\x5F00\x59CB\x83DC\x5355\x663E\x793A\x901F\x5EA6:",              // 设定开始菜单显示速度:
                 ShowText(kLanguageSimplified, Title(kTitleStartMenuSpeed)).Get());
}

TEST(ShowText, NoLanguageSetsNothing)
{
    EXPECT_FALSE(ShowText(kLanguageNone, PageName(0)));
    EXPECT_FALSE(ShowText(1252, PageName(0)));
    EXPECT_FALSE(ShowText(0, "a", "b"));
}

TEST(ShowText, EmptyAndNullTextsGiveEmptyTexts)
{
    EXPECT_STREQ(L"", ShowText(kLanguageTraditional, "", "").Get());
    EXPECT_STREQ(L"", ShowText(kLanguageSimplified, "", "").Get());
    EXPECT_STREQ(L"", ShowText(kLanguageSimplified, nullptr, nullptr).Get());
}

TEST(ShowText, ARecordFilledToTheLastByteIsNotOverrun)
{
    TextRecord full[2];
    memset(full, 'x', sizeof(full));  // no terminator in the first record
    QmOwnedWide shown = ShowText(kLanguageTraditional, full[0], full[0]);
    ASSERT_TRUE(shown);
    EXPECT_EQ(std::wstring(kTextBytes, L'x'), shown.Get());
}

}  // namespace
