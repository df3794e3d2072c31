// The real zentrak-backup.exe, run as a user runs it: its exit codes, its output through a
// redirected handle, a registry file of its making imported by Wine's own regedit, and the
// undo of an apply that the real Zentrak.exe saved first. Runs in
// the Wine prefix kept for end-to-end runs (the program writes that prefix's registry), one
// run at a time, and leaves every place it touched as it found it.
#include "app/ControlIds.h"
#include "backup/BackupFormat.h"
#include "backup/BackupReader.h"
#include "tests/backup/ToolFixture.h"
#include "tests/support/E2E.h"

#include <shlwapi.h>

#include <algorithm>
#include <set>

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
    using Redirection = BOOL(WINAPI*)(void**);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto disable = reinterpret_cast<Redirection>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "Wow64DisableWow64FsRedirection")));
    auto revert = reinterpret_cast<BOOL(WINAPI*)(void*)>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "Wow64RevertWow64FsRedirection")));
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
        const HKEY root = RootKey(place.root);
        const testreg::Value value = testreg::Get(root, place.keyPath, place.valueName ? place.valueName : L"");
        if (place.kind == BackupItem::Kind::Key)
            states.push_back(testreg::KeyExists(root, place.keyPath) ? "key" : "no key");
        else if (value.exists)
            states.push_back(std::to_string(value.type) + ":" + std::string(value.data.begin(), value.data.end()));
        else
            states.push_back("absent");
    }
    return states;
}

// Puts a page's places back as they were, and deletes again every key that was missing on
// the way to them.
class PlacesKept {
public:
    explicit PlacesKept(const BackupList& places) : places_(places)
    {
        for (const BackupItem& place : places.Items()) {
            const HKEY root = RootKey(place.root);
            values_.push_back(testreg::Get(root, place.keyPath, place.valueName ? place.valueName : L""));
            keys_.push_back(testreg::KeyExists(root, place.keyPath));
            const std::wstring path = place.keyPath;
            for (size_t end = path.find(L'\\');; end = path.find(L'\\', end + 1))
                if (!testreg::KeyExists(root, path.substr(0, end))) {
                    missingKeys_.insert({root, path.substr(0, end)});
                    break;
                } else if (end == std::wstring::npos) {
                    break;
                }
        }
    }
    ~PlacesKept()
    {
        for (size_t i = 0; i < places_.Items().size(); ++i) {
            const BackupItem& place = places_.Items()[i];
            const HKEY root = RootKey(place.root);
            const testreg::Value& value = values_[i];
            if (place.kind == BackupItem::Kind::Key && keys_[i])
                testreg::CreateKey(root, place.keyPath);
            else if (place.kind != BackupItem::Kind::Key && value.exists)
                testreg::SetRaw(root, place.keyPath, place.valueName, value.type, value.data.data(),
                                static_cast<DWORD>(value.data.size()));
            else if (place.kind != BackupItem::Kind::Key)
                testreg::RemoveValue(root, place.keyPath, place.valueName);
        }
        for (const auto& key : missingKeys_)
            SHDeleteKeyW(key.first, key.second.c_str());
    }
    PlacesKept(const PlacesKept&) = delete;
    PlacesKept& operator=(const PlacesKept&) = delete;

private:
    const BackupList& places_;
    std::vector<testreg::Value> values_;
    std::vector<bool> keys_;
    std::set<std::pair<HKEY, std::wstring>> missingKeys_;  // the first missing key of each path
};

TEST(BackupProgram, ExitCodesAndOutputThroughARedirectedHandle)
{
    ScratchFolder folder;
    const ConsoleRun help = RunProgram(folder, L"--help");
    EXPECT_EQ(0u, help.exitCode);
    EXPECT_NE(std::wstring::npos, help.out.find(L"zentrak-backup export-reg")) << Narrow(help.out);
    EXPECT_NE(std::wstring::npos, help.out.find(L"\r\n")) << "redirected text has CR LF line ends";
    EXPECT_EQ(std::wstring::npos, help.out.find(L"\r\r"));
    // The ANSI code page of the locale carries the wording of the language variant.
    if (RunLocale() != L"en_US") {
        EXPECT_NE(std::wstring::npos, help.out.find(RunLocale() == L"zh_TW" ? L"備份檔位於目前資料夾" : L"备份文件位于当前文件夹"));
    }

    const ConsoleRun wrong = RunProgram(folder, L"frobnicate");
    EXPECT_EQ(1u, wrong.exitCode);
    EXPECT_EQ(L"", wrong.out);
    EXPECT_NE(std::wstring::npos, wrong.err.find(L"frobnicate"));
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
        PlacesKept kept(places);

        ArrangePlaces(places, 0);
        const std::vector<std::string> saved = Read(places);
        const ConsoleRun backup = RunProgram(folder, L"backup " + std::to_wstring(page));
        ASSERT_EQ(0u, backup.exitCode) << Narrow(backup.err);
        const size_t start = backup.out.find(L' ') + 1;
        const std::wstring file = backup.out.substr(start, backup.out.find(L"\r\n") - start);
        // The program saw the same system: the file is one of this page's here.
        BackupFile parsed;
        BackupFileError error;
        BackupList checked;
        ASSERT_TRUE(ReadBackupFile(file.c_str(), parsed, error) && CheckBackupForSystem(parsed, app, checked, error))
            << Narrow(file) << " line " << error.line;

        ArrangePlaces(places, 1);
        const ConsoleRun restore = RunProgram(folder, L"restore \"" + file + L"\"");
        ASSERT_EQ(0u, restore.exitCode) << Narrow(restore.err);
        const std::vector<std::string> restored = Read(places);

        ArrangePlaces(places, 1);
        const std::wstring reg = folder.File(L"page.reg");
        const ConsoleRun exported = RunProgram(folder, L"export-reg \"" + file + L"\" \"" + reg + L"\"");
        ASSERT_EQ(0u, exported.exitCode) << Narrow(exported.err);
        ASSERT_EQ(0u, ImportWithRegedit(folder, reg));
        const std::vector<std::string> viaRegedit = Read(places);

        for (size_t i = 0; i < saved.size(); ++i) {
            const BackupItem& place = places.Items()[i];
            SCOPED_TRACE(Narrow(place.keyPath) + " " + Narrow(place.valueName ? place.valueName : L"(key)"));
            EXPECT_EQ(saved[i], restored[i]) << "restore";
            EXPECT_EQ(saved[i], viaRegedit[i]) << "regedit";
        }
    }
}

// The backup files of `page` in `folder`, as the running system files them.
std::vector<std::wstring> PageBackups(const ScratchFolder& folder, int page)
{
    const std::wstring pattern = folder.Path() + L"\\QM_Backup\\" + BackupSystemFolder(RunningSystemFacts().osCode) +
                                 L"\\" + std::to_wstring(page) + L"\\*.qmb";
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
        files.push_back(pattern.substr(0, pattern.size() - 5) + found.cFileName);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    return files;
}

// Every check of the hardware page's two lists the other way round.
void FlipEveryRow(AppDriver& app)
{
    for (int list : {kIdListMain, kIdListRight}) {
        for (int row = 0; row < app.ItemCount(list); ++row) {
            ASSERT_TRUE(app.SetItemCheck(list, row, app.ItemCheck(list, row) != 1));
        }
    }
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
    PlacesKept kept(places);
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
