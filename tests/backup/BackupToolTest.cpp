#include "backup/RegExport.h"
#include "tests/backup/ToolFixture.h"
#include "tests/support/RegistryInterceptor.h"

namespace {

using testreg::Narrow;

// Writes under one hive refused: the places there are reported, the summary counts what
// took, and the hint names that hive (administrator rights only where they would help).
TEST_F(ToolTest, ValuesThatDoNotTakeAreReportedByHiveAndTheRestIsRestored)
{
    // denied hive  rule  name in a snapshot  rights hint
    const struct { uint32_t root; RegistryInterceptor::Rule rule; const wchar_t* snapshotName; bool rightsHint; } kCases[] = {
        {kRootLocalMachine, DenyWritesUnder(HKEY_LOCAL_MACHINE), L" HKLM\\", true},
        {kRootCurrentUser, DenyWritesUnder(HKEY_CURRENT_USER), L" HKCU\\", false},
    };
    const BackupList places = Places(0);
    for (const auto& c : kCases) {
        const std::wstring hive = RegRootName(c.root);
        SCOPED_TRACE(Narrow(hive));
        ArrangePlaces(places, 0);
        const testreg::Snapshot before = testreg::TakeSnapshot();
        const std::wstring file = BackUp(0);
        ArrangePlaces(places, 1);
        {
            RegistryInterceptor denied;
            denied.SetRule(c.rule);
            EXPECT_EQ(kToolNotRestored, Run({L"restore", file}));
        }
        size_t refused = 0;
        for (const BackupItem& place : places.Items())
            if (place.root == c.root) {
                ++refused;
                EXPECT_NE(std::wstring::npos, output_.err.find(hive + L"\\" + place.keyPath + L"  \"" + place.valueName + L"\""))
                    << Narrow(place.valueName);
            }
        ASSERT_GT(refused, 0u);
        EXPECT_NE(std::wstring::npos, output_.out.find(L"已還原 " + std::to_wstring(places.Items().size() - refused) + L" 項；"))
            << Narrow(output_.out);
        EXPECT_NE(std::wstring::npos, output_.err.find(std::to_wstring(refused) + L" 項未能還原（" + hive + L"）"))
            << Narrow(output_.err);
        EXPECT_EQ(c.rightsHint, output_.err.find(L"系統管理員權限") != std::wstring::npos) << Narrow(output_.err);
        EXPECT_EQ(refused + (c.rightsHint ? 2 : 1), Count(output_.err, L"\n")) << "one line per place and a summary";
        // The denied places keep the changed data; every other place is back as it was.
        const std::string differences = testreg::Differences(before, testreg::TakeSnapshot());
        const std::wstring named(differences.begin(), differences.end());  // names are ASCII
        EXPECT_EQ(refused, Count(named, c.snapshotName)) << differences;
        EXPECT_EQ(refused, Count(named, L" HKLM\\") + Count(named, L" HKCU\\") + Count(named, L" HKU\\")) << differences;
    }
}

TEST_F(ToolTest, BackupWritesWithTheApplicationsCodeAndChecksItsArguments)
{
    ASSERT_EQ(kToolSuccess, Run({L"backup", L"all"}));
    EXPECT_EQ(9u, Count(output_.out, L"已寫入 "));
    for (int page = 0; page < kTweakPageCount; ++page)
        EXPECT_EQ(1u, FilesIn(folder_.File(L"QM_Backup\\XP\\" + std::to_wstring(page)))) << page;
    const std::wstring file = BackUp(0);

    // command line, exit code
    const struct { std::vector<std::wstring> arguments; int exitCode; } kCases[] = {
        {{L"Backup", L"ie"}, kToolSuccess}, {{L"backup"}, kToolUsageError}, {{L"backup", L"9"}, kToolUsageError}, {{L"backup", L"01"}, kToolUsageError},
        {{L"restore", L"a.qmb", L"--force"}, kToolUsageError}, {{L"export-reg", L"a.qmb"}, kToolUsageError}, {{L"frobnicate"}, kToolUsageError},
        {{}, kToolUsageError}, {{L"show", L"missing.qmb"}, kToolBadFile},
        // Help only as the command; anywhere else an option no command knows.
        {{L"/?"}, kToolSuccess}, {{L"help"}, kToolSuccess}, {{L"--help", L"restore"}, kToolUsageError}, {{L"restore", L"--help"}, kToolUsageError},
        {{L"restore", file, L"-h"}, kToolUsageError}, {{L"backup", L"0", L"/?"}, kToolUsageError}, {{L"list", L"-x"}, kToolUsageError},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(c.exitCode, Run(c.arguments)) << "case " << &c - kCases;
        EXPECT_TRUE(c.exitCode != kToolUsageError || output_.err != L"") << "case " << &c - kCases;
    }
    // A backup file named like the help is a file like any other.
    testreg::SetDword(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"PaintDesktopVersion", 7);
    ASSERT_TRUE(CopyFileW(file.c_str(), folder_.File(L"help").c_str(), FALSE));
    EXPECT_EQ(kToolSuccess, Run({L"restore", L"help"}));
    EXPECT_FALSE(testreg::ValueExists(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"PaintDesktopVersion"));

    // Windows versions the backup format has no name for: nothing at all is done.
    Use(Version{114, 8, 0});
    EXPECT_EQ(kToolFailed, Run({L"backup", L"0"}));
    EXPECT_EQ(kToolFailed, Run({L"restore", file}));
    EXPECT_NE(std::wstring::npos, output_.err.find(L"Windows XP"));
}

// show puts each item beside what the registry holds now; list gives this system's files of
// each page oldest first by their time, those it cannot use last.
TEST_F(ToolTest, ShowAndListSayWhatTheBackupsHold)
{
    EXPECT_TRUE(Run({L"list"}) == kToolSuccess && output_.out == L"沒有備份檔。\n") << Narrow(output_.out);
    // A text where the page reads a number: saved as unreadable, and a restore leaves it alone.
    const wchar_t* const kPolicy = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
    testreg::SetString(HKEY_CURRENT_USER, kPolicy, L"NoSaveSettings", L"1");
    const std::wstring file = BackUp(0), desktop = file.substr(0, file.rfind(L'\\') + 1);
    testreg::SetDword(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"PaintDesktopVersion", 0x42);
    testreg::SetString(HKEY_CURRENT_USER, kPolicy, L"NoSaveSettings", L"changed since");
    // Named so that the names sort the other way round from the times, and first a file whose
    // time holds control characters: unusable, and shown escaped.
    int name = 0;
    for (const wchar_t* stamp : {L"0\r\x1b[2K", L"2009_12_1_8_0_0", L"2009_2_26_14_5_9"}) {
        QmWString text;
        ASSERT_TRUE(BuildPageBackup(app_, 0, QmWString(stamp), text));
        WriteFileBytes(desktop + L"DT_" + std::to_wstring(name++) + L".qmb", Utf16Bytes(text.CStr()));
    }
    BackUp(3);
    ASSERT_EQ(kToolSuccess, Run({L"list"}));
    size_t at = 0;
    for (const std::wstring& line : {L"DT  2009-02-26 14:05:09  12 項  " + desktop + L"DT_2.qmb\n", std::wstring(L"DT  2009-12-01 08:00:00  12 項"), file,
                                     L"\"0\\r\\x1B[2K\"」格式不正確。  " + desktop + L"DT_0.qmb\n", std::wstring(L"\nCN  ")})
        EXPECT_NE(std::wstring::npos, at = output_.out.find(line, at)) << Narrow(line) << " in order in\n" << Narrow(output_.out);
    EXPECT_TRUE(Count(output_.out, L"\n") == 5 && output_.out.find(L'\r') == std::wstring::npos) << Narrow(output_.out);
    EXPECT_TRUE(Run({L"list", L"cn"}) == kToolSuccess && output_.out.find(L"CN  ") == 0 && Count(output_.out, L"\n") == 1) << Narrow(output_.out);

    Use(kXpSp2, 936);  // in the Simplified wording
    ASSERT_EQ(kToolSuccess, Run({L"show", file}));
    EXPECT_TRUE(Count(output_.out, L"\n[") == 12 && Count(output_.out, L"（相同）") == 10 && Count(output_.out, L"（不同）") == 1 &&
                output_.out.find(L"\"PaintDesktopVersion\"\n    状态 -1　备份：不存在　当前：00000042 (66)　（不同）\n") != std::wstring::npos)
        << Narrow(output_.out);
    ASSERT_EQ(kToolSuccess, Run({L"restore", file}));
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kPolicy, L"NoSaveSettings").IsString(L"changed since"));
    EXPECT_FALSE(testreg::ValueExists(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"PaintDesktopVersion"));
}

// A registry file is written whole or not at all, and never over the backup it is made from.
TEST_F(ToolTest, ExportReplacesItsOutputWholeAndNeverItsInput)
{
    const std::wstring file = BackUp(0);
    const std::string backup = ReadFileBytes(file);
    const std::wstring name = file.substr(file.rfind(L'\\') + 1);
    for (const std::wstring& output : {file, testreg::Lower(file), L"QM_Backup\\XP\\0\\..\\0\\" + name}) {
        EXPECT_EQ(kToolUsageError, Run({L"export-reg", file, output})) << Narrow(output);
        EXPECT_EQ(backup, ReadFileBytes(file));
    }

    // A longer file of that name is replaced whole.
    const std::wstring expected = folder_.File(L"expected.reg"), reg = folder_.File(L"page.reg");
    ASSERT_EQ(kToolSuccess, Run({L"export-reg", file, expected}));
    WriteFileBytes(reg, std::string(50000, 'x'));
    EXPECT_EQ(kToolSuccess, Run({L"export-reg", file, reg})) << Narrow(output_.err);
    EXPECT_TRUE(ReadFileBytes(expected) == ReadFileBytes(reg));

    // A file held without sharing cannot be replaced: it stays as it was, and nothing is left.
    WriteFileBytes(reg, "old");
    HANDLE holder = CreateFileW(reg.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(kToolFailed, Run({L"export-reg", file, reg}));
    CloseHandle(holder);
    EXPECT_EQ("old", ReadFileBytes(reg));
    EXPECT_EQ(3u, FilesIn(folder_.Path())) << "QM_Backup and the two .reg files";
}

}  // namespace
