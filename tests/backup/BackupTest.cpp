// The backup file format, page backups and their folders, and what each page backs up on each
// system.
#include "backup/BackupFormat.h"
#include "tests/backup/ToolFixture.h"
#include "tests/support/MessageBoxAnswerer.h"

#include <algorithm>

namespace {

using testreg::Narrow;

SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME time = {};
    time.wYear = year, time.wMonth = month, time.wDay = day, time.wHour = hour, time.wMinute = minute,
    time.wSecond = second;
    return time;
}

TEST(BackupFormat, TheWorkedExampleByteForByte)
{
    QmWString text;
    ASSERT_TRUE(AppendBackupHeader(text, 108, 0, BackupStamp(Time(2009, 2, 26, 14, 5, 9))));
    ASSERT_TRUE(AppendDataAreaStart(text));
    ASSERT_TRUE(AppendDwordItem(text, 0, 1, 1));
    ASSERT_TRUE(AppendDwordItem(text, 1, -1, 0));
    ASSERT_TRUE(AppendTextItem(text, 2, 1, QmWString(L"2")));
    ASSERT_TRUE(AppendBackupEnd(text, 2));
    EXPECT_STREQ(
        L"<Zentrak_Backup_File>\n<Zentrak_Version>1.3.1.2</Zentrak_Version>\n"
        L"<BackupFile_Version>1.0</BackupFile_Version>\n<System_Version>XP</System_Version>\n"
        L"<Page_Index>0</Page_Index>\n<Page_Name>DT</Page_Name>\n<DateTime>2009_2_26_14_5_9</DateTime>\n"
        L"<DataArea>\n"
        L"<DataIndex>0</DataIndex>\n<DataType>DWORD</DataType>\n<DataErrorCode>1</DataErrorCode>\n<Data>00000001</Data>\n"
        L"<DataIndex>1</DataIndex>\n<DataType>DWORD</DataType>\n<DataErrorCode>-1</DataErrorCode>\n<Data>00000000</Data>\n"
        L"<DataIndex>2</DataIndex>\n<DataType>SZ</DataType>\n<DataErrorCode>1</DataErrorCode>\n<Data>2</Data>\n"
        L"</DataArea>\n<DataTotal>2</DataTotal>\n<BackupFile_Flag>1</BackupFile_Flag>\n</Zentrak_Backup_File>\n",
        text.CStr());
}

TEST(BackupFormat, ValuesAreWrittenAsTheyAre)
{
    EXPECT_STREQ(L"9_5_0", BackupStamp(Time(2026, 12, 6, 9, 5, 0)).CStr() + 10);
    QmWString text;
    AppendDwordItem(text, 0, 1, 0xFFFFFFFFu);
    AppendDwordItem(text, 1, 1, 10);
    AppendDwordItem(text, 2, -3, 77);  // a failed read shows no stale number
    AppendTextItem(text, 3, 1, QmWString(L"a<b & c\nd"));
    AppendTextItem(text, 4, -3, QmWString(L"ignored"));
    AppendKeyItem(text, 5, 1);
    AppendKeyItem(text, 6, -1);
    AppendBackupEnd(text, 6);
    const std::wstring written = text.CStr();
    for (const wchar_t* line : {L"<Data>FFFFFFFF</Data>\n", L"<Data>0000000A</Data>\n",
                                L"<DataErrorCode>-3</DataErrorCode>\n<Data>00000000</Data>\n",
                                L"<Data>a<b & c\nd</Data>\n", L"<DataErrorCode>-3</DataErrorCode>\n<Data></Data>\n",
                                L"<DataType>Key</DataType>\n<DataErrorCode>1</DataErrorCode>\n<Data>1</Data>\n",
                                L"<DataErrorCode>-1</DataErrorCode>\n<Data>0</Data>\n", L"<DataTotal>6</DataTotal>"})
        EXPECT_NE(std::wstring::npos, written.find(line)) << Narrow(line);
    EXPECT_EQ(std::wstring::npos, written.find(L'\r'));

    QmWString header;
    EXPECT_TRUE(AppendBackupHeader(header, 116, 12, QmWString(L"s")));
    EXPECT_NE(std::wstring::npos, std::wstring(header.CStr()).find(L"<System_Version>Windows 7</System_Version>\n"
                                                                   L"<Page_Index>-1</Page_Index>\n<Page_Name>UnKnown<"));
    QmWString server;
    EXPECT_FALSE(AppendBackupHeader(server, 114, 0, QmWString(L"s")));
    EXPECT_EQ(0, server.Length());
}

// The backup file names `prefix` gets in this second and the next two.
std::vector<std::wstring> NamesForTheNextSeconds(const std::wstring& folder, const wchar_t* prefix)
{
    std::vector<std::wstring> names;
    SYSTEMTIME now;
    GetLocalTime(&now);
    ULARGE_INTEGER moment;
    SystemTimeToFileTime(&now, reinterpret_cast<FILETIME*>(&moment));
    for (int ahead = 0; ahead < 3; ++ahead, moment.QuadPart += 10000000ull) {
        SYSTEMTIME later;
        FileTimeToSystemTime(reinterpret_cast<FILETIME*>(&moment), &later);
        names.push_back(folder + L"\\" + prefix + BackupStamp(later).CStr() + L".qmb");
    }
    return names;
}

// Page backups in a fresh current folder, inside a registry sandbox.
using PageBackups = ToolTest;

TEST_F(PageBackups, TheFirstBackupMakesEveryFolderAndReplacesAFileOfTheSameSecondWhole)
{
    const std::wstring desktop = folder_.File(L"QM_Backup\\XP\\0");
    for (const wchar_t* folder : {L"QM_Backup", L"QM_Backup\\XP", L"QM_Backup\\XP\\0"})
        CreateDirectoryW(folder_.File(folder).c_str(), nullptr);
    // An older, longer file of the name the backup gets, whatever second it falls in.
    for (const std::wstring& path : NamesForTheNextSeconds(desktop, L"DT_"))
        WriteBytes(path, std::string(20000, 'x'));
    QmWString path;
    ASSERT_TRUE(BackUpPage(app_, 0, &path));
    for (int page = 1; page < kTweakPageCount; ++page)
        EXPECT_TRUE(FileExists(folder_.File(L"QM_Backup\\XP\\" + std::to_wstring(page)))) << page;
    const std::wstring written = path.CStr();
    const std::wstring stamp = written.substr(desktop.size() + 4, written.size() - desktop.size() - 8);
    ASSERT_EQ(desktop + L"\\DT_" + stamp + L".qmb", written);
    // The file holds exactly the page's backup text for the stamp in its name.
    QmWString text;
    ASSERT_TRUE(BuildPageBackup(app_, 0, QmWString(stamp.c_str()), text));
    EXPECT_EQ(Utf16Bytes(text.CStr()), ReadFileBytes(written));
}

TEST_F(PageBackups, ABackupThatCannotBeWrittenFailsAndWritesNothing)
{
    // "QM_Backup" taken by a file: no folder tree, no backup.
    WriteBytes(folder_.File(L"QM_Backup"), "x");
    EXPECT_EQ(0, PrepareBackupFolders(app_));
    EXPECT_FALSE(BackUpPage(app_, 0));
    DeleteFileW(folder_.File(L"QM_Backup").c_str());

    // The file held open by another program.
    ASSERT_EQ(1, PrepareBackupFolders(app_));
    std::vector<HANDLE> held;
    for (const std::wstring& path : NamesForTheNextSeconds(folder_.File(L"QM_Backup\\XP\\3"), L"CN_"))
        held.push_back(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EXPECT_FALSE(BackUpPage(app_, 3));
    for (HANDLE handle : held)
        CloseHandle(handle);

    // A Windows version the format has no name for.
    Use(Version{114, 8, 0});
    EXPECT_FALSE(BackUpPage(app_, 0));
    EXPECT_EQ(3, QmFile().CountFiles(folder_.File(L"QM_Backup").c_str(), true, L"qmb")) << "only the held files";
}

// A value the reader would not give back as it was read: the backup fails, says which item,
// and leaves nothing in the page's folder.
TEST_F(PageBackups, AValueThatWouldNotReadBackFailsTheBackupAndLeavesNoFile)
{
    const wchar_t* const kCommand = L"SOFTWARE\\Classes\\*\\shell\\OpenInNotepad\\command";
    // page  root  key  value  text
    const struct {
        int page;
        HKEY root;
        const wchar_t* key;
        const wchar_t* name;
        std::wstring text;
    } kCases[] = {
        {2, HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"AutoEndTasks", L"0</Data>\n<DataIndex>6</DataIndex>\n"},
        {2, HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"AutoEndTasks", std::wstring(4097, L'1')},
        {4, HKEY_LOCAL_MACHINE, kCommand, L"", L"cmd.exe /c calc.exe & \"%1\""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(Narrow(c.text.substr(0, 40)));
        testreg::SetString(c.root, c.key, c.name, c.text);
        EXPECT_EQ(kToolFailed, Run({L"backup", std::to_wstring(c.page)}));
        EXPECT_NE(std::wstring::npos, output_.err.find(std::wstring(c.key) + L"  " +
                                                       (c.name[0] ? L"\"" + std::wstring(c.name) + L"\"" : L"（預設值）")))
            << Narrow(output_.err);
        const std::wstring folder = folder_.File(L"QM_Backup\\XP\\" + std::to_wstring(c.page));
        EXPECT_EQ(0, QmFile().CountFiles(folder.c_str(), false, L"*"));
        // Without it the page backs up.
        testreg::RemoveValue(c.root, c.key, c.name);
        EXPECT_TRUE(QmFile().RemoveFile(BackUp(c.page).c_str()));
    }
}

TEST_F(PageBackups, AllPagesWriteOneFileEachAndTheListingCountsTheDesktopPages)
{
    EXPECT_TRUE(BackUpAllPages(app_));
    QmFile files;
    for (int page = 0; page < kTweakPageCount; ++page)
        EXPECT_EQ(1, files.CountFiles(folder_.File(L"QM_Backup\\XP\\" + std::to_wstring(page)).c_str(), false, L"qmb"));
    MessageBoxAnswerer answerer({IDOK, IDOK, IDOK});
    EXPECT_TRUE(ListRestoreFiles(app_, nullptr));
    const auto boxes = answerer.Seen();
    ASSERT_EQ(3u, boxes.size());
    EXPECT_EQ(L"CountFilesW 1", boxes[0].caption);
    EXPECT_EQ(folder_.File(L"QM_Backup\\XP\\0"), boxes[0].text);
    EXPECT_EQ(L"CountFilesW 2", boxes[1].caption);
    EXPECT_EQ(L"IDC_BTN_RESTORE", boxes[2].caption);
    EXPECT_EQ(L"1", boxes[2].text);
}

// Each page's items on the systems of kVersions, "a" to "h", in order: the kind (D, S, K) and
// root (CU, LM, U) wherever they change, then the value name; a default value by its key's name
// in brackets, a key by its own name; names in braces cut to their first eight digits. After
// "@", the systems an item is found on, when not on all.
const wchar_t* const kItems[kTweakPageCount] = {
    L"DCU:NoSaveSettings,PaintDesktopVersion,DLM:NoChangingWallpaper,DCU:NoChangingWallpaper,TaskbarSizeMove,"
    L"TaskbarGlomming,DLM:HideClock@abcd,DCU:HideClock@abcd,DLM:Administrator,SLM:Enable,SU:ScreenSaveActive,"
    L"InitialKeyboardIndicators",
    L"DCU:Start_ShowSearch,Start_ShowRun,Start_ShowPrinters,Start_ShowHelp,Start_EnableDragDrop,"
    L"StartMenuLogoff,Start_ShowRecentDocs@abcd,StartMenuFavorites,Start_ShowUser@efgh,"
    L"Start_ShowSetProgramAccessAndDefaults,Start_ScrollPrograms,Start_NotifyNewApps,Start_AutoCascade,"
    L"Start_ShowNetPlaces@efgh,DLM:NoChangeStartMenu,NoSMBalloonTip,NoUserNameInStartMenu@abcd,"
    L"DCU:NoStartMenuMFUprogramsList@abcd,DLM:NoStartMenuMFUprogramsList@abcd,DCU:Start_TrackDocs@efgh,"
    L"Start_ShowRecentDocs@efgh,Start_TrackProgs@efgh,Start_ShowControlPanel,Start_ShowMyComputer,"
    L"Start_ShowMyPics,Start_ShowMyMusic,Start_ShowNetConn@abcd,Start_ShowMyGames@efgh,Start_ShowMyDocs,"
    L"Start_AdminToolsRoot,StartMenuAdminTools,SCU:MenuShowDelay,DCU:Start_LargeMFUIcons",
    L"DLM:ClearRecentDocsOnExit,DCU:ClearRecentDocsOnExit,DLM:UpdateMode,Verbose,LoadBalance,SCU:AutoEndTasks,"
    L"SU:AutoEndTasks,DLM:DisablePagingExecutive,ForceFIFO,SLM:[AlwaysUnloadDLL],SCU:FontSmoothing,MinAnimate,"
    L"DCU:WebView@abcd,ThumbnailSize@abcd,DLM:EnablePrefetcher,SCU:HungAppTimeout,SLM:HungAppTimeout,"
    L"SU:HungAppTimeout,SLM:WaitToKillServiceTimeout,SU:WaitToKillServiceTimeout,SCU:WaitToKillAppTimeout,"
    L"SU:WaitToKillAppTimeout,DLM:ContigFileAllocSize,LargeSystemCache",
    L"DCU:1803,SecAddSites,Accessibility,Settings,HideDirectoryFolder,DLM:restrictanonymous,"
    L"DCU:DisableWebPrinting,DLM:AutoShareWks,AutoShareServer,NoRecentDocsNetHood,DCU:NoSelectDownloadDir,"
    L"DLM:NC_ShowShardAccessUI,NC_AllowAdvancedTCPIPConfig,NoComputersNearMe,DCU:NoEntireNetwork,"
    L"DLM:NoEntireNetwork,DCU:NoNetHood,DLM:NoNetHood,DCU:FormSuggest@ab,DLM:FormSuggest@ab,PreventRun@abcd,"
    L"DCU:Hide Messenger@abcd,NoDriveTypeAutoRun,NoFileAssociate,Checkedvalue,NoInstrumentation,"
    L"NoRecentDocsHistory,SLM:EnableAutoUpgrade",
    L"DLM:PrefetchTail,SLM:PowerdownAfterShutdown,SCU:EnableDVDUI,DLM:WriteProtect@bcdefgh,Prefetch,CacheSize,"
    L"IoPageLockLimit,SecondLevelDataCache,DCU:NoBrowserContextMenu,DLM:NoBrowserContextMenu,"
    L"DCU:NoTrayContextMenu,DLM:NoTrayContextMenu,SLM:[Move To],[Copy To],[command],[OpenInNotepad],[command],"
    L"[OpenInWordPad],[command],[OpenInWeb]",
    L"DLM:TcpMaxDupAcks,RandomAdapter,EnableDeadGWDetect,EnablePMTUBHDetect,EnablePMTUDiscovery,Tcp1323Opts,"
    L"DisableTaskOffload,NoNameReleaseOnDemand,SackOpts,ArpUseEtherSNAP,TcpUseRFC1122UrgentPointer,"
    L"RelerseLeaseOnShutdown,MaxConnections,NumThreadsPerProcessor,MaxCacheTtl,MaxNegativeCacheTtl,"
    L"EnableConnectionRateLimiting@efgh",
    L"DLM:MTU,DefaultTTL,TcpTimedWaitDelay,ForwardBufferMemory,NumForwardPackets,KeepAliveTime,"
    L"KeepAliveInterval,TcpMaxDataRetransmissions,TcpMaxConnectRetransmissions,IGMPLevel,TcpNumConnections,"
    L"DCU:MaxConnectionsPerServer,MaxConnectionsPer1_0Server,DLM:TcpWindowSize,DCU:KeepAliveTimeout,"
    L"ServerInfoTimeout,DLM:SynAttackProtect,TcpMaxPortsExhausted,TcpMaxHalfOpen,TcpMaxHalfOpenRetried",
    L"KCU:{2559a1f0,{2559a1f3,{7A9D77BD,{7007ACC7,{6DFD7C5C,{48e7caab,{D20EA4E1,{7be9d83c@abcd,{2559a1f5,"
    L"{D20EA4E1,{D6277990@abcd,{2559a1f1,{2227A280,{AFDB1F70,{E211B736@abcd,{0DF44EAA,DCU:{20D04FE0,{20D04FE0,"
    L"{450D8FBA@abcd,{450D8FBA@abcd,{208D2C60@abcd,{208D2C60@abcd,{871C5380@cdef,{871C5380@cdef,KCU:{2559a1f0,"
    L"{2559a1f3,{7A9D77BD,{7007ACC7,{6DFD7C5C,{48e7caab,{D20EA4E1,{7be9d83c@abcd,{2559a1f5,{D20EA4E1,"
    L"{D6277990@abcd,{2559a1f1,{2227A280,{AFDB1F70,{E211B736@abcd,{0DF44EAA",
    L"DCU:NoUpdateCheck,Locked,AlwaysShowMenus,StatusBarWeb,Enabled@cdefg,CommandBarEnabled@dfg,"
    L"SmallIcons@cdefg,NoSearchBox@cdefg,ITBar7Position@cdefg,Enabled@cdefg,WarnOnClose@cdefg,"
    L"OpenInForeground@cdefg,QuickTabsThreshold@cdefg,OpenAllHomePages@cdefg,UseHomepageForNewTab@ce,"
    L"OpenAdjacent@ce,Homepage,DisablePasswordCaching,NoFileNew,NoFileOpen,NoBrowserSaveAs,"
    L"DisableImportExportFavorites,NoHelpMenu,DisableCachingOfSSLPages",
};

std::vector<std::wstring> ExpectedItems(const std::wstring& items, wchar_t system)
{
    std::vector<std::wstring> out;
    std::wstring kind;
    for (size_t start = 0, end = 0; start < items.size(); start = end + 1) {
        end = std::min(items.find(L',', start), items.size());
        std::wstring item = items.substr(start, end - start);
        if (item.find(L':') != std::wstring::npos) {
            kind = item.substr(0, item.find(L':') + 1);
            item.erase(0, kind.size());
        }
        const size_t at = item.find(L'@');
        if (at == std::wstring::npos || item.find(system, at) != std::wstring::npos)
            out.push_back(kind + item.substr(0, at));
    }
    return out;
}

std::vector<std::wstring> ActualItems(const BackupList& list)
{
    std::vector<std::wstring> out;
    for (const BackupItem& item : list.Items()) {
        const std::wstring path = item.keyPath, key = path.substr(path.rfind(L'\\') + 1);
        std::wstring name = item.valueName && item.valueName[0] ? item.valueName : L"[" + key + L"]";
        if (item.kind == BackupItem::Kind::Key)
            name = key;
        if (name[0] == L'{')
            name.resize(9);
        const wchar_t* root = item.root == kRootCurrentUser    ? L"CU:"
                              : item.root == kRootLocalMachine ? L"LM:"
                              : item.root == kRootUsers        ? L"U:"
                                                               : L"?:";
        out.push_back(L"DSK"[static_cast<int>(item.kind)] + (root + name));
    }
    return out;
}

TEST_F(PageBackups, EveryPageBacksUpItsValuesInItsOrderOnEverySystem)
{
    for (size_t system = 0; system < sizeof(kVersions) / sizeof(kVersions[0]); ++system) {
        Use(kVersions[system]);
        for (int page = 0; page < kTweakPageCount; ++page) {
            const std::vector<std::wstring> expected = ExpectedItems(kItems[page], static_cast<wchar_t>(L'a' + system));
            const std::vector<std::wstring> actual = ActualItems(Places(page));
            // Names the first item that differs rather than printing both lists whole.
            size_t same = 0;
            while (same < expected.size() && same < actual.size() && expected[same] == actual[same])
                ++same;
            EXPECT_TRUE(same == expected.size() && same == actual.size())
                << Describe(kVersions[system], page) << ": " << actual.size() << " items where " << expected.size()
                << " belong; item " << same << " is " << (same < actual.size() ? Narrow(actual[same]) : "missing")
                << ", expected " << (same < expected.size() ? Narrow(expected[same]) : "none");
        }
    }
}

}  // namespace
