// The real zentrak-backup.exe, run as a user runs it: its exit codes, its output through a
// redirected handle, a restore and its dry run, a registry file of its making imported by
// Wine's own regedit, and the undo of an apply that the real Zentrak.exe saved first. Runs in
// the Wine prefix kept for end-to-end runs, whose registry is the tests' own, one run at a time.
#include "app/ControlIds.h"
#include "backup/BackupFormat.h"
#include "backup/BackupReader.h"
#include "tests/backup/ToolFixture.h"
#include "tests/support/E2E.h"

#include <algorithm>

namespace {

using testreg::Narrow;

ConsoleRun RunProgram(const ScratchFolder& folder, const std::wstring& arguments)
{
    return RunConsole(folder.Path(), L"\"" + EnvironmentPath(L"ZENTRAK_BACKUP_EXE") + L"\" " + arguments);
}

// The Windows folder's regedit, as a double click in Explorer runs it: on 64-bit Windows the
// native one, which a 32-bit process reaches only with file redirection off.
DWORD ImportWithRegedit(const ScratchFolder& folder, const std::wstring& regFile)
{
    auto function = [](const char* name) { return reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)); };
    auto disable = reinterpret_cast<BOOL(WINAPI*)(void**)>(function("Wow64DisableWow64FsRedirection"));
    auto revert = reinterpret_cast<BOOL(WINAPI*)(void*)>(function("Wow64RevertWow64FsRedirection"));
    void* old = nullptr;
    const bool off = disable && revert && disable(&old);
    const DWORD exitCode = RunConsole(folder.Path(), L"C:\\windows\\regedit.exe /s \"" + regFile + L"\"").exitCode;
    if (off)
        revert(old);
    return exitCode;
}

// What each place holds: a key item whether its key exists, a value its type and data.
std::vector<std::string> Read(const BackupList& places)
{
    std::vector<std::string> states;
    for (const BackupItem& place : places.Items()) {
        const testreg::Value value = testreg::Get(RootKey(place.root), place.keyPath, place.valueName ? place.valueName : L"");
        states.push_back(place.kind == BackupItem::Kind::Key ? (testreg::KeyExists(RootKey(place.root), place.keyPath) ? "key" : "no key")
                         : value.exists ? std::to_string(value.type) + ":" + std::string(value.data.begin(), value.data.end())
                                        : "absent");
    }
    return states;
}

TEST(BackupProgram, ExitCodesAndOutputThroughARedirectedHandle)
{
    ScratchFolder folder;
    const ConsoleRun help = RunProgram(folder, L"--help");
    EXPECT_TRUE(help.exitCode == 0 && help.out.find(L"zentrak-backup export-reg") != std::wstring::npos) << Narrow(help.out);
    EXPECT_TRUE(help.out.find(L"\r\n") != std::wstring::npos && help.out.find(L"\r\r") == std::wstring::npos) << "CR LF line ends";
    // The ANSI code page of the locale carries the wording of the language variant.
    EXPECT_TRUE(RunLocale() == L"en_US" || help.out.find(RunLocale() == L"zh_TW" ? L"備份檔位於目前資料夾" : L"备份文件位于当前文件夹") != std::wstring::npos)
        << Narrow(help.out);

    const ConsoleRun wrong = RunProgram(folder, L"frobnicate");
    EXPECT_TRUE(wrong.exitCode == 1 && wrong.out.empty() && wrong.err.find(L"frobnicate") != std::wstring::npos);
    EXPECT_EQ(2u, RunProgram(folder, L"restore missing.qmb").exitCode);
    EXPECT_EQ(1u, RunProgram(folder, L"restore missing.qmb -h").exitCode) << "help only in the command's place";

    const ConsoleRun all = RunProgram(folder, L"backup all");
    EXPECT_EQ(0u, all.exitCode) << Narrow(all.err);
    EXPECT_EQ(9u, Count(all.out, folder.Path() + L"\\QM_Backup\\Win7\\")) << Narrow(all.out);
    EXPECT_EQ(9u, Count(RunProgram(folder, L"list").out, L"\r\n"));
}

TEST(BackupProgram, RegeditImportsWhatARestoreWrites)
{
    if (RunLocale() != L"zh_TW")
        GTEST_SKIP() << "the registry does not depend on the locale";
    QmThisApp app;
    app.SetFacts(RunningSystemFacts());
    for (int page = 0; page < kTweakPageCount; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        ScratchFolder folder;
        BackupList places;
        ASSERT_TRUE(BackupItemsOf(app, page, places));
        ArrangePlaces(places, 0);
        const std::vector<std::string> saved = Read(places);
        const ConsoleRun backup = RunProgram(folder, L"backup " + std::to_wstring(page));
        ASSERT_EQ(0u, backup.exitCode) << Narrow(backup.err);
        const size_t start = backup.out.find(L' ') + 1;
        const std::wstring file = L"\"" + backup.out.substr(start, backup.out.find(L"\r\n") - start) + L"\"";

        // Every place differs now: a dry run names a step for each, writes nothing, and the
        // restore then does what it said; a second dry run finds nothing to do.
        ArrangePlaces(places, 1);
        const std::vector<std::string> changed = Read(places);
        const ConsoleRun dryRun = RunProgram(folder, L"restore " + file + L" --dry-run");
        EXPECT_EQ(0u, dryRun.exitCode) << Narrow(dryRun.err);
        EXPECT_EQ(changed, Read(places)) << "the dry run wrote";
        EXPECT_EQ(places.Items().size(), Count(dryRun.out, L"寫入 ") + Count(dryRun.out, L"刪除") + Count(dryRun.out, L"建立機碼 "));
        const ConsoleRun restore = RunProgram(folder, L"restore " + file);
        EXPECT_EQ(0u, restore.exitCode) << Narrow(restore.err);
        // The dry run's steps follow its first line; the restore's stand alone; both end in a summary.
        auto steps = [](const std::wstring& out, size_t from) { return out.substr(from, out.rfind(L'\n', out.size() - 3) - from); };
        EXPECT_EQ(steps(dryRun.out, dryRun.out.find(L'\n') + 1), steps(restore.out, 0)) << "the restore did what the dry run said";
        const std::vector<std::string> restored = Read(places);
        EXPECT_EQ(0u, Count(RunProgram(folder, L"restore " + file + L" --dry-run").out, L"寫入 "));

        ArrangePlaces(places, 1);
        const std::wstring reg = folder.File(L"page.reg");
        const ConsoleRun exported = RunProgram(folder, L"export-reg " + file + L" \"" + reg + L"\"");
        ASSERT_EQ(0u, exported.exitCode) << Narrow(exported.err);
        ASSERT_EQ(0u, ImportWithRegedit(folder, reg));
        const std::vector<std::string> viaRegedit = Read(places);
        for (size_t i = 0; i < saved.size(); ++i) {
            const BackupItem& place = places.Items()[i];
            EXPECT_TRUE(saved[i] == restored[i] && saved[i] == viaRegedit[i])
                << Narrow(place.keyPath) << " " << Narrow(place.valueName ? place.valueName : L"(key)") << ": " << saved[i]
                << " saved, " << restored[i] << " restored, " << viaRegedit[i] << " through regedit";
        }
    }
}

// The backup files of `page` in `folder`, as the running system files them.
std::vector<std::wstring> PageBackups(const ScratchFolder& folder, int page)
{
    std::error_code none;  // no folder yet: no backups
    std::vector<std::wstring> files;
    for (const auto& file : std::filesystem::directory_iterator(folder.File(L"QM_Backup\\" + std::wstring(BackupSystemFolder(RunningSystemFacts().osCode)) +
                                                                            L"\\" + std::to_wstring(page)), none))
        files.push_back(file.path().wstring());
    return files;
}

// Every check of the hardware page's two lists the other way round.
void FlipEveryRow(AppDriver& app)
{
    for (int list : {kIdListMain, kIdListRight})
        for (int row = 0; row < app.ItemCount(list); ++row)
            ASSERT_TRUE(app.SetItemCheck(list, row, app.ItemCheck(list, row) != 1));
}

// Zentrak.exe saves a page before an apply writes it (nothing for an apply cancelled), and
// "undo" puts the page back exactly as it was: values that were missing are missing again.
// Where no backup can be made, the apply still writes.
TEST(BackupProgram, AnApplyIsSavedFirstAndUndoTakesItBack)
{
    if (RunLocale() != L"zh_TW")
        GTEST_SKIP() << "the registry does not depend on the locale";
    QmThisApp facts;
    facts.SetFacts(RunningSystemFacts());
    BackupList places;
    ASSERT_TRUE(BackupItemsOf(facts, kPageHardware, places));
    ArrangePlaces(places, 0);
    const std::vector<std::string> before = Read(places);
    ASSERT_NE(before.end(), std::find(before.begin(), before.end(), "absent")) << "some values should be missing";

    ScratchFolder folder;
    {
        AppDriver app;
        ASSERT_TRUE(app.Start(ZentrakProgram(), folder.Path()));
        ASSERT_NE(nullptr, app.WaitForMainWindow());
        ASSERT_TRUE(app.SelectPage(kPageHardware));
        FlipEveryRow(app);
        Apply(app, IDCANCEL);
        EXPECT_TRUE(PageBackups(folder, kPageHardware).empty()) << "a cancelled apply saved";
        EXPECT_EQ(before, Read(places)) << "a cancelled apply wrote";
        Apply(app, IDOK);
        CloseDecliningRestart(app);
    }
    EXPECT_NE(before, Read(places)) << "the apply wrote nothing";
    const std::vector<std::wstring> saved = PageBackups(folder, kPageHardware);
    ASSERT_EQ(1u, saved.size());
    BackupFile file;
    BackupFileError error;
    ASSERT_TRUE(ReadBackupFile(saved[0].c_str(), file, error)) << "line " << error.line;
    ASSERT_EQ(before.size(), file.items.size());
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(before[i] == "absent", file.items[i].status == -1) << "item " << i << " " << before[i];

    const ConsoleRun undo = RunProgram(folder, L"undo HW");
    EXPECT_EQ(0u, undo.exitCode) << Narrow(undo.err);
    EXPECT_NE(std::wstring::npos, undo.out.find(saved[0])) << "undo names the file it uses";
    EXPECT_EQ(before, Read(places));
    EXPECT_EQ(2u, RunProgram(folder, L"undo 5").exitCode) << "no backup of that page";

    // A current folder where no backup folder can be made: the apply writes all the same.
    ScratchFolder blocked;
    WriteFileBytes(blocked.File(L"QM_Backup"), "not a folder");
    AppDriver app;
    ASSERT_TRUE(app.Start(ZentrakProgram(), blocked.Path()));
    ASSERT_NE(nullptr, app.WaitForMainWindow());
    ASSERT_TRUE(app.SelectPage(kPageHardware));
    FlipEveryRow(app);
    Apply(app, IDOK);
    CloseDecliningRestart(app);
    EXPECT_NE(before, Read(places)) << "the apply wrote nothing";
    EXPECT_EQ("not a folder", ReadFileBytes(blocked.File(L"QM_Backup")));
    const std::string log = ReadFileBytes(blocked.File(L"Qm.log"));
    EXPECT_NE(std::string::npos, log.find("B 4")) << log;
}

}  // namespace
