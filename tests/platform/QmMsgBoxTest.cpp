#include "platform/QmMsgBox.h"

#include "tests/support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

namespace {

TEST(QmMsgBox, ReturnsAndKeepsTheButtonChosen)
{
    QmMsgBox box;
    MessageBoxAnswerer answerer({IDCANCEL, IDYES});
    EXPECT_EQ(IDCANCEL, box.OkCancel(L"\x4FEE\x6539\x8A2D\x5B9A", L"Caption", nullptr));
    EXPECT_EQ(IDCANCEL, box.LastResult());
    EXPECT_EQ(IDYES, box.YesNo(L"restart?", L"Zentrak", nullptr));
    EXPECT_EQ(IDYES, box.LastResult());
    const auto seen = answerer.Seen();
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ(L"Caption", seen[0].caption);
    EXPECT_EQ(L"\x4FEE\x6539\x8A2D\x5B9A", seen[0].text);
    EXPECT_EQ(L"restart?", seen[1].text);
}

TEST(QmMsgBox, TextIsTheTitleWhenNoneIsGiven)
{
    QmMsgBox box;
    MessageBoxAnswerer answerer({IDOK});
    EXPECT_EQ(IDOK, box.Ok(L"only text", nullptr));
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_EQ(L"only text", answerer.Seen()[0].caption);
}

TEST(QmMsgBox, DiagnosticsShowTheLastError)
{
    QmMsgBox box;
    MessageBoxAnswerer answerer({IDOK, IDOK, IDOK});
    SetLastError(1234);
    box.ShowLastError(nullptr);
    SetLastError(5);
    box.ShowLastErrorWithText(L"open", nullptr);
    box.ShowValue(-3, nullptr);
    const auto seen = answerer.Seen();
    ASSERT_EQ(3u, seen.size());
    EXPECT_EQ(L"Error : Last error code is", seen[0].caption);
    EXPECT_EQ(L"1234", seen[0].text);
    EXPECT_EQ(L"open - 5", seen[1].text);
    EXPECT_EQ(L"val is", seen[2].caption);
    EXPECT_EQ(L"-3", seen[2].text);
    EXPECT_EQ(QmMsgBox().Language(), box.Language());  // the diagnostics restore the language
}

}  // namespace
