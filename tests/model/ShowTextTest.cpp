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
}

TEST(ShowText, EachLanguageShowsItsOwnWording)
{
    const struct {
        int language;
        TextPair text;
        const wchar_t* shown;
    } cases[] = {
        {kLanguageTraditional, PageName(1), L"開始功能表"},
        {kLanguageTraditional, Title(kTitleStartMenuSpeed), L"設定開始功能表顯示速度:"},
        // The second wording, converted to Simplified Chinese.
        {kLanguageSimplified, PageName(1), L"开始菜单"},
        {kLanguageSimplified, PageName(6), L"网路 2"},
        {kLanguageSimplified, Title(kTitleStartMenuSpeed), L"设定开始菜单显示速度:"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.shown, ShowText(c.language, c.text).Get());
    // Any other language sets nothing; empty and null texts show as empty texts.
    EXPECT_FALSE(ShowText(kLanguageNone, PageName(0)));
    EXPECT_FALSE(ShowText(1252, PageName(0)));
    EXPECT_STREQ(L"", ShowText(kLanguageTraditional, "", "").Get());
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
