// What each page backs up, on each system its rows differ on: the items, their kinds and their
// order, written out here from what each page saves (value names with their root and the last
// part of their key), and what a written backup says about values that are set, missing or
// of another type.
#include "backup/Backup.h"
#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

using Items = std::vector<std::wstring>;

struct System {
    int osCode;
    int servicePack;
    int ie;
    bool Xp() const { return osCode == 108; }
    bool Vista() const { return osCode == 113; }
    bool Win7() const { return osCode == 116; }
};

// "D LM Parameters:MTU": kind (D, S or K), root, the key's last part and the value name. A
// default value (empty name) shows two parts of its key, a key three.
std::wstring Describe(const BackupItem& item)
{
    const wchar_t* kinds[] = {L"D ", L"S ", L"K "};
    std::wstring text = kinds[static_cast<int>(item.kind)];
    switch (item.root) {
    case kRootCurrentUser: text += L"CU "; break;
    case kRootLocalMachine: text += L"LM "; break;
    case kRootUsers: text += L"U "; break;
    default: text += L"? "; break;
    }
    const std::wstring path = item.keyPath;
    const bool key = item.kind == BackupItem::Kind::Key;
    const std::wstring name = item.valueName ? item.valueName : L"";
    int parts = key ? 3 : name.empty() ? 2 : 1;
    size_t start = path.size();
    while (parts-- > 0 && start != std::wstring::npos && start > 0)
        start = path.rfind(L'\\', start - 1);
    text += path.substr(start == std::wstring::npos ? 0 : start + 1);
    if (!key)
        text += L":" + name;
    return text;
}

void Add(Items& items, const std::wstring& prefix, std::initializer_list<const wchar_t*> names)
{
    for (const wchar_t* name : names)
        items.push_back(prefix + name);
}

Items Desktop(const System& s)
{
    Items e = {L"D CU Explorer:NoSaveSettings", L"D CU Desktop:PaintDesktopVersion",
               L"D LM ActiveDesktop:NoChangingWallpaper", L"D CU ActiveDesktop:NoChangingWallpaper",
               L"D CU Advanced:TaskbarSizeMove", L"D CU Advanced:TaskbarGlomming"};
    if (s.Xp())
        Add(e, L"", {L"D LM Explorer:HideClock", L"D CU Explorer:HideClock"});
    Add(e, L"", {L"D LM UserList:Administrator", L"S LM BootOptimizeFunction:Enable", L"S U Desktop:ScreenSaveActive",
                 L"S U Keyboard:InitialKeyboardIndicators"});
    return e;
}

Items StartMenu(const System& s)
{
    const wchar_t* advanced = L"D CU Advanced:";
    Items e;
    Add(e, advanced, {L"Start_ShowSearch", L"Start_ShowRun", L"Start_ShowPrinters", L"Start_ShowHelp", L"Start_EnableDragDrop"});
    e.push_back(L"D CU Explorer:StartMenuLogoff");
    if (s.Xp()) {
        Add(e, advanced, {L"Start_ShowRecentDocs", L"StartMenuFavorites", L"Start_ShowSetProgramAccessAndDefaults",
                          L"Start_ScrollPrograms", L"Start_NotifyNewApps", L"Start_AutoCascade"});
        Add(e, L"D LM Explorer:", {L"NoChangeStartMenu", L"NoSMBalloonTip", L"NoUserNameInStartMenu"});
        Add(e, L"", {L"D CU Explorer:NoStartMenuMFUprogramsList", L"D LM Explorer:NoStartMenuMFUprogramsList"});
    } else {
        Add(e, advanced, {L"StartMenuFavorites", L"Start_ShowUser", L"Start_ShowSetProgramAccessAndDefaults",
                          L"Start_ScrollPrograms", L"Start_NotifyNewApps", L"Start_AutoCascade", L"Start_ShowNetPlaces"});
        Add(e, L"D LM Explorer:", {L"NoChangeStartMenu", L"NoSMBalloonTip"});
        Add(e, advanced, {L"Start_TrackDocs", L"Start_ShowRecentDocs", L"Start_TrackProgs"});
    }
    Add(e, advanced, {L"Start_ShowControlPanel", L"Start_ShowMyComputer", L"Start_ShowMyPics", L"Start_ShowMyMusic",
                      s.Xp() ? L"Start_ShowNetConn" : L"Start_ShowMyGames", L"Start_ShowMyDocs",
                      L"Start_AdminToolsRoot", L"StartMenuAdminTools"});
    Add(e, L"", {L"S CU Desktop:MenuShowDelay", L"D CU Advanced:Start_LargeMFUIcons"});
    return e;
}

Items SystemPage(const System& s)
{
    Items e = {L"D LM Explorer:ClearRecentDocsOnExit", L"D CU Explorer:ClearRecentDocsOnExit"};
    Add(e, L"D LM Update:", {L"UpdateMode", L"Verbose", L"LoadBalance"});
    Add(e, L"", {L"S CU Desktop:AutoEndTasks", L"S U Desktop:AutoEndTasks",
                 L"D LM Memory Management:DisablePagingExecutive", L"D LM 0000:ForceFIFO",
                 L"S LM Explorer\\AlwaysUnloadDLL:", L"S CU Desktop:FontSmoothing", L"S CU WindowMetrics:MinAnimate"});
    if (s.Xp())
        Add(e, L"", {L"D CU Advanced:WebView", L"D CU Explorer:ThumbnailSize"});
    Add(e, L"", {L"D LM PrefetchParameters:EnablePrefetcher", L"S CU Desktop:HungAppTimeout",
                 L"S LM Control:HungAppTimeout", L"S U Desktop:HungAppTimeout", L"S LM Control:WaitToKillServiceTimeout",
                 L"S U Desktop:WaitToKillServiceTimeout", L"S CU Desktop:WaitToKillAppTimeout",
                 L"S U Desktop:WaitToKillAppTimeout", L"D LM FileSystem:ContigFileAllocSize",
                 L"D LM Memory Management:LargeSystemCache"});
    return e;
}

Items Restrictions(const System& s)
{
    Items e = {L"D CU 3:1803"};
    Add(e, L"D CU Control Panel:", {L"SecAddSites", L"Accessibility", L"Settings"});
    Add(e, L"", {L"D CU Directory UI:HideDirectoryFolder", L"D LM Lsa:restrictanonymous",
                 L"D CU Printers:DisableWebPrinting", L"D LM parameters:AutoShareWks", L"D LM parameters:AutoShareServer",
                 L"D LM Explorer:NoRecentDocsNetHood", L"D CU Restrictions:NoSelectDownloadDir",
                 L"D LM Network Connections:NC_ShowShardAccessUI",
                 L"D LM Network Connections:NC_AllowAdvancedTCPIPConfig", L"D LM Explorer:NoComputersNearMe",
                 L"D CU Network:NoEntireNetwork", L"D LM Network:NoEntireNetwork", L"D CU Explorer:NoNetHood",
                 L"D LM Explorer:NoNetHood"});
    if (s.ie == 6)
        Add(e, L"", {L"D CU Control Panel:FormSuggest", L"D LM Explorer:FormSuggest"});
    if (s.Xp())
        Add(e, L"", {L"D LM Client:PreventRun", L"D CU Outlook Express:Hide Messenger"});
    Add(e, L"", {L"D CU Explorer:NoDriveTypeAutoRun", L"D CU Explorer:NoFileAssociate", L"D CU ShowAll:Checkedvalue",
                 L"D CU Explorer:NoInstrumentation", L"D CU Explorer:NoRecentDocsHistory",
                 L"S LM PlayerUpgrade:EnableAutoUpgrade"});
    return e;
}

Items Hardware(const System& s)
{
    Items e = {L"D LM CDFS:PrefetchTail", L"S LM Winlogon:PowerdownAfterShutdown", L"S CU Settings:EnableDVDUI"};
    if ((s.Xp() && s.servicePack > 1) || s.Vista() || s.Win7())
        e.push_back(L"D LM StorageDevicePolicies:WriteProtect");
    Add(e, L"", {L"D LM CDFS:Prefetch", L"D LM CDFS:CacheSize", L"D LM Memory Management:IoPageLockLimit",
                 L"D LM Memory Management:SecondLevelDataCache", L"D CU Restrictions:NoBrowserContextMenu",
                 L"D LM Restrictions:NoBrowserContextMenu", L"D CU Explorer:NoTrayContextMenu",
                 L"D LM Explorer:NoTrayContextMenu"});
    Add(e, L"S LM ", {L"ContextMenuHandlers\\Move To:", L"ContextMenuHandlers\\Copy To:", L"OpenInNotepad\\command:",
                      L"shell\\OpenInNotepad:", L"OpenInWordPad\\command:", L"shell\\OpenInWordPad:",
                      L"OpenInWeb\\command:", L"shell\\OpenInWeb:"});
    return e;
}

Items Network1(const System& s)
{
    Items e;
    Add(e, L"D LM Parameters:", {L"TcpMaxDupAcks", L"RandomAdapter", L"EnableDeadGWDetect", L"EnablePMTUBHDetect",
                                 L"EnablePMTUDiscovery", L"Tcp1323Opts", L"DisableTaskOffload",
                                 L"NoNameReleaseOnDemand", L"SackOpts", L"ArpUseEtherSNAP",
                                 L"TcpUseRFC1122UrgentPointer"});
    Add(e, L"", {L"D LM Interfaces:RelerseLeaseOnShutdown", L"D LM 1.0:MaxConnections",
                 L"D LM Performance:NumThreadsPerProcessor", L"D LM Parameters:MaxCacheTtl",
                 L"D LM Parameters:MaxNegativeCacheTtl"});
    if (s.Vista() || s.Win7())
        e.push_back(L"D LM Parameters:EnableConnectionRateLimiting");
    return e;
}

Items Network2(const System&)
{
    Items e;
    Add(e, L"D LM Parameters:", {L"MTU", L"DefaultTTL", L"TcpTimedWaitDelay", L"ForwardBufferMemory",
                                 L"NumForwardPackets", L"KeepAliveTime", L"KeepAliveInterval",
                                 L"TcpMaxDataRetransmissions", L"TcpMaxConnectRetransmissions", L"IGMPLevel",
                                 L"TcpNumConnections"});
    Add(e, L"D CU Internet Settings:", {L"MaxConnectionsPerServer", L"MaxConnectionsPer1_0Server"});
    e.push_back(L"D LM Parameters:TcpWindowSize");
    Add(e, L"D CU Internet Settings:", {L"KeepAliveTimeout", L"ServerInfoTimeout"});
    Add(e, L"D LM Parameters:", {L"SynAttackProtect", L"TcpMaxPortsExhausted", L"TcpMaxHalfOpen", L"TcpMaxHalfOpenRetried"});
    return e;
}

Items Icons(const System& s)
{
    // Namespace items in the XP order; true: Windows XP only.
    const std::pair<const wchar_t*, bool> names[] = {
        {L"{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}", false}, {L"{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}", false},
        {L"{7A9D77BD-5403-11d2-8785-2E0420524153}", false}, {L"{7007ACC7-3202-11D1-AAD2-00805FC1270E}", false},
        {L"{6DFD7C5C-2451-11d3-A299-00C04F8EF6AF}", false}, {L"{48e7caab-b918-4e58-a94d-505519c795dc}", false},
        {L"{D20EA4E1-3957-11d2-A40B-0C5020524153}", false}, {L"{7be9d83c-a729-4d97-b5a7-1b7313c39e0a}", true},
        {L"{2559a1f5-21d7-11d4-bdaf-00c04f60b9f0}", false}, {L"{D20EA4E1-3957-11d2-A40B-0C5020524152}", false},
        {L"{D6277990-4C6A-11CF-8D87-00AA0060F5BF}", true},  {L"{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}", false},
        {L"{2227A280-3AEA-1069-A2DE-08002B30309D}", false}, {L"{AFDB1F70-2A4C-11d2-9039-00C04F8EEB3E}", false},
        {L"{E211B736-43FD-11D1-9EFB-0000F8757FCD}", true},  {L"{0DF44EAA-FF21-4412-828E-260A8728E7F1}", false},
    };
    Items e;
    auto keys = [&](const wchar_t* list) {
        for (const auto& name : names)
            if (s.Xp() || !name.second)
                e.push_back(std::wstring(L"K CU ") + list + L"\\NameSpace\\" + name.first);
    };
    auto icon = [&](const wchar_t* name) {
        e.push_back(std::wstring(L"D CU ClassicStartMenu:") + name);
        e.push_back(std::wstring(L"D CU NewStartPanel:") + name);
    };
    keys(L"Desktop");
    icon(L"{20D04FE0-3AEA-1069-A2D8-08002B30309D}");
    if (s.Xp()) {
        icon(L"{450D8FBA-AD25-11D0-98A8-0800361B1103}");
        icon(L"{208D2C60-3AEA-1069-A2D7-08002B30309D}");
    }
    if ((s.Xp() && s.servicePack == 3) || s.Vista())
        icon(L"{871C5380-42A0-1069-A2EA-08002B30309D}");
    keys(L"MyComputer");
    return e;
}

Items InternetExplorer(const System& s)
{
    Items e = {L"D CU Main:NoUpdateCheck", L"D CU Toolbar:Locked", L"D CU Main:AlwaysShowMenus", L"D CU Main:StatusBarWeb"};
    if (s.ie == 7) {
        Add(e, L"D CU ", {L"CommandBar:Enabled", L"CommandBar:SmallIcons", L"Restrictions:NoSearchBox",
                          L"WebBrowser:ITBar7Position"});
        Add(e, L"D CU TabbedBrowsing:", {L"Enabled", L"WarnOnClose", L"OpenInForeground", L"QuickTabsThreshold",
                                         L"OpenAllHomePages", L"UseHomepageForNewTab", L"OpenAdjacent"});
    } else if (s.ie == 8) {
        Add(e, L"D CU ", {L"LinksBar:Enabled", L"CommandBar:CommandBarEnabled", L"CommandBar:SmallIcons",
                          L"Restrictions:NoSearchBox", L"WebBrowser:ITBar7Position"});
        Add(e, L"D CU TabbedBrowsing:", {L"Enabled", L"WarnOnClose", L"OpenInForeground", L"QuickTabsThreshold",
                                         L"OpenAllHomePages"});
    }
    Add(e, L"D CU ", {L"Control Panel:Homepage", L"Internet Settings:DisablePasswordCaching",
                      L"Restrictions:NoFileNew", L"Restrictions:NoFileOpen", L"Restrictions:NoBrowserSaveAs",
                      L"Internet Explorer:DisableImportExportFavorites", L"Restrictions:NoHelpMenu",
                      L"Internet Settings:DisableCachingOfSSLPages"});
    return e;
}

Items (*const kExpected[])(const System&) = {Desktop, StartMenu, SystemPage, Restrictions, Hardware,
                                              Network1, Network2, Icons, InternetExplorer};

SystemFacts FactsOf(const System& s)
{
    SystemFacts facts;
    facts.osCode = s.osCode;
    facts.servicePack = s.servicePack;
    facts.ieMajorVersion = s.ie;
    facts.language = 950;
    return facts;
}

Items ItemsOf(const QmThisApp& app, int page)
{
    BackupList list;
    EXPECT_TRUE(BackupItemsOf(app, page, list));
    Items items;
    for (const BackupItem& item : list.Items())
        items.push_back(Describe(item));
    return items;
}

// Names the first item that differs rather than printing both lists whole.
void ExpectSameItems(const Items& expected, const Items& actual)
{
    size_t i = 0;
    while (i < expected.size() && i < actual.size() && expected[i] == actual[i])
        ++i;
    if (i == expected.size() && i == actual.size())
        return;
    ADD_FAILURE() << actual.size() << " items where " << expected.size() << " belong; item " << i << " is "
                  << (i < actual.size() ? testreg::Narrow(actual[i]) : "missing") << ", expected "
                  << (i < expected.size() ? testreg::Narrow(expected[i]) : "none");
}

TEST(BackupItems, EveryPageSavesItsValuesInItsOrderOnEverySystem)
{
    // Each service pack and Internet Explorer version a page's rows depend on, on each system.
    const System systems[] = {{108, 1, 6}, {108, 2, 6}, {108, 3, 6}, {113, 2, 6}, {116, 1, 6}};
    const int ieVersions[] = {6, 7, 8, 9};
    QmThisApp app;
    for (System s : systems)
        for (int ie : ieVersions) {
            s.ie = ie;
            app.SetFacts(FactsOf(s));
            for (int page = 0; page < kTweakPageCount; ++page) {
                SCOPED_TRACE("os " + std::to_string(s.osCode) + " sp " + std::to_string(s.servicePack) + " ie " +
                             std::to_string(ie) + " page " + std::to_string(page));
                ExpectSameItems(kExpected[page](s), ItemsOf(app, page));
            }
        }
}

// A page backup written in a scratch current folder inside a registry sandbox.
class PageBackupFile : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        GetCurrentDirectoryW(MAX_PATH, saved_);
        ASSERT_TRUE(SetCurrentDirectoryW(folder_.Path().c_str()));
    }
    void TearDown() override
    {
        SetCurrentDirectoryW(saved_);
        RegistryTest::TearDown();
    }

    // Backs up `page` and keeps the file's text and the page's items.
    void BackUp(const System& s, int page)
    {
        app_.SetFacts(FactsOf(s));
        items_ = ItemsOf(app_, page);
        QmWString path;
        ASSERT_TRUE(BackUpPage(app_, page, &path));
        const std::string bytes = ReadFileBytes(path.CStr());
        ASSERT_GE(bytes.size(), 2u);
        ASSERT_EQ(std::string("\xFF\xFE", 2), bytes.substr(0, 2));
        text_.assign(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / sizeof(wchar_t));
        EXPECT_NE(std::wstring::npos, text_.find(L"<DataTotal>" + std::to_wstring(items_.size() - 1) + L"</DataTotal>\n"));
    }

    // The item described as `item` was written with this type, status and data.
    void ExpectItem(const std::wstring& item, const wchar_t* type, int status, const std::wstring& data)
    {
        size_t index = 0;
        while (index < items_.size() && items_[index] != item)
            ++index;
        ASSERT_LT(index, items_.size()) << "no item " << testreg::Narrow(item);
        const std::wstring lines = L"<DataIndex>" + std::to_wstring(index) + L"</DataIndex>\n<DataType>" + type +
                                   L"</DataType>\n<DataErrorCode>" + std::to_wstring(status) +
                                   L"</DataErrorCode>\n<Data>" + data + L"</Data>\n";
        EXPECT_NE(std::wstring::npos, text_.find(lines)) << testreg::Narrow(lines);
    }

    ScratchFolder folder_;
    wchar_t saved_[MAX_PATH] = {};
    QmThisApp app_;
    Items items_;
    std::wstring text_;
};

#define CDFS L"SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS"
#define HANDLERS L"SOFTWARE\\Classes\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\"
#define SHELL L"SOFTWARE\\Classes\\*\\shell\\"

TEST_F(PageBackupFile, HardwareValuesAndTextsAsTheyAreReadOrWhyNot)
{
    testreg::SetDword(HKEY_LOCAL_MACHINE, CDFS, L"PrefetchTail", 512);
    testreg::SetString(HKEY_LOCAL_MACHINE, CDFS, L"Prefetch", L"4096");  // a text where a number belongs
    testreg::SetString(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                       L"PowerdownAfterShutdown", L"1");
    testreg::CreateKey(HKEY_CURRENT_USER, L"Software\\Microsoft\\MediaPlayer\\Player\\Settings");  // no value
    testreg::SetDword(HKEY_LOCAL_MACHINE, HANDLERS L"Move To", L"", 1);  // a number where a text belongs
    testreg::SetString(HKEY_LOCAL_MACHINE, HANDLERS L"Copy To", L"", L"");
    testreg::SetString(HKEY_LOCAL_MACHINE, SHELL L"OpenInNotepad", L"", L"用記事本開啟");
    testreg::SetString(HKEY_LOCAL_MACHINE, SHELL L"OpenInNotepad\\command", L"", L"notepad.exe \"%1\"");
    testreg::SetString(HKEY_LOCAL_MACHINE, SHELL L"OpenInWordPad", L"", L"a <b> & c\nd");
    BackUp(System{116, 1, 8}, 4);

    ExpectItem(L"D LM CDFS:PrefetchTail", L"DWORD", 1, L"00000200");
    ExpectItem(L"D LM CDFS:Prefetch", L"DWORD", -3, L"00000000");
    ExpectItem(L"D LM CDFS:CacheSize", L"DWORD", -1, L"00000000");
    ExpectItem(L"D LM StorageDevicePolicies:WriteProtect", L"DWORD", -1, L"00000000");
    ExpectItem(L"S LM Winlogon:PowerdownAfterShutdown", L"SZ", 1, L"1");
    ExpectItem(L"S CU Settings:EnableDVDUI", L"SZ", -1, L"");
    ExpectItem(L"S LM ContextMenuHandlers\\Move To:", L"SZ", -3, L"");
    ExpectItem(L"S LM ContextMenuHandlers\\Copy To:", L"SZ", 1, L"");
    ExpectItem(L"S LM shell\\OpenInNotepad:", L"SZ", 1, L"用記事本開啟");
    ExpectItem(L"S LM OpenInNotepad\\command:", L"SZ", 1, L"notepad.exe \"%1\"");
    ExpectItem(L"S LM shell\\OpenInWordPad:", L"SZ", 1, L"a <b> & c\nd");
    ExpectItem(L"S LM OpenInWordPad\\command:", L"SZ", -1, L"");
    ExpectItem(L"S LM shell\\OpenInWeb:", L"SZ", -1, L"");
}

#define DESKTOP_NAMESPACE L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\"
#define HIDE_ICONS L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\"

TEST_F(PageBackupFile, IconKeysAsTheyExistAndIconValuesAsTheyAreRead)
{
    testreg::CreateKey(HKEY_CURRENT_USER, DESKTOP_NAMESPACE L"{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}");
    // A key that holds a value still only counts as existing.
    testreg::SetString(HKEY_CURRENT_USER, DESKTOP_NAMESPACE L"{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}", L"", L"x");
    const wchar_t computer[] = L"{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
    const wchar_t documents[] = L"{450D8FBA-AD25-11D0-98A8-0800361B1103}";
    testreg::SetDword(HKEY_CURRENT_USER, HIDE_ICONS L"ClassicStartMenu", computer, 0);
    testreg::SetDword(HKEY_CURRENT_USER, HIDE_ICONS L"NewStartPanel", computer, 0xFFFFFFFFu);
    testreg::SetString(HKEY_CURRENT_USER, HIDE_ICONS L"ClassicStartMenu", documents, L"0");
    BackUp(System{108, 3, 6}, 7);

    ExpectItem(L"K CU Desktop\\NameSpace\\{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}", L"Key", 1, L"1");
    ExpectItem(L"K CU Desktop\\NameSpace\\{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}", L"Key", 1, L"1");
    ExpectItem(L"K CU Desktop\\NameSpace\\{7A9D77BD-5403-11d2-8785-2E0420524153}", L"Key", -1, L"0");
    ExpectItem(L"K CU MyComputer\\NameSpace\\{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}", L"Key", -1, L"0");
    ExpectItem(std::wstring(L"D CU ClassicStartMenu:") + computer, L"DWORD", 1, L"00000000");
    ExpectItem(std::wstring(L"D CU NewStartPanel:") + computer, L"DWORD", 1, L"FFFFFFFF");
    ExpectItem(std::wstring(L"D CU ClassicStartMenu:") + documents, L"DWORD", -3, L"00000000");
    ExpectItem(std::wstring(L"D CU NewStartPanel:") + documents, L"DWORD", -1, L"00000000");
}

}  // namespace
