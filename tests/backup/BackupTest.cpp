// The backup file format, page backups and their folders, and what each page backs up in
// which order.
#include "backup/BackupFormat.h"
#include "tests/backup/ToolFixture.h"

#include <algorithm>
#include <sstream>

namespace {

using testreg::Narrow;

TEST(BackupFormat, TheWorkedExampleByteForByte)
{
    QmWString text;
    ASSERT_TRUE(AppendBackupHeader(text, 108, 0, BackupStamp({2009, 2, 0, 26, 14, 5, 9, 0})));  // weekday and milliseconds unused
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
    EXPECT_STREQ(L"9_5_0", BackupStamp({2026, 12, 0, 6, 9, 5, 0, 0}).CStr() + 10);
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

    QmWString header, server;
    EXPECT_TRUE(AppendBackupHeader(header, 116, 12, QmWString(L"s")));
    EXPECT_NE(std::wstring::npos, std::wstring(header.CStr()).find(L"<System_Version>Windows 7</System_Version>\n"
                                                                   L"<Page_Index>-1</Page_Index>\n<Page_Name>UnKnown<"));
    EXPECT_TRUE(!AppendBackupHeader(server, 114, 0, QmWString(L"s")) && server.Length() == 0) << "a server has no name in the format";
}

// Page backups in a fresh current folder, inside a registry sandbox.
using PageBackups = ToolTest;

TEST_F(PageBackups, TheFirstBackupMakesEveryFolderAndReplacesAFileOfTheSameSecondWhole)
{
    const std::wstring desktop = folder_.File(L"QM_Backup\\XP\\0");
    std::filesystem::create_directories(desktop);
    // An older, longer file of the name the backup gets, in this second or the next two; while
    // another program holds it, the backup fails.
    SYSTEMTIME now;
    GetLocalTime(&now);
    ULARGE_INTEGER moment;
    SystemTimeToFileTime(&now, reinterpret_cast<FILETIME*>(&moment));
    std::vector<HANDLE> held;
    for (int ahead = 0; ahead < 3; ++ahead, moment.QuadPart += 10000000ull) {
        FileTimeToSystemTime(reinterpret_cast<FILETIME*>(&moment), &now);
        const std::wstring name = desktop + L"\\DT_" + BackupStamp(now).CStr() + L".qmb";
        WriteFileBytes(name, std::string(20000, 'x'));
        held.push_back(CreateFileW(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    }
    QmWString path;
    EXPECT_FALSE(BackUpPage(app_, 0, &path));
    std::for_each(held.begin(), held.end(), CloseHandle);
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

// A value the reader would not give back as it was read: the backup fails, says which item,
// and leaves nothing in the page's folder.
TEST_F(PageBackups, AValueThatWouldNotReadBackFailsTheBackupAndLeavesNoFile)
{
    const wchar_t* const kCommand = L"SOFTWARE\\Classes\\*\\shell\\OpenInNotepad\\command";
    // page  root  key  value  text
    const struct { int page; HKEY root; const wchar_t* key; const wchar_t* name; std::wstring text; } kCases[] = {
        {2, HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"AutoEndTasks", L"0</Data>\n<DataIndex>6</DataIndex>\n"},
        {2, HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"AutoEndTasks", std::wstring(4097, L'1')},
        {4, HKEY_LOCAL_MACHINE, kCommand, L"", L"cmd.exe /c calc.exe & \"%1\""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(Narrow(c.text.substr(0, 40)));
        testreg::SetString(c.root, c.key, c.name, c.text);
        EXPECT_EQ(kToolFailed, Run({L"backup", std::to_wstring(c.page)}));
        const std::wstring place = std::wstring(c.key) + L"  " + (c.name[0] ? L"\"" + std::wstring(c.name) + L"\"" : L"（預設值）");
        EXPECT_NE(std::wstring::npos, output_.err.find(place)) << Narrow(output_.err);
        EXPECT_EQ(0u, FilesIn(folder_.File(L"QM_Backup\\XP\\" + std::to_wstring(c.page))));
        // Without it the page backs up.
        testreg::RemoveValue(c.root, c.key, c.name);
        EXPECT_TRUE(DeleteFileW(BackUp(c.page).c_str()));
    }
}

// Each page's items in file order on Windows XP SP2 and on Windows 7: the kind (D, S, K) and root
// (CU, LM, U) wherever they change, then the value name; a default value by its key's name in
// brackets, a key by its own name; names in braces cut to nine characters. After "@", the one
// system an item is found on (x: XP, 7: Windows 7). Files are read by position: an item moved
// puts an older file's values in other places.
const wchar_t* const kItems[kTweakPageCount] = {
    L"DCU:NoSaveSettings,PaintDesktopVersion,DLM:NoChangingWallpaper,DCU:NoChangingWallpaper,TaskbarSizeMove,TaskbarGlomming,DLM:HideClock@x,"
    L"DCU:HideClock@x,DLM:Administrator,SLM:Enable,SU:ScreenSaveActive,InitialKeyboardIndicators",
    L"DCU:Start_ShowSearch,Start_ShowRun,Start_ShowPrinters,Start_ShowHelp,Start_EnableDragDrop,StartMenuLogoff,Start_ShowRecentDocs@x,"
    L"StartMenuFavorites,Start_ShowUser@7,Start_ShowSetProgramAccessAndDefaults,Start_ScrollPrograms,Start_NotifyNewApps,Start_AutoCascade,"
    L"Start_ShowNetPlaces@7,DLM:NoChangeStartMenu,NoSMBalloonTip,NoUserNameInStartMenu@x,DCU:NoStartMenuMFUprogramsList@x,"
    L"DLM:NoStartMenuMFUprogramsList@x,DCU:Start_TrackDocs@7,Start_ShowRecentDocs@7,Start_TrackProgs@7,Start_ShowControlPanel,"
    L"Start_ShowMyComputer,Start_ShowMyPics,Start_ShowMyMusic,Start_ShowNetConn@x,Start_ShowMyGames@7,Start_ShowMyDocs,Start_AdminToolsRoot,"
    L"StartMenuAdminTools,SCU:MenuShowDelay,DCU:Start_LargeMFUIcons",
    L"DLM:ClearRecentDocsOnExit,DCU:ClearRecentDocsOnExit,DLM:UpdateMode,Verbose,LoadBalance,SCU:AutoEndTasks,SU:AutoEndTasks,"
    L"DLM:DisablePagingExecutive,ForceFIFO,SLM:[AlwaysUnloadDLL],SCU:FontSmoothing,MinAnimate,DCU:WebView@x,ThumbnailSize@x,DLM:EnablePrefetcher,"
    L"SCU:HungAppTimeout,SLM:HungAppTimeout,SU:HungAppTimeout,SLM:WaitToKillServiceTimeout,SU:WaitToKillServiceTimeout,SCU:WaitToKillAppTimeout,"
    L"SU:WaitToKillAppTimeout,DLM:ContigFileAllocSize,LargeSystemCache",
    L"DCU:1803,SecAddSites,Accessibility,Settings,HideDirectoryFolder,DLM:restrictanonymous,DCU:DisableWebPrinting,DLM:AutoShareWks,"
    L"AutoShareServer,NoRecentDocsNetHood,DCU:NoSelectDownloadDir,DLM:NC_ShowShardAccessUI,NC_AllowAdvancedTCPIPConfig,NoComputersNearMe,"
    L"DCU:NoEntireNetwork,DLM:NoEntireNetwork,DCU:NoNetHood,DLM:NoNetHood,DCU:FormSuggest@x,DLM:FormSuggest@x,PreventRun@x,DCU:Hide Messenger@x,"
    L"NoDriveTypeAutoRun,NoFileAssociate,Checkedvalue,NoInstrumentation,NoRecentDocsHistory,SLM:EnableAutoUpgrade",
    L"DLM:PrefetchTail,SLM:PowerdownAfterShutdown,SCU:EnableDVDUI,DLM:WriteProtect,Prefetch,CacheSize,IoPageLockLimit,SecondLevelDataCache,"
    L"DCU:NoBrowserContextMenu,DLM:NoBrowserContextMenu,DCU:NoTrayContextMenu,DLM:NoTrayContextMenu,SLM:[Move To],[Copy To],[command],"
    L"[OpenInNotepad],[command],[OpenInWordPad],[command],[OpenInWeb]",
    L"DLM:TcpMaxDupAcks,RandomAdapter,EnableDeadGWDetect,EnablePMTUBHDetect,EnablePMTUDiscovery,Tcp1323Opts,DisableTaskOffload,"
    L"NoNameReleaseOnDemand,SackOpts,ArpUseEtherSNAP,TcpUseRFC1122UrgentPointer,RelerseLeaseOnShutdown,MaxConnections,NumThreadsPerProcessor,"
    L"MaxCacheTtl,MaxNegativeCacheTtl,EnableConnectionRateLimiting@7",
    L"DLM:MTU,DefaultTTL,TcpTimedWaitDelay,ForwardBufferMemory,NumForwardPackets,KeepAliveTime,KeepAliveInterval,TcpMaxDataRetransmissions,"
    L"TcpMaxConnectRetransmissions,IGMPLevel,TcpNumConnections,DCU:MaxConnectionsPerServer,MaxConnectionsPer1_0Server,DLM:TcpWindowSize,"
    L"DCU:KeepAliveTimeout,ServerInfoTimeout,DLM:SynAttackProtect,TcpMaxPortsExhausted,TcpMaxHalfOpen,TcpMaxHalfOpenRetried",
    L"KCU:{2559a1f0,{2559a1f3,{7A9D77BD,{7007ACC7,{6DFD7C5C,{48e7caab,{D20EA4E1,{7be9d83c@x,{2559a1f5,{D20EA4E1,{D6277990@x,{2559a1f1,{2227A280,"
    L"{AFDB1F70,{E211B736@x,{0DF44EAA,DCU:{20D04FE0,{20D04FE0,{450D8FBA@x,{450D8FBA@x,{208D2C60@x,{208D2C60@x,KCU:{2559a1f0,{2559a1f3,{7A9D77BD,"
    L"{7007ACC7,{6DFD7C5C,{48e7caab,{D20EA4E1,{7be9d83c@x,{2559a1f5,{D20EA4E1,{D6277990@x,{2559a1f1,{2227A280,{AFDB1F70,{E211B736@x,{0DF44EAA",
    L"DCU:NoUpdateCheck,Locked,AlwaysShowMenus,StatusBarWeb,Enabled@7,CommandBarEnabled@7,SmallIcons@7,NoSearchBox@7,ITBar7Position@7,Enabled@7,"
    L"WarnOnClose@7,OpenInForeground@7,QuickTabsThreshold@7,OpenAllHomePages@7,Homepage,DisablePasswordCaching,NoFileNew,NoFileOpen,"
    L"NoBrowserSaveAs,DisableImportExportFavorites,NoHelpMenu,DisableCachingOfSSLPages",
};

TEST_F(PageBackups, EveryPageBacksUpItsItemsInTheirOrder)
{
    const wchar_t* const kRoots[] = {L"CR:", L"CU:", L"LM:", L"U:"};  // by the low bits of the root
    for (const Version& version : {kXpSp2, kSeven}) {
        Use(version);
        for (int page = 0; page < kTweakPageCount; ++page) {
            const BackupList places = Places(page);
            std::wstring expected, actual, kind, item;
            for (std::wistringstream items(kItems[page]); std::getline(items, item, L',');) {
                if (item.find(L':') != std::wstring::npos)
                    kind = item.substr(0, item.find(L':') + 1), item.erase(0, kind.size());
                if (item.find(L'@') == std::wstring::npos || item.back() == (version.osCode == kSeven.osCode ? L'7' : L'x'))
                    expected += kind + item.substr(0, item.find(L'@')) + L"\n";
            }
            for (const BackupItem& item : places.Items()) {
                const std::wstring key = wcsrchr(item.keyPath, L'\\') + 1;
                const std::wstring name = item.kind == BackupItem::Kind::Key ? key : item.valueName[0] ? item.valueName : L"[" + key + L"]";
                actual += L"DSK"[static_cast<int>(item.kind)] + (kRoots[item.root & 3] + name.substr(0, name[0] == L'{' ? 9 : name.size())) + L"\n";
            }
            EXPECT_EQ(expected, actual) << "page " << page << " on " << version.osCode;
        }
    }
}

}  // namespace
