#include "platform/TextConvert.h"

#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The lines of a UTF-8 file with LF line ends.
std::vector<std::wstring> ReadLines(const wchar_t* path)
{
    const std::string bytes = ReadFileBytes(path);
    std::wstring text(bytes.size(), L'\0');
    text.resize(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0],
                                    static_cast<int>(text.size())));
    std::vector<std::wstring> lines;
    std::wistringstream in(text);
    for (std::wstring line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(TextConvert, NullGivesNullAndEmptyGivesEmpty)
{
    EXPECT_FALSE(AnsiToWide(nullptr, 950));
    EXPECT_FALSE(WideToAnsi(nullptr, 950));
    EXPECT_FALSE(MapToSimplified(nullptr));
    EXPECT_FALSE(TraditionalToSimplified(static_cast<const char*>(nullptr)));
    EXPECT_STREQ(L"", AnsiToWide("", 950).Get());
    EXPECT_STREQ("", TraditionalToSimplified("").Get());
}

TEST(TextConvert, RoundTripsThroughBothChineseCodePages)
{
    const wchar_t text[] = L"\x958B\x59CB\x529F\x80FD\x8868 Num Lock";  // 開始功能表 Num Lock
    QmOwnedNarrow big5 = WideToAnsi(text, 950);
    ASSERT_TRUE(big5);
    // 功 is A5 5C in Big5: its trail byte is a backslash.
    EXPECT_EQ(std::string("\xB6\x7D\xA9\x6C\xA5\x5C\xAF\xE0\xAA\xED Num Lock"), big5.Get());
    EXPECT_STREQ(text, AnsiToWide(big5.Get(), 950).Get());

    const wchar_t simplified[] = L"\x5F00\x59CB\x83DC\x5355";  // 开始菜单
    QmOwnedNarrow gbk = WideToAnsi(simplified, 936);
    ASSERT_TRUE(gbk);
    EXPECT_EQ(std::string("\xBF\xAA\xCA\xBC\xB2\xCB\xB5\xA5"), gbk.Get());
    EXPECT_STREQ(simplified, AnsiToWide(gbk.Get(), 936).Get());
}

TEST(TextConvert, BadInputNeverOverruns)
{
    // A lead byte with no trail byte: converted to something, never read past the terminator.
    QmOwnedWide lone = AnsiToWide("ab\x81", 950);
    ASSERT_TRUE(lone);
    EXPECT_EQ(L"ab", std::wstring(lone.Get()).substr(0, 2));
    EXPECT_LE(wcslen(lone.Get()), 3u);
    // A lone surrogate cannot be represented in Big5 and becomes the default character.
    EXPECT_STREQ("a?z", WideToAnsi(L"a\xD800z", 950).Get());
    EXPECT_STREQ(L"\xDC00\x5F00", MapToSimplified(L"\xDC00\x958B").Get());

    const std::wstring longText(10000, L'\x958B');
    QmOwnedNarrow longBig5 = WideToAnsi(longText.c_str(), 950);
    ASSERT_TRUE(longBig5);
    EXPECT_EQ(20000u, strlen(longBig5.Get()));
    QmOwnedNarrow longGbk = TraditionalToSimplified(longBig5.Get());
    ASSERT_TRUE(longGbk);
    EXPECT_STREQ(std::wstring(10000, L'\x5F00').c_str(), AnsiToWide(longGbk.Get(), 936).Get());
}

// OpenCC's own converter (run at build time) is the independent answer for every sample.
TEST(TextConvert, SimplifiedMappingAgreesWithOpenCC)
{
    const std::vector<std::wstring> traditional = ReadLines(L"traditional-sample.txt");
    const std::vector<std::wstring> oracle = ReadLines(L"simplified-oracle.txt");
    ASSERT_GT(traditional.size(), 50u);
    ASSERT_EQ(traditional.size(), oracle.size());
    int changed = 0;
    for (size_t i = 0; i < traditional.size(); ++i) {
        QmOwnedWide simplified = MapToSimplified(traditional[i].c_str());
        ASSERT_TRUE(simplified);
        EXPECT_EQ(oracle[i], simplified.Get()) << "line " << i + 1;
        changed += traditional[i] != oracle[i];

        // The Big5 road: 950 bytes in, 936 bytes out.
        QmOwnedNarrow big5 = WideToAnsi(traditional[i].c_str(), 950);
        QmOwnedNarrow gbk = TraditionalToSimplified(big5.Get());
        ASSERT_TRUE(gbk);
        EXPECT_EQ(oracle[i], AnsiToWide(gbk.Get(), 936).Get()) << "line " << i + 1;
    }
    EXPECT_GT(changed, 40) << "the sample should mostly need converting";
}

TEST(TextConvert, NumbersToText)
{
    EXPECT_STREQ(L"0000000A", FormatHex8(10).Get());
    EXPECT_STREQ(L"FFFFFFFF", FormatHex8(0xFFFFFFFFu).Get());
    EXPECT_STREQ(L"-2147483648", FormatInt(INT_MIN).Get());
    EXPECT_STREQ(L"4294967295", FormatUnsigned(0xFFFFFFFFu).Get());
}

}  // namespace
