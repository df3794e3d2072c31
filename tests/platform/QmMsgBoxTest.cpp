#include "platform/QmMsgBox.h"

#include "tests/support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

namespace {

TEST(QmMsgBox, ReturnsAndKeepsTheButtonChosen)
{
    QmMsgBox box;
    MessageBoxAnswerer answerer({IDCANCEL, IDOK, IDOK});
    EXPECT_EQ(IDCANCEL, box.OkCancel(L"\x4FEE\x6539\x8A2D\x5B9A", L"Caption", nullptr));
    EXPECT_EQ(IDCANCEL, box.LastResult());
    EXPECT_EQ(IDOK, box.Ok(L"only text", nullptr));
    EXPECT_EQ(IDOK, box.LastResult());
    // The error code is taken before the message is put together.
    SetLastError(5);
    box.ShowLastErrorWithText(L"open", nullptr);
    const auto seen = answerer.Seen();
    ASSERT_EQ(3u, seen.size());
    EXPECT_EQ(L"Caption", seen[0].caption);
    EXPECT_EQ(L"\x4FEE\x6539\x8A2D\x5B9A", seen[0].text);
    EXPECT_EQ(L"only text", seen[1].caption) << "the text is the title when none is given";
    EXPECT_EQ(L"open - 5", seen[2].text);
    EXPECT_EQ(QmMsgBox().Language(), box.Language()) << "the diagnostics restore the language";
}

}  // namespace
