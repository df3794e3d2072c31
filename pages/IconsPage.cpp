// Icons page (page 7, "圖示"): shell items on the desktop and inside My Computer. Most rows
// are namespace keys named by a CLSID (the row is checked while the key exists); four rows of
// the desktop list switch the standard desktop icons through their HideDesktopIcons values.
// Windows XP, Vista and 7 each have their own edition of the page; any other system gets no
// rows. Compiled with a Big5 execution character set: labels and texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/CheckListRefill.h"
#include "model/CheckRowText.h"
#include "model/CheckRows.h"
#include "model/ShellTexts.h"
#include "model/TweakRead.h"
#include "model/TweakWrite.h"
#include "platform/QmCReg.h"

namespace {

#define QM_DESKTOP_NAMESPACE L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\"
#define QM_COMPUTER_NAMESPACE L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\"

// item  label  root  key
const KeyToggle kDesktopNamespaceXp[] = {
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
const KeyToggle kDesktopNamespaceVista7[] = {
    {0, "顯示「搜尋」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}"},
    {1, "顯示「執行」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}"},
    {2, "顯示「使用者帳戶」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{7A9D77BD-5403-11d2-8785-2E0420524153}"},
    {3, "顯示「網路連線」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{7007ACC7-3202-11D1-AAD2-00805FC1270E}"},
    {4, "顯示「資料夾選項」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{6DFD7C5C-2451-11d3-A299-00C04F8EF6AF}"},
    {5, "顯示「開始CHIKon能表資料夾」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{48e7caab-b918-4e58-a94d-505519c795dc}"},
    {6, "顯示「系統管理工具資料夾」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{D20EA4E1-3957-11d2-A40B-0C5020524153}"},
    {7, "顯示「電子郵件」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{2559a1f5-21d7-11d4-bdaf-00c04f60b9f0}"},
    {8, "顯示「字型資料夾」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{D20EA4E1-3957-11d2-A40B-0C5020524152}"},
    {9, "顯示「說明及支援」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}"},
    {10, "顯示「印表機和傳真」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{2227A280-3AEA-1069-A2DE-08002B30309D}"},
    {11, "顯示「離線檔案資料夾」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{AFDB1F70-2A4C-11d2-9039-00C04F8EEB3E}"},
    {12, "顯示「工作列和開始CHIKon能表」圖示", kRootCurrentUser, QM_DESKTOP_NAMESPACE L"{0DF44EAA-FF21-4412-828E-260A8728E7F1}"},
};
const KeyToggle kComputerNamespaceXp[] = {
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
const KeyToggle kComputerNamespaceVista7[] = {
    {0, "顯示「搜尋」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}"},
    {1, "顯示「執行」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}"},
    {2, "顯示「使用者帳戶」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{7A9D77BD-5403-11d2-8785-2E0420524153}"},
    {3, "顯示「網路連線」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{7007ACC7-3202-11D1-AAD2-00805FC1270E}"},
    {4, "顯示「資料夾選項」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{6DFD7C5C-2451-11d3-A299-00C04F8EF6AF}"},
    {5, "顯示「開始CHIKon能表資料夾」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{48e7caab-b918-4e58-a94d-505519c795dc}"},
    {6, "顯示「系統管理工具資料夾」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{D20EA4E1-3957-11d2-A40B-0C5020524153}"},
    {7, "顯示「電子郵件」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{2559a1f5-21d7-11d4-bdaf-00c04f60b9f0}"},
    {8, "顯示「字型資料夾」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{D20EA4E1-3957-11d2-A40B-0C5020524152}"},
    {9, "顯示「說明及支援」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}"},
    {10, "顯示「印表機和傳真」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{2227A280-3AEA-1069-A2DE-08002B30309D}"},
    {11, "顯示「離線檔案資料夾」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{AFDB1F70-2A4C-11d2-9039-00C04F8EEB3E}"},
    {12, "顯示「工作列和開始CHIKon能表」圖示", kRootCurrentUser, QM_COMPUTER_NAMESPACE L"{0DF44EAA-FF21-4412-828E-260A8728E7F1}"},
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

// The namespace rows in the Windows XP order with their pictures; Vista and 7 leave out the
// XP-only ones. The same rows, in the same order, fill both lists.
struct NamespaceRow {
    CheckRowText text;
    int image;
    bool xpOnly;
};
// text (950, 936 where it differs)  picture  XP only
constexpr NamespaceRow kNamespaceRows[] = {
    {{{950, "顯示「搜尋」圖示"}}, 12, false},
    {{{950, "顯示「執行」圖示"}}, 14, false},
    {{{950, "顯示「使用者帳戶」圖示"}}, 56, false},
    {{{950, "顯示「網路連線」圖示"}}, 37, false},
    {{{950, "顯示「資料夾選項」圖示"}}, 42, false},
    {{{950, "顯示「開始功能表資料夾」圖示"}, {950, "顯示「開始菜單資料夾」圖示"}}, 1, false},
    {{{950, "顯示「系統管理工具資料夾」圖示"}}, 19, false},
    {{{950, "顯示「程式集資料夾」圖示"}}, 10, true},
    {{{950, "顯示「電子郵件」圖示"}}, 1, false},
    {{{950, "顯示「字型資料夾」圖示"}}, 21, false},
    {{{950, "顯示「排定的工作」圖示"}}, 1, true},
    {{{950, "顯示「說明及支援」圖示"}}, 13, false},
    {{{950, "顯示「印表機和傳真」圖示"}}, 20, false},
    {{{950, "顯示「離線檔案資料夾」圖示"}}, 36, false},
    {{{950, "顯示「掃描器與數位相機」圖示"}}, 66, true},
    {{{950, "顯示「工作列和開始功能表」圖示"}, {950, "顯示「工作列和開始菜單」圖示"}}, 22, false},
};
// The Windows XP desktop list keeps its own stored text for the start-menu folder row.
const int kStartMenuFolderRow = 5;
const CheckRowText kStartMenuFolderXpDesktop = {{950, "顯示「開始功表資料夾」圖示"}, {950, "顯示「開始菜單資料夾」圖示"}};

constexpr int RowsOnVista7()
{
    int count = 0;
    for (const NamespaceRow& row : kNamespaceRows)
        count += row.xpOnly ? 0 : 1;
    return count;
}
static_assert(CountOf(kNamespaceRows) == CountOf(kDesktopNamespaceXp), "a record for every XP row");
static_assert(CountOf(kNamespaceRows) == CountOf(kComputerNamespaceXp), "a record for every XP row");
static_assert(RowsOnVista7() == CountOf(kDesktopNamespaceVista7), "a record for every Vista and 7 row");
static_assert(RowsOnVista7() == CountOf(kComputerNamespaceVista7), "a record for every Vista and 7 row");

// Where a desktop-icon row is shown.
enum class Shown {
    Everywhere,
    XpOnly,
    XpSp3AndVista,  // on Windows XP only with service pack 3
};
// The desktop-icon rows, after the namespace rows of the desktop list.
struct DesktopIconRow {
    const DwordToggle* values;  // ClassicStartMenu, NewStartPanel
    CheckRowText text;
    int image;
    Shown shown;
    WhenCleared cleared;
};
// values  text  picture  shown  when cleared
const DesktopIconRow kDesktopIconRows[] = {
    {kMyComputerIcon, {{950, "顯示「我的電腦」圖示"}}, 8, Shown::Everywhere, WhenCleared::WriteOff},
    {kMyDocumentsIcon, {{950, "顯示「我的文件」圖示"}}, 50, Shown::XpOnly, WhenCleared::WriteOff},
    {kNetworkPlacesIcon, {{950, "顯示「網上的芳鄰」圖示"}}, 9, Shown::XpOnly, WhenCleared::WriteOff},
    {kInternetExplorerIcon, {{950, "顯示「IE」圖示"}}, 72, Shown::XpSp3AndVista, WhenCleared::Delete},
};
const int kIconValueCount = 2;

// The namespace records of one edition of the page.
struct Edition {
    int osCode;
    const KeyToggle* desktop;
    const KeyToggle* computer;
};
// Windows  desktop list  My Computer list
const Edition kEditions[] = {
    {108, kDesktopNamespaceXp, kComputerNamespaceXp},
    {113, kDesktopNamespaceVista7, kComputerNamespaceVista7},
    {116, kDesktopNamespaceVista7, kComputerNamespaceVista7},
};

const Edition* EditionOf(const QmThisApp& app)
{
    for (const Edition& edition : kEditions)
        if (edition.osCode == app.GetOsCode())
            return &edition;
    return nullptr;
}

bool IconRowShown(const QmThisApp& app, Shown shown)
{
    switch (shown) {
    case Shown::Everywhere:
        return true;
    case Shown::XpOnly:
        return app.IsXp();
    case Shown::XpSp3AndVista:
        return (app.IsXp() && app.ServicePack() == 3) || app.IsVista();
    }
    return false;
}

// One row of the page as show, read, apply and backup see it: a namespace key or a desktop
// icon's two values. The list is named by its id, so a backup walks the rows without windows.
struct PageRow {
    int listId;
    int index;
    TextPair text;
    int image;
    const KeyToggle* key;
    const DwordToggle* values;
    WhenCleared cleared;
};

// Calls `visit` for every row of the current edition in page order: the desktop list's
// namespace rows, its desktop-icon rows, then the My Computer list's namespace rows. Show,
// read, apply and backup all walk the page through here, so they always agree on its rows.
template <class Visit>
void ForEachRow(const QmThisApp& app, Visit&& visit)
{
    const Edition* edition = EditionOf(app);
    if (!edition)
        return;
    for (int listId : {kIdListMain, kIdListRight}) {
        const bool desktop = listId == kIdListMain;
        const KeyToggle* keys = desktop ? edition->desktop : edition->computer;
        int index = 0;
        for (int i = 0; i < CountOf(kNamespaceRows); ++i) {
            const NamespaceRow& row = kNamespaceRows[i];
            if (row.xpOnly && !app.IsXp())
                continue;
            const bool ownText = desktop && app.IsXp() && i == kStartMenuFolderRow;
            const TextPair text = ownText ? kStartMenuFolderXpDesktop.Pair() : row.text.Pair();
            visit(PageRow{listId, index, text, row.image, &keys[index], nullptr, WhenCleared::Leave});
            ++index;
        }
        if (!desktop)
            continue;
        for (const DesktopIconRow& row : kDesktopIconRows)
            if (IconRowShown(app, row.shown))
                visit(PageRow{listId, index++, row.text.Pair(), row.image, nullptr, row.values, row.cleared});
    }
}

bool HasControls(QmThisApp& app)
{
    return app.Button(kIdApplyButton) && app.Combo(kIdPageList) && app.Button(kIdGroupMain) &&
           app.ListView(kIdListMain) && app.Button(kIdGroupRight) && app.ListView(kIdListRight);
}

}  // namespace

int ShowIconsPage(QmThisApp& app)
{
    if (!HasControls(app))
        return 0;
    app.Combo(kIdPageList)->Enable(false);
    // Captions and empty lists on every system, so no other page's rows stay behind where
    // this page has none.
    app.SetCaption(app.Button(kIdGroupMain), Title(kTitleDesktopIcons));
    app.SetCaption(app.Button(kIdGroupRight), Title(kTitleMyComputerIcons));
    const CheckListRefill desktop(*app.ListView(kIdListMain)), computer(*app.ListView(kIdListRight));
    ForEachRow(app, [&app](const PageRow& row) {
        app.InsertCheckRow(app.ListView(row.listId), row.index, row.text, row.image);
    });
    return 1;
}

int LayoutIconsPage(QmThisApp& app, int width, int height)
{
    if (!HasControls(app))
        return -1;
    PlaceTwoListColumns(app, width, height);
    return 0;
}

int ReadIconsPage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    ForEachRow(app, [&app](const PageRow& row) {
        QmListview& list = *app.ListView(row.listId);
        if (row.key) {
            int exists = 0;
            ReadKeyExists(exists, row.key->root, row.key->keyPath);
            if (exists)
                list.CheckItem(row.index);
            else
                list.UncheckItem(row.index);
        } else {
            const DwordToggle* values[kIconValueCount] = {&row.values[0], &row.values[1]};
            ReadDwordsCheck(list, row.index, values, kIconValueCount);
        }
    });
    RedrawCheckRows(*app.ListView(kIdListMain));
    RedrawCheckRows(*app.ListView(kIdListRight));
    return 1;
}

int ApplyIconsPage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    return RunApplyFrame(app.Combo(kIdPageList), app.Button(kIdApplyButton), [&app] {
        QmCReg reg;
        ForEachRow(app, [&app, &reg](const PageRow& row) {
            const int check = app.ListView(row.listId)->GetItemCheck(row.index);
            if (row.key) {
                // DeleteKey leaves a namespace key that carries values (a default value) alone.
                ApplyKeyToggle(reg, *row.key, check, KeyRemoval::DeleteKey);
            } else {
                const DwordToggle* values[kIconValueCount] = {&row.values[0], &row.values[1]};
                ApplyDwordToggles(reg, values, kIconValueCount, check, row.cleared);
            }
        });
    });
}

void RecommendIconsPage(QmThisApp&) {}

void IconsBackupItems(const QmThisApp& app, BackupList& items)
{
    ForEachRow(app, [&items](const PageRow& row) {
        if (row.values) {
            for (int i = 0; i < kIconValueCount; ++i)
                items.AddDword(row.values[i]);
        } else {
            items.AddKey(*row.key);
        }
    });
}
