// Icons page (page 7, "圖示"): shell items on the desktop and inside My Computer. Most rows
// are namespace keys named by a CLSID (the row is checked while the key exists); four rows of
// the desktop list switch the standard desktop icons through their HideDesktopIcons values.
// Windows XP shows three namespace rows and two desktop icons that Vista and 7 do not.
// Compiled with a Big5 execution character set: labels and texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/ShellTexts.h"
#include "pages/PageWalks.h"
#include "platform/QmCReg.h"

namespace {

#define QM_DESKTOP_NAMESPACE L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\"
#define QM_COMPUTER_NAMESPACE L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\"

// The namespace keys of the desktop and of My Computer, the same sixteen in each; Windows
// Vista and 7 have all but three of them (rows below).
// item  label  root  key
const KeyToggle kDesktopNamespace[] = {
    {0, "顯示「搜尋」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}"},
    {1, "顯示「執行」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}"},
    {2, "顯示「使用者帳戶」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{7A9D77BD-5403-11d2-8785-2E0420524153}"},
    {3, "顯示「網路連線」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{7007ACC7-3202-11D1-AAD2-00805FC1270E}"},
    {4, "顯示「資料夾選項」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{6DFD7C5C-2451-11d3-A299-00C04F8EF6AF}"},
    {5, "顯示「開始CHIKon能表資料夾」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{48e7caab-b918-4e58-a94d-505519c795dc}"},
    {6, "顯示「系統管理工具資料夾」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{D20EA4E1-3957-11d2-A40B-0C5020524153}"},
    {7, "顯示「程式集資料夾」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{7be9d83c-a729-4d97-b5a7-1b7313c39e0a}"},
    {8, "顯示「電子郵件」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{2559a1f5-21d7-11d4-bdaf-00c04f60b9f0}"},
    {9, "顯示「字型資料夾」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{D20EA4E1-3957-11d2-A40B-0C5020524152}"},
    {10, "顯示「排定的工作」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{D6277990-4C6A-11CF-8D87-00AA0060F5BF}"},
    {11, "顯示「說明及支援」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}"},
    {12, "顯示「印表機和傳真」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{2227A280-3AEA-1069-A2DE-08002B30309D}"},
    {13, "顯示「離線檔案資料夾」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{AFDB1F70-2A4C-11d2-9039-00C04F8EEB3E}"},
    {14, "顯示「掃描器與數位相機」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{E211B736-43FD-11D1-9EFB-0000F8757FCD}"},
    {15, "顯示「工作列和開始CHIKon能表」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{0DF44EAA-FF21-4412-828E-260A8728E7F1}"},
};
const KeyToggle kComputerNamespace[] = {
    {0, "顯示「搜尋」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}"},
    {1, "顯示「執行」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}"},
    {2, "顯示「使用者帳戶」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{7A9D77BD-5403-11d2-8785-2E0420524153}"},
    {3, "顯示「網路連線」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{7007ACC7-3202-11D1-AAD2-00805FC1270E}"},
    {4, "顯示「資料夾選項」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{6DFD7C5C-2451-11d3-A299-00C04F8EF6AF}"},
    {5, "顯示「開始CHIKon能表資料夾」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{48e7caab-b918-4e58-a94d-505519c795dc}"},
    {6, "顯示「系統管理工具資料夾」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{D20EA4E1-3957-11d2-A40B-0C5020524153}"},
    {7, "顯示「程式集資料夾」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{7be9d83c-a729-4d97-b5a7-1b7313c39e0a}"},
    {8, "顯示「電子郵件」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{2559a1f5-21d7-11d4-bdaf-00c04f60b9f0}"},
    {9, "顯示「字型資料夾」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{D20EA4E1-3957-11d2-A40B-0C5020524152}"},
    {10, "顯示「排定的工作」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{D6277990-4C6A-11CF-8D87-00AA0060F5BF}"},
    {11, "顯示「說明及支援」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}"},
    {12, "顯示「印表機和傳真」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{2227A280-3AEA-1069-A2DE-08002B30309D}"},
    {13, "顯示「離線檔案資料夾」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{AFDB1F70-2A4C-11d2-9039-00C04F8EEB3E}"},
    {14, "顯示「掃描器與數位相機」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{E211B736-43FD-11D1-9EFB-0000F8757FCD}"},
    {15, "顯示「工作列和開始CHIKon能表」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{0DF44EAA-FF21-4412-828E-260A8728E7F1}"},
};
#undef QM_DESKTOP_NAMESPACE
#undef QM_COMPUTER_NAMESPACE

// Each desktop icon is one value named by its CLSID under both start-menu styles' keys;
// ClassicStartMenu comes first, in reads, writes and backups.
#define QM_CLASSIC L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\ClassicStartMenu"
#define QM_NEW_PANEL L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\NewStartPanel"

// item  label  type  root  key  value  off  on
const DwordToggle kMyComputerIcon[] = {
    {0, "顯示「我的電腦」圖示", REG_DWORD, kRootCurrentUser, QM_CLASSIC, L"{20D04FE0-3AEA-1069-A2D8-08002B30309D}", 1, 0},
    {1, "顯示「我的電腦」圖示", REG_DWORD, kRootCurrentUser, QM_NEW_PANEL, L"{20D04FE0-3AEA-1069-A2D8-08002B30309D}", 1, 0},
};
const DwordToggle kMyDocumentsIcon[] = {
    {0, "顯示「我的文件」圖示", REG_DWORD, kRootCurrentUser, QM_CLASSIC, L"{450D8FBA-AD25-11D0-98A8-0800361B1103}", 1, 0},
    {1, "顯示「我的文件」圖示", REG_DWORD, kRootCurrentUser, QM_NEW_PANEL, L"{450D8FBA-AD25-11D0-98A8-0800361B1103}", 1, 0},
};
const DwordToggle kNetworkPlacesIcon[] = {
    {0, "顯示「網上的芳鄰」圖示", REG_DWORD, kRootCurrentUser, QM_CLASSIC, L"{208D2C60-3AEA-1069-A2D7-08002B30309D}", 1, 0},
    {1, "顯示「網上的芳鄰」圖示", REG_DWORD, kRootCurrentUser, QM_NEW_PANEL, L"{208D2C60-3AEA-1069-A2D7-08002B30309D}", 1, 0},
};
// Cleared, this row deletes both values instead of writing its off value.
const DwordToggle kInternetExplorerIcon[] = {
    {0, "顯示「IE」圖示", REG_DWORD, kRootCurrentUser, QM_CLASSIC, L"{871C5380-42A0-1069-A2EA-08002B30309D}", 1, 0},
    {1, "顯示「IE」圖示", REG_DWORD, kRootCurrentUser, QM_NEW_PANEL, L"{871C5380-42A0-1069-A2EA-08002B30309D}", 1, 0},
};

#undef QM_CLASSIC
#undef QM_NEW_PANEL

// Another Windows version gets no rows at all.
const ShownOn kOurs = ShownOn::XpVista7;

// The namespace rows, the same in both lists, each standing for the key of the same number
// in the list's group.
// text (950, 936 where it differs)  picture  kind  values  shown on
const CheckRow kNamespaceRows[] = {
    {{"顯示「搜尋」圖示"}, 12, RowKind::Key, {}, kOurs},
    {{"顯示「執行」圖示"}, 14, RowKind::Key, {}, kOurs},
    {{"顯示「使用者帳戶」圖示"}, 56, RowKind::Key, {}, kOurs},
    {{"顯示「網路連線」圖示"}, 37, RowKind::Key, {}, kOurs},
    {{"顯示「資料夾選項」圖示"}, 42, RowKind::Key, {}, kOurs},
    {{"顯示「開始功能表資料夾」圖示", "顯示「開始菜單資料夾」圖示"}, 1, RowKind::Key, {}, kOurs},
    {{"顯示「系統管理工具資料夾」圖示"}, 19, RowKind::Key, {}, kOurs},
    {{"顯示「程式集資料夾」圖示"}, 10, RowKind::Key, {}, kXp},
    {{"顯示「電子郵件」圖示"}, 1, RowKind::Key, {}, kOurs},
    {{"顯示「字型資料夾」圖示"}, 21, RowKind::Key, {}, kOurs},
    {{"顯示「排定的工作」圖示"}, 1, RowKind::Key, {}, kXp},
    {{"顯示「說明及支援」圖示"}, 13, RowKind::Key, {}, kOurs},
    {{"顯示「印表機和傳真」圖示"}, 20, RowKind::Key, {}, kOurs},
    {{"顯示「離線檔案資料夾」圖示"}, 36, RowKind::Key, {}, kOurs},
    {{"顯示「掃描器與數位相機」圖示"}, 66, RowKind::Key, {}, kXp},
    {{"顯示「工作列和開始功能表」圖示", "顯示「工作列和開始菜單」圖示"}, 22, RowKind::Key, {}, kOurs},
};
static_assert(CountOf(kNamespaceRows) == CountOf(kDesktopNamespace), "a record for every row");
static_assert(CountOf(kNamespaceRows) == CountOf(kComputerNamespace), "a record for every row");
// The Windows XP desktop list keeps its own stored text for the start-menu folder row.
const int kStartMenuFolderRow = 5;
const TextPair kStartMenuFolderXpDesktop = {"顯示「開始功表資料夾」圖示", "顯示「開始菜單資料夾」圖示"};

// The desktop icons, after the namespace rows of the desktop list. Cleared, the IE row deletes
// both values instead of writing its off value.
// text  picture  kind  values  shown on
const CheckRow kDesktopIconRows[] = {
    {{"顯示「我的電腦」圖示"}, 8, kPlain, {Dw(kMyComputerIcon[0]), Dw(kMyComputerIcon[1])}, kOurs},
    {{"顯示「我的文件」圖示"}, 50, kPlain, {Dw(kMyDocumentsIcon[0]), Dw(kMyDocumentsIcon[1])}, kXp},
    {{"顯示「網上的芳鄰」圖示"}, 9, kPlain, {Dw(kNetworkPlacesIcon[0]), Dw(kNetworkPlacesIcon[1])}, kXp},
    {{"顯示「IE」圖示"}, 72, kPlain,
     {Dw(kInternetExplorerIcon[0], kDelete), Dw(kInternetExplorerIcon[1], kDelete)},
     ShownOn::XpSp3OrVista},
};

// group  list  title  rows
const CheckList kLists[] = {
    {kIdGroupMain, kIdListMain, Title(kTitleDesktopIcons), {{kNamespaceRows, kDesktopNamespace}, {kDesktopIconRows}}},
    {kIdGroupRight, kIdListRight, Title(kTitleMyComputerIcons), {{kNamespaceRows, kComputerNamespace}}},
};

}  // namespace

int ShowIconsPage(QmThisApp& app)
{
    if (!HasTableControls(app, kLists))
        return 0;
    ShowRows(app, kLists);
    // The namespace rows serve both lists; the Windows XP desktop list has its own text for one.
    if (app.IsXp()) {
        QmListview* desktop = app.ListView(kIdListMain);
        desktop->DeleteItem(kStartMenuFolderRow);
        app.InsertCheckRow(desktop, kStartMenuFolderRow, kStartMenuFolderXpDesktop, kNamespaceRows[kStartMenuFolderRow].image);
    }
    return 1;
}

int LayoutIconsPage(QmThisApp& app, int width, int height)
{
    if (!HasTableControls(app, kLists))
        return -1;
    PlaceTwoListColumns(app, width, height);
    return 0;
}

void ReadIconsPage(const SystemFacts& system, PageState& state)
{
    ReadRows(kLists, system, state);
}

int ApplyIconsPage(QmThisApp& app)
{
    if (!HasTableControls(app, kLists))
        return -1;
    return RunApplyFrame(app, [](QmCReg& reg, QmThisApp& page) { ApplyRows(reg, page, kLists); });
}

void IconsBackupItems(const QmThisApp& app, BackupList& items)
{
    BackupRows(kLists, app.Facts(), items);
}
