#include "platform/QmLog.h"

#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace {

class QmLogTest : public ::testing::Test {
protected:
    std::wstring LogPath() const { return folder_.File(L"Qm.log"); }
    std::string NarrowLogPath() const  // the scratch path is ASCII
    {
        const std::wstring path = LogPath();
        return std::string(path.begin(), path.end());
    }
    std::string Contents() const { return ReadFileBytes(LogPath()); }

    ScratchFolder folder_;
    QmLog log_;
};

TEST(QmLogStamp, PadsEverythingButTheYear)
{
    SYSTEMTIME time = {};
    time.wYear = 987, time.wMonth = 2, time.wDay = 6, time.wHour = 4, time.wMinute = 5, time.wSecond = 9;
    char stamp[32];
    FormatLogStamp(time, stamp);
    EXPECT_STREQ("[987/02/06 04:05:09]", stamp);
}

TEST_F(QmLogTest, StampedLinesAndPlainTextEndInCrLf)
{
    SYSTEMTIME before;
    GetLocalTime(&before);
    log_.WriteLine(LogPath().c_str(), L"new Button Error code: %u\n", 1400u);
    log_.WriteLineNarrow(NarrowLogPath().c_str(), "code %d", -5);  // no line end is added
    log_.WriteNarrow(NarrowLogPath().c_str(), "%s\n", "|tail");
    log_.Write(LogPath().c_str(), L"I 1\n");
    const std::string text = Contents();
    const std::regex lines(R"(\[(\d{4})/\d{2}/\d{2} \d{2}:\d{2}:\d{2}\]new Button Error code: 1400\r\n)"
                           R"(\[\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}\]code -5\|tail\r\nI 1\r\n)");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(text, match, lines)) << text;
    EXPECT_EQ(std::to_string(before.wYear), match[1].str());
}

TEST_F(QmLogTest, PercentSignsInArgumentsAreStoredUnchanged)
{
    log_.Write(LogPath().c_str(), L"%s|%S\n", L"100%d %s", "50%u");
    log_.WriteNarrow(nullptr, "%s\n", "x");
    EXPECT_EQ("100%d %s|50%u\r\n", Contents());
}

TEST_F(QmLogTest, LongMessagesAreCutNotOverrun)
{
    const std::wstring longWide(5000, L'w');
    log_.Write(LogPath().c_str(), L"%s", longWide.c_str());
    const std::string wide = Contents();
    EXPECT_GE(wide.size(), 1000u);
    EXPECT_LE(wide.size(), 1023u);
    EXPECT_EQ(std::string::npos, wide.find_first_not_of('w'));

    DeleteFileW(LogPath().c_str());
    const std::string longNarrow(5000, 'n');
    log_.WriteNarrow(NarrowLogPath().c_str(), "%s", longNarrow.c_str());
    EXPECT_EQ(std::string(1023, 'n'), Contents());
}

TEST_F(QmLogTest, FilesThatCannotBeOpenedAreIgnored)
{
    log_.WriteLine(nullptr, L"I 1\n");
    log_.WriteLine(folder_.File(L"missing\\Qm.log").c_str(), L"I 1\n");
    EXPECT_FALSE(FileExists(folder_.File(L"missing")));
    log_.WriteLine(folder_.Path().c_str(), L"I 1\n");  // a folder, not a file
    // A file held open without sharing, as another program could hold the log.
    HANDLE locked = CreateFileW(LogPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);
    log_.WriteLine(LogPath().c_str(), L"I 1\n");
    CloseHandle(locked);
    EXPECT_EQ("", Contents());
}

}  // namespace
