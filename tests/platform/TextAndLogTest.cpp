// Texts into Simplified Chinese, and the program's log.
#include "platform/QmLog.h"
#include "platform/TextConvert.h"

#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <regex>
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
        ASSERT_TRUE(gbk);
        EXPECT_STREQ(oracle[i].c_str(), AnsiToWide(gbk.Get(), 936).Get()) << "line " << i + 1;
    }
    EXPECT_GT(changed, 25) << "the sample should mostly need converting";
    EXPECT_FALSE(MapToSimplified(nullptr));
    EXPECT_FALSE(TraditionalToSimplified(static_cast<const char*>(nullptr)));
}

TEST(QmLog, LinesAreStampedAndALogThatCannotBeOpenedIsIgnored)
{
    ScratchFolder folder;
    const std::wstring path = folder.File(L"Qm.log");
    QmLog log;
    log.WriteLine(path.c_str(), L"B %d\n", 4);
    const std::string text = ReadFileBytes(path);
    EXPECT_TRUE(std::regex_match(text, std::regex(R"(\[\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}\]B 4\r\n)"))) << text;
    log.WriteLine(nullptr, L"I 1\n");
    log.WriteLine(folder.File(L"missing\\Qm.log").c_str(), L"I 1\n");
    EXPECT_FALSE(FileExists(folder.File(L"missing")));
    log.WriteLine(folder.Path().c_str(), L"I 1\n");  // a folder, not a file
    // A file held open without sharing, as another program could hold the log.
    HANDLE locked = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    log.WriteLine(path.c_str(), L"I 1\n");
    CloseHandle(locked);
    EXPECT_EQ(text, ReadFileBytes(path));
}

}  // namespace
