#include "backup/BackupFormat.h"
#include "tests/backup/ToolFixture.h"
#include "tests/support/RegistryInterceptor.h"

#include "platform/QmFile.h"

namespace {

using testreg::Narrow;

TEST_F(ToolTest, EveryPageOnEveryVersionComesBackExactly)
{
    for (const Version& version : kVersions) {
        Use(version);
        for (int page = 0; page < kTweakPageCount; ++page) {
            SCOPED_TRACE(Describe(version, page));
            const BackupList places = Places(page);
            Arrange(places, 0);
            const testreg::Snapshot before = testreg::TakeSnapshot();
            const std::wstring file = BackUp(page);
            ASSERT_TRUE(FileExists(file)) << Narrow(file);

            Arrange(places, 1);
            if (!places.Items().empty()) {
                ASSERT_NE("", testreg::Differences(before, testreg::TakeSnapshot())) << "the change changed nothing";
            }
            ASSERT_EQ(kToolSuccess, Run({L"restore", file})) << Narrow(output_.err);
            EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
            EXPECT_EQ(L"", output_.err);

            // A second restore finds everything in place and writes nothing.
            ASSERT_EQ(kToolSuccess, Run({L"restore", file, L"--dry-run"}));
            EXPECT_EQ(0u, Count(output_.out, L"寫入 ") + Count(output_.out, L"刪除"));
        }
    }
}

TEST_F(ToolTest, ADryRunListsTheChangesAndWritesNothing)
{
    const BackupList places = Places(0);
    ASSERT_FALSE(places.Items().empty());
    Arrange(places, 0);
    const std::wstring file = BackUp(0);
    Arrange(places, 1);
    const testreg::Snapshot changed = testreg::TakeSnapshot();

    ASSERT_EQ(kToolSuccess, Run({L"restore", L"--dry-run", file}));
    EXPECT_EQ("", testreg::Differences(changed, testreg::TakeSnapshot()));
    const std::wstring planned = output_.out;
    // Every place differs, so every place is one line: a write or a deletion.
    EXPECT_EQ(places.Items().size(), Count(planned, L"寫入 ") + Count(planned, L"刪除值 "));
    EXPECT_NE(std::wstring::npos, planned.find(L"HKEY_CURRENT_USER\\Control Panel\\Desktop  \"PaintDesktopVersion\""));

    // The real restore does what the dry run announced.
    ASSERT_EQ(kToolSuccess, Run({L"restore", file}));
    for (const wchar_t* step : {L"寫入 ", L"刪除值 "})
        EXPECT_EQ(Count(planned, step), Count(output_.out, step)) << Narrow(step);
}

TEST_F(ToolTest, ValuesThatDoNotTakeAreReportedAndTheRestIsRestored)
{
    const BackupList places = Places(0);
    Arrange(places, 0);
    const testreg::Snapshot before = testreg::TakeSnapshot();
    const std::wstring file = BackUp(0);
    Arrange(places, 1);
    {
        MachineWritesDenied noAdministrator;
        EXPECT_EQ(kToolNotRestored, Run({L"restore", file}));
    }
    size_t machine = 0;
    for (const BackupItem& place : places.Items())
        if (place.root == kRootLocalMachine) {
            ++machine;
            EXPECT_NE(std::wstring::npos, output_.err.find(L"HKEY_LOCAL_MACHINE\\" + std::wstring(place.keyPath) + L"  \"" +
                                                           place.valueName + L"\""))
                << Narrow(place.valueName);
        }
    ASSERT_GT(machine, 0u);
    EXPECT_EQ(machine + 1, Count(output_.err, L"\n")) << "one line per place and a summary";
    // The machine's places keep the changed data; every other place is back as it was.
    const std::string differences = testreg::Differences(before, testreg::TakeSnapshot());
    size_t machineDifferences = 0;
    for (size_t at = differences.find(" HKLM\\"); at != std::string::npos; at = differences.find(" HKLM\\", at + 1))
        ++machineDifferences;
    EXPECT_EQ(machine, machineDifferences) << differences;
    EXPECT_EQ(std::string::npos, differences.find(" HKCU\\")) << differences;
    EXPECT_EQ(std::string::npos, differences.find(" HKU\\")) << differences;
}

TEST_F(ToolTest, AValueUnreadableAtBackupTimeIsLeftAlone)
{
    // A REG_SZ where the page reads a DWORD: saved with status -3.
    testreg::SetString(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"PaintDesktopVersion", L"1");
    const std::wstring file = BackUp(0);
    testreg::SetString(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"PaintDesktopVersion", L"changed since");
    ASSERT_EQ(kToolSuccess, Run({L"restore", file}));
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"PaintDesktopVersion").IsString(L"changed since"));
}

TEST_F(ToolTest, ShowPutsEachSavedItemBesideTheRegistry)
{
    const BackupList places = Places(0);
    Arrange(places, 0);
    const std::wstring file = BackUp(0);
    testreg::SetDword(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"PaintDesktopVersion", 0x42);

    ASSERT_EQ(kToolSuccess, Run({L"show", file}));
    const std::wstring& out = output_.out;
    EXPECT_NE(std::wstring::npos, out.find(L"DT（桌面、登入）"));
    EXPECT_NE(std::wstring::npos, out.find(L"XP"));
    EXPECT_EQ(places.Items().size(), Count(out, L"\n[")) << Narrow(out);
    EXPECT_EQ(1u, Count(out, L"（不同）"));
    EXPECT_EQ(places.Items().size() - 1, Count(out, L"（相同）"));
    const size_t item = out.find(L"\"PaintDesktopVersion\"\n");
    ASSERT_NE(std::wstring::npos, item);
    const size_t start = item + 22;
    const std::wstring values = out.substr(start, out.find(L'\n', start) - start);
    EXPECT_NE(std::wstring::npos, values.find(L"00000042 (66)")) << Narrow(values);
    EXPECT_NE(std::wstring::npos, values.find(L"（不同）"));
    // A multi-line text is shown on one line.
    EXPECT_NE(std::wstring::npos, out.find(L"\"a\\\"\\\\<&>\\n</Data>\\nz"));
}

TEST_F(ToolTest, ListShowsTheSystemsBackupsOldestFirst)
{
    ASSERT_EQ(kToolSuccess, Run({L"list"}));
    EXPECT_EQ(L"沒有備份檔。\n", output_.out);

    ASSERT_EQ(1, PrepareBackupFolders(app_));
    const std::wstring desktop = folder_.File(L"QM_Backup\\XP\\0\\");
    // Named so that the file names sort the other way round from the dates.
    for (const wchar_t* stamp : {L"2009_12_1_8_0_0", L"2009_2_26_14_5_9"}) {
        QmWString text;
        ASSERT_TRUE(BuildPageBackup(app_, 0, QmWString(stamp), text));
        QmFile().WriteTextFile((desktop + L"DT_" + stamp + L".qmb").c_str(), QmFile::kUtf16LittleEndian, text.CStr(),
                               static_cast<DWORD>(text.Length() * 2), nullptr);
    }
    QmFile().WriteTextFile((desktop + L"broken.qmb").c_str(), QmFile::kNoMark, "junk", 4, nullptr);
    QmFile().WriteTextFile((desktop + L"other.qmbak").c_str(), QmFile::kNoMark, "junk", 4, nullptr);
    BackUp(3);

    ASSERT_EQ(kToolSuccess, Run({L"list"}));
    const std::wstring& out = output_.out;
    const size_t older = out.find(L"DT  2009-02-26 14:05:09  12 項  " + desktop + L"DT_2009_2_26_14_5_9.qmb\n");
    const size_t newer = out.find(L"DT  2009-12-01 08:00:00  12 項");
    const size_t broken = out.find(L"broken.qmb");
    const size_t restrictions = out.find(L"\nCN  ");
    ASSERT_NE(std::wstring::npos, older) << Narrow(out);
    EXPECT_LT(older, newer);
    EXPECT_LT(newer, broken);
    EXPECT_LT(broken, restrictions);
    EXPECT_EQ(std::wstring::npos, out.find(L"qmbak"));
    EXPECT_EQ(4u, Count(out, L"\n"));

    ASSERT_EQ(kToolSuccess, Run({L"list", L"cn"}));
    EXPECT_EQ(1u, Count(output_.out, L"\n"));
    EXPECT_EQ(0u, output_.out.find(L"CN  "));
}

TEST_F(ToolTest, BackupWritesWithTheApplicationsCodeAndChecksItsArguments)
{
    ASSERT_EQ(kToolSuccess, Run({L"backup", L"all"}));
    EXPECT_EQ(9u, Count(output_.out, L"已寫入 "));
    QmFile files;
    for (int page = 0; page < kTweakPageCount; ++page)
        EXPECT_EQ(1, files.CountFiles(folder_.File(L"QM_Backup\\XP\\" + std::to_wstring(page)).c_str(), false, L"qmb"));

    const std::wstring file = BackUp(0);
    ASSERT_TRUE(FileExists(file));

    // command line                                          exit code
    const struct {
        std::vector<std::wstring> arguments;
        int exitCode;
    } kCases[] = {
        {{L"Backup", L"ie"}, kToolSuccess},
        {{L"backup"}, kToolUsageError},
        {{L"backup", L"9"}, kToolUsageError},
        {{L"backup", L"01"}, kToolUsageError},
        {{L"restore", L"a.qmb", L"--force"}, kToolUsageError},
        {{L"export-reg", L"a.qmb"}, kToolUsageError},
        {{L"frobnicate"}, kToolUsageError},
        {{}, kToolUsageError},
        {{L"restore", L"--help"}, kToolSuccess},
        {{L"show", L"missing.qmb"}, kToolBadFile},
    };
    for (const auto& c : kCases) {
        std::wstring line;
        for (const std::wstring& argument : c.arguments)
            line += argument + L" ";
        EXPECT_EQ(c.exitCode, Run(c.arguments)) << Narrow(line);
        if (c.exitCode == kToolUsageError) {
            EXPECT_NE(L"", output_.err) << Narrow(line);
        }
    }

    // Windows versions the backup format has no name for: nothing at all is done.
    Use(Version{114, 8, 0});
    EXPECT_EQ(kToolFailed, Run({L"backup", L"0"}));
    EXPECT_EQ(kToolFailed, Run({L"restore", file}));
    EXPECT_NE(std::wstring::npos, output_.err.find(L"Windows XP"));
}

TEST_F(ToolTest, MessagesFollowTheLanguageVariant)
{
    // language  expected words
    const struct {
        int language;
        const wchar_t* words[2];
    } kCases[] = {
        {950, {L"備份檔", L"登錄"}},
        {936, {L"备份文件", L"注册表"}},
        {-1, {L"備份檔", L"登錄"}},  // no Chinese code page: the Traditional text, not nothing
    };
    for (const auto& c : kCases) {
        Use(kVersions[0], c.language);
        ASSERT_EQ(kToolSuccess, Run({L"--help"}));
        for (const wchar_t* word : c.words)
            EXPECT_NE(std::wstring::npos, output_.out.find(word)) << c.language << " " << Narrow(word);
        EXPECT_EQ(kToolBadFile, Run({L"show", L"missing.qmb"}));
        EXPECT_NE(std::wstring::npos, output_.err.find(L"missing.qmb")) << c.language;
    }
    Use(kVersions[0], 936);
    ASSERT_EQ(kToolSuccess, Run({L"show", BackUp(0)}));
    EXPECT_NE(std::wstring::npos, output_.out.find(L"当前：")) << Narrow(output_.out);
}

}  // namespace
