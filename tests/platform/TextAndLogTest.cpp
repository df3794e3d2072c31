// Every Chinese text of the program into Simplified Chinese.
#include "platform/TextConvert.h"

#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// The lines of a UTF-8 file with LF line ends.
std::vector<std::wstring> ReadLines(const wchar_t* path)
{
    const QmOwnedWide text = AnsiToWide(ReadFileBytes(path).c_str(), CP_UTF8);
    std::vector<std::wstring> lines;
    std::wistringstream in(text ? text.Get() : L"");
    for (std::wstring line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// OpenCC's own converter (run at build time) is the independent answer for every sample.
TEST(TextConvert, SimplifiedMappingAgreesWithOpenCC)
{
    const std::vector<std::wstring> traditional = ReadLines(L"traditional-sample.txt");
    const std::vector<std::wstring> oracle = ReadLines(L"simplified-oracle.txt");
    ASSERT_GT(traditional.size(), 30u);
    ASSERT_EQ(traditional.size(), oracle.size());
    int changed = 0;
    for (size_t i = 0; i < traditional.size(); ++i) {
        EXPECT_STREQ(oracle[i].c_str(), MapToSimplified(traditional[i].c_str()).Get()) << "line " << i + 1;
        changed += traditional[i] != oracle[i];
        // The Big5 road: 950 bytes in, 936 bytes out.
        QmOwnedNarrow gbk = TraditionalToSimplified(WideToAnsi(traditional[i].c_str(), 950).Get());
        EXPECT_STREQ(oracle[i].c_str(), AnsiToWide(gbk.Get(), 936).Get()) << "line " << i + 1;
    }
    EXPECT_GT(changed, 25) << "the sample should mostly need converting";
    EXPECT_FALSE(MapToSimplified(nullptr));
    EXPECT_FALSE(TraditionalToSimplified(static_cast<const char*>(nullptr)));
    // Registry and file texts reach the console converted: a lone surrogate becomes '?', and a
    // long text comes through whole.
    EXPECT_STREQ("a?z", WideToAnsi(L"a\xD800z", 950).Get());
    const QmOwnedNarrow longGbk = TraditionalToSimplified(WideToAnsi(std::wstring(10000, L'\x958B').c_str(), 950).Get());
    const QmOwnedWide back = AnsiToWide(longGbk.Get(), 936);
    EXPECT_TRUE(back && back.Get() == std::wstring(10000, L'\x5F00')) << "a long text was not converted whole";
}

}  // namespace
