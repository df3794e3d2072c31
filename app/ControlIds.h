// Identifiers of the main window's controls. Every control is created once at start-up and
// known by its identifier; pages name the controls they use.
#pragma once

enum ControlId : int {
    kIdEdit = 2000,
    kIdBlankButton = 2001,
    kIdListMain = 2003,      // check list in group 2051
    kIdApplyButton = 2004,   // "修改設定"
    kIdPageList = 2007,
    kIdComboFirst = 2008,    // red text; the first combo of most pages
    kIdGroupMain = 2051,
    kIdGroupRight = 2052,
    kIdGroupLower = 2053,
    kIdGroupSpare1 = 2054,
    kIdGroupSpare2 = 2055,
    kIdRadioFirst = 2056,
    kIdListRight = 2061,     // check list in group 2052
    kIdListLower = 2062,     // check list in group 2053
    kIdListSpare = 2063,
    kIdThumbnailTrackbar = 2064,
    kIdProgramListBox = 2070,
    kIdRunProgramButton = 2071,
    kIdHelpButton = 2082,
    kIdUpdateButton = 2083,   // "檢查更新"
    kIdAboutButton = 2084,    // "關於 Zentrak"
    kIdProgramList = 2092,
    kIdDoneMark = 2094,
    kIdHomePageButton = 2095,
    kIdDownloadPageButton = 2096,
    kIdNewsPageButton = 2097,
    kIdReportPageButton = 2098,
    kIdRecommendButton = 2099,  // "參考設定"
    kIdNumLockButton = 2100,    // "備份": writes the logon Num Lock row alone
    kIdRestoreButton = 2101,    // "還原": does nothing
    kIdStaticAboutPrompt = 2026,
    kIdStaticThumbnailSize = 2030,
    kIdCheckBoxFirst = 2041,
};

// Pages by their position in the page list.
enum PageIndex : int {
    kPageDesktop = 0,
    kPageStartMenu = 1,
    kPageSystem = 2,
    kPageRestrictions = 3,
    kPageHardware = 4,
    kPageNetwork1 = 5,
    kPageNetwork2 = 6,
    kPageIcons = 7,
    kPageInternetExplorer = 8,
    kPageAbout = 9,
    kPageCount = 10,
};
