// The real zentrak-backup.exe, run as a user runs it: its exit codes, its output through a
// redirected handle, and a registry file of its making imported by Wine's own regedit. Runs in
// the Wine prefix kept for end-to-end runs (the program writes that prefix's registry), one
// run at a time, and leaves every place it touched as it found it.
#include "backup/Backup.h"
#include "backup/BackupReader.h"
#include "backup/BackupTool.h"
#include "tests/backup/PageStates.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using testreg::Narrow;

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[1024] = {};
    GetEnvironmentVariableW(name, value, 1024);
    return value;
}

// A Unix path as a Windows program sees it: drive Z: is the root of the Unix file system.
std::wstring WindowsPath(std::wstring path)
{
    if (path.empty() || path[0] != L'/')
        return path;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return L"Z:" + path;
}

std::wstring Locale()
{
    const std::wstring lang = Environment(L"ZENTRAK_LANG");
    return lang.empty() ? L"zh_TW" : lang.substr(0, 5);
}

std::wstring FromAnsi(const std::string& bytes)
{
    if (bytes.empty())
        return std::wstring();
    std::wstring text(bytes.size(), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0],
                                           static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}

struct Result {
    DWORD exitCode = 0xFFFFFFFF;
    std::wstring out;
    std::wstring err;
};

HANDLE InheritableFile(const std::wstring& path)
{
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
}

// Runs `commandLine` in `folder` with its output going to files; waits at most a minute.
Result RunIn(const std::wstring& folder, const std::wstring& commandLine)
{
    Result result;
    const std::wstring outPath = folder + L"\\stdout.txt", errPath = folder + L"\\stderr.txt";
    HANDLE out = InheritableFile(outPath), err = InheritableFile(errPath);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION info = {};
    std::wstring line = commandLine;
    const BOOL started = CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup, &info);
    const DWORD startError = GetLastError();
    CloseHandle(out);
    CloseHandle(err);
    if (!started) {
        ADD_FAILURE() << "cannot start " << Narrow(commandLine) << ": error " << startError;
        return result;
    }
    CloseHandle(info.hThread);
    if (WaitForSingleObject(info.hProcess, 60000) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 99);
        ADD_FAILURE() << Narrow(commandLine) << " did not end";
    }
    GetExitCodeProcess(info.hProcess, &result.exitCode);
    CloseHandle(info.hProcess);
    result.out = FromAnsi(ReadFileBytes(outPath));
    result.err = FromAnsi(ReadFileBytes(errPath));
    return result;
}

Result RunProgram(const ScratchFolder& folder, const std::wstring& arguments)
{
    return RunIn(folder.Path(), L"\"" + WindowsPath(Environment(L"ZENTRAK_BACKUP_EXE")) + L"\" " + arguments);
}

// Everything a place holds, to compare one outcome with another.
struct PlaceState {
    testreg::Value value;
    bool keyExists = false;
    bool operator==(const PlaceState& other) const
    {
        return keyExists == other.keyExists && value.exists == other.value.exists && value.type == other.value.type &&
               value.data == other.value.data;
    }
};

std::vector<PlaceState> Read(const BackupList& places)
{
    std::vector<PlaceState> states;
    for (const BackupItem& place : places.Items()) {
        PlaceState state;
        state.keyExists = testreg::KeyExists(RootKey(place.root), place.keyPath);
        if (place.kind != BackupItem::Kind::Key)
            state.value = testreg::Get(RootKey(place.root), place.keyPath, place.valueName);
        states.push_back(state);
    }
    return states;
}

// Puts every place of a page, and every key on the way to it, back as it was.
class PlacesKept {
public:
    explicit PlacesKept(const BackupList& places) : places_(places), before_(Read(places))
    {
        for (const BackupItem& place : places.Items()) {
            const std::wstring path = place.keyPath;
            for (size_t end = path.find(L'\\'); ; end = path.find(L'\\', end + 1)) {
                const std::wstring key = path.substr(0, end);
                if (!testreg::KeyExists(RootKey(place.root), key))
                    missingKeys_.insert({place.root, key});
                if (end == std::wstring::npos)
                    break;
            }
        }
    }
    ~PlacesKept()
    {
        size_t i = 0;
        for (const BackupItem& place : places_.Items()) {
            const testreg::Value& value = before_[i++].value;
            if (place.kind == BackupItem::Kind::Key)
                continue;
            if (value.exists)
                testreg::SetRaw(RootKey(place.root), place.keyPath, place.valueName, value.type, value.data.data(),
                                static_cast<DWORD>(value.data.size()));
            else
                RemoveValue(RootKey(place.root), place.keyPath, place.valueName);
        }
        // Deepest first, so that each is empty of subkeys when its turn comes.
        std::vector<std::pair<uint32_t, std::wstring>> keys(missingKeys_.begin(), missingKeys_.end());
        std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.second.size() > b.second.size(); });
        for (const auto& key : keys)
            RegDeleteKeyW(RootKey(key.first), key.second.c_str());
        for (size_t k = 0; k < places_.Items().size(); ++k)
            if (places_.Items()[k].kind == BackupItem::Kind::Key && before_[k].keyExists)
                testreg::CreateKey(RootKey(places_.Items()[k].root), places_.Items()[k].keyPath);
    }
    PlacesKept(const PlacesKept&) = delete;
    PlacesKept& operator=(const PlacesKept&) = delete;

private:
    const BackupList& places_;
    std::vector<PlaceState> before_;
    std::set<std::pair<uint32_t, std::wstring>> missingKeys_;
};

TEST(BackupProgram, ExitCodesAndOutputThroughARedirectedHandle)
{
    ScratchFolder folder;
    const Result help = RunProgram(folder, L"--help");
    EXPECT_EQ(0u, help.exitCode);
    EXPECT_NE(std::wstring::npos, help.out.find(L"zentrak-backup export-reg")) << Narrow(help.out);
    EXPECT_NE(std::wstring::npos, help.out.find(L"\r\n")) << "redirected text has CR LF line ends";
    EXPECT_EQ(std::wstring::npos, help.out.find(L"\r\r"));
    // The ANSI code page of the locale carries the wording of the language variant.
    if (Locale() == L"zh_TW") {
        EXPECT_NE(std::wstring::npos, help.out.find(L"備份檔位於目前資料夾"));
    } else if (Locale() == L"zh_CN") {
        EXPECT_NE(std::wstring::npos, help.out.find(L"备份文件位于当前文件夹"));
    }

    const Result wrong = RunProgram(folder, L"frobnicate");
    EXPECT_EQ(1u, wrong.exitCode);
    EXPECT_EQ(L"", wrong.out);
    EXPECT_NE(std::wstring::npos, wrong.err.find(L"frobnicate"));
    EXPECT_EQ(2u, RunProgram(folder, L"restore missing.qmb").exitCode);

    const Result all = RunProgram(folder, L"backup all");
    EXPECT_EQ(0u, all.exitCode) << Narrow(all.err);
    EXPECT_EQ(9u, Count(all.out, folder.Path() + L"\\QM_Backup\\Win7\\")) << Narrow(all.out);
    EXPECT_EQ(9u, Count(RunProgram(folder, L"list").out, L"\r\n"));
}

// A page's places on the system the program reports, taken from the backup it wrote.
BackupList PlacesOf(const std::wstring& file, const SystemFacts& facts)
{
    BackupFile parsed;
    BackupFileError error;
    EXPECT_TRUE(ReadBackupFile(file.c_str(), parsed, error)) << Narrow(file) << " line " << error.line;
    QmThisApp app;
    app.SetFacts(facts);
    BackupList places;
    EXPECT_TRUE(CheckBackupForSystem(parsed, app, places, error)) << "line " << error.line;
    return places;
}

TEST(BackupProgram, RegeditImportsWhatARestoreWrites)
{
    if (Locale() != L"zh_TW")
        GTEST_SKIP() << "the registry does not depend on the locale";
    const SystemFacts facts = RunningSystemFacts();
    for (int page = 0; page < kTweakPageCount; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        ScratchFolder folder;
        QmThisApp app;
        app.SetFacts(facts);
        BackupList expectedPlaces;
        ASSERT_TRUE(BackupItemsOf(app, page, expectedPlaces));
        PlacesKept kept(expectedPlaces);

        ArrangePlaces(expectedPlaces, 0);
        const std::vector<PlaceState> saved = Read(expectedPlaces);
        const Result backup = RunProgram(folder, L"backup " + std::to_wstring(page));
        ASSERT_EQ(0u, backup.exitCode) << Narrow(backup.err);
        const size_t start = backup.out.find(L' ') + 1;
        const std::wstring file = backup.out.substr(start, backup.out.find(L"\r\n") - start);
        const BackupList places = PlacesOf(file, facts);
        ASSERT_EQ(expectedPlaces.Items().size(), places.Items().size());

        ArrangePlaces(places, 1);
        const Result restore = RunProgram(folder, L"restore \"" + file + L"\"");
        ASSERT_EQ(0u, restore.exitCode) << Narrow(restore.err);
        const std::vector<PlaceState> restored = Read(places);

        ArrangePlaces(places, 1);
        const std::wstring reg = folder.File(L"page.reg");
        const Result exported = RunProgram(folder, L"export-reg \"" + file + L"\" \"" + reg + L"\"");
        ASSERT_EQ(0u, exported.exitCode) << Narrow(exported.err);
        ASSERT_EQ(0u, RunIn(folder.Path(), L"regedit.exe /s \"" + reg + L"\"").exitCode);
        const std::vector<PlaceState> viaRegedit = Read(places);

        for (size_t i = 0; i < saved.size(); ++i) {
            const BackupItem& place = places.Items()[i];
            SCOPED_TRACE(Narrow(place.keyPath) + " " + Narrow(place.valueName ? place.valueName : L"(key)"));
            EXPECT_TRUE(saved[i] == restored[i]) << "restore";
            EXPECT_TRUE(saved[i] == viaRegedit[i]) << "regedit";
        }
    }
}

}  // namespace
