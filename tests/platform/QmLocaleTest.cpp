#include "platform/QmLocale.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(QmLocale, CodePageTextMustBeADecimalNumber)
{
    const struct {
        const wchar_t* text;
        int expected;
    } cases[] = {
        {L"950", 950}, {L"65001", 65001}, {nullptr, -1}, {L"", -1},      {L"95a", -1},
        {L"-1", -1},   {L"950 ", -1},     {L"+950", -1}, {L"999999", -1}, {L"\xFF19\xFF15\xFF10", -1},  // full-width digits
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, ParseCodePage(c.text)) << "case " << (&c - cases);
}

// A locale whose ANSI code-page field is not a number, as a broken system could report it.
class GarbledLocale : public QmLocale {
public:
    const wchar_t* QueryInfo(LCID, LCTYPE type) override
    {
        return type == LOCALE_IDEFAULTANSICODEPAGE ? L"950x" : L"950";
    }
};

TEST(QmLocale, AFieldThatIsNoNumberReadsAsMinusOne)
{
    GarbledLocale locale;
    EXPECT_EQ(950, locale.SystemOemCodePage());
    EXPECT_EQ(-1, locale.SystemAnsiCodePage());
    EXPECT_EQ(-1, locale.UserAnsiCodePage());
}

// The test runs once per locale; Wine takes the code pages from LANG.
TEST(QmLocale, FourCodePagesFollowTheSystemLocale)
{
    wchar_t lang[64] = {};
    GetEnvironmentVariableW(L"ZENTRAK_LANG", lang, 64);
    const std::wstring name = lang[0] ? lang : L"zh_TW.UTF-8";
    int oem = 0, ansi = 0;
    if (name.rfind(L"zh_TW", 0) == 0)
        oem = ansi = 950;
    else if (name.rfind(L"zh_CN", 0) == 0)
        oem = ansi = 936;
    else if (name.rfind(L"en_US", 0) == 0)
        oem = 437, ansi = 1252;
    else
        GTEST_SKIP() << "no expectation for this locale";

    QmLocale locale;
    EXPECT_EQ(oem, locale.SystemOemCodePage());
    EXPECT_EQ(ansi, locale.SystemAnsiCodePage());
    EXPECT_EQ(oem, locale.UserOemCodePage());
    EXPECT_EQ(ansi, locale.UserAnsiCodePage());
}

}  // namespace
