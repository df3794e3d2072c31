// Commands: creating the window's contents, the buttons and lists, the keyboard shortcuts,
// the apply flow with its done mark, the page read worker, and the end of the program.
#include "app/QmThisApp.h"

#include "app/AppTexts.h"
#include "app/LayoutMath.h"
#include "model/ShowText.h"
#include "platform/QmFile.h"
#include "platform/QmSystem.h"

namespace {

const int kDoneMarkGap = 24;  // the mark sits this far left of the recommended-settings button

}  // namespace

LRESULT QmThisApp::OnCreate(HWND hwnd, const CREATESTRUCTW*)
{
    InitCommonControlsFor(ICC_USEREX_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES);
    if (!Handle())
        Attach(hwnd);
    reads_->Open(hwnd);
    CenterOnScreen(20);
    RECT client;
    ::GetClientRect(hwnd, &client);
    clientWidth_ = client.right;
    clientHeight_ = client.bottom;
    if (!CreateControls()) {
        PostQuitMessage(0);
        return 0;
    }
    if (QmCombo* combo = Combo(kIdComboFirst))
        combo->SetColours(RGB(255, 0, 0), RGB(255, 255, 255));
    // The first page is read here, on this thread.
    ShowPage();
    LayoutPage();
    ReadPage();
    DeleteOldLog();
    return 0;
}

void QmThisApp::DeleteOldLog()
{
    QmFile files;
    QmOwnedWide folder = files.GetCurrentFolder();
    if (!folder)
        return;
    QmWString path(folder.Get());
    path += QmWString(L"\\");
    path += QmWString(kLogFile);
    if (files.PathExists(path.CStr()) && !files.RemoveFile(path.CStr()))
        log_.WriteLine(kLogFile, L"D 1");
}

LRESULT QmThisApp::OnCommand(HWND hwnd, int id, HWND, int code)
{
    QmCombo* pageList = Combo(kIdPageList);
    switch (code) {
    case BN_CLICKED:
        break;
    case CBN_SETFOCUS:
        if (id == kIdPageList && pageList)
            pageAtFocus_ = pageList->GetCurSel();
        return 0;
    case CBN_DROPDOWN:
        if (pageList)
            pageAtFocus_ = pageList->GetCurSel();
        return 0;
    case CBN_SELENDOK:
        if (id == kIdPageList)
            OnPageListChosen(hwnd);
        else if (id == kIdProgramList)
            OnProgramChosen(hwnd);
        return 0;
    default:
        return 0;
    }
    switch (id) {
    case kIdApplyButton:
        RunApplyFlow(hwnd);
        break;
    case kIdRecommendButton:
        HideDoneMark();
        RecommendPage();
        SetFocus();
        break;
    case kIdUpdateButton:
    case kIdNewsPageButton:
        OpenNewsPage();
        break;
    case kIdAboutButton:
        ShowAbout(hwnd);
        break;
    case kIdHomePageButton:
        OpenHomePage();
        break;
    case kIdDownloadPageButton:
        OpenDownloadPage();
        break;
    case kIdReportPageButton:
        OpenReportPage();
        break;
    case kIdNumLockButton:
        ApplyLogonNumLock();
        break;
    default:
        break;  // check boxes, radio buttons, the blank, help, run and restore buttons
    }
    return 0;
}

void QmThisApp::OnPageListChosen(HWND hwnd)
{
    QmCombo* pageList = Combo(kIdPageList);
    if (pageAtFocus_ == pageList->GetCurSel()) {
        // The page shown was chosen again: nothing is read.
        pageList->KillFocus();
        SetFocus();
        return;
    }
    lastAppliedPage_ = -1;
    ShowAndLayOutPage();
    StartReadWorker(hwnd);
    pageAtFocus_ = pageList->GetCurSel();
    if (FocusWindow() == pageList->Handle() || IsChild(pageList->Handle(), FocusWindow()))
        pageList->KillFocus();
    Update();
    SetFocus();
    BringToTop();
}

void QmThisApp::OnProgramChosen(HWND hwnd)
{
    QmCombo* programList = Combo(kIdProgramList);
    if (!Button(kIdApplyButton) || !programList)
        return;
    RunSelectedProgram(hwnd);
    programList->SetCurSel(0);
    programList->KillFocus();
}

LRESULT QmThisApp::OnKeyDown(HWND, UINT virtualKey)
{
    lastAppliedPage_ = -1;
    const int page = CurrentPage();
    if (virtualKey == VK_RETURN) {
        for (int id = kFirstId; id < kFirstId + kIdCount; ++id)
            if (QmWndBase* control = Control(id))
                control->KillFocus();
        if (page < kPageAbout && Button(kIdApplyButton)) {
            SetFocus();
            Button(kIdApplyButton)->Click();
        }
    } else if (virtualKey >= '1' && virtualKey <= '9') {
        SelectPage(static_cast<int>(virtualKey - '1'));
    } else if (virtualKey >= VK_NUMPAD1 && virtualKey <= VK_NUMPAD9) {
        SelectPage(static_cast<int>(virtualKey - VK_NUMPAD1));
    } else if (virtualKey == 'H') {
        SelectPage(kPageAbout);
    } else if (virtualKey == 'R') {
        if (page < kPageAbout && Button(kIdRecommendButton)) {
            SetFocus();
            Button(kIdRecommendButton)->Click();
        }
    } else if (virtualKey == 'U') {
        if (Button(kIdUpdateButton)) {
            SetFocus();
            Button(kIdUpdateButton)->Click();
        }
    }
    return 0;
}

void QmThisApp::RunApplyFlow(HWND hwnd)
{
    HideDoneMark();
    if (ShowMessage(hwnd, kApplyQuestionText, kApplyQuestionCaption, MB_OKCANCEL | MB_ICONINFORMATION) != IDOK)
        return;
    // The values as they stand go to a backup file first, so the apply can be undone; a save
    // that fails does not hold the apply back, it is only noted in the log.
    const int page = CurrentPage();
    if (saveBeforeApply_ && page >= 0 && page < kTweakPageCount && !saveBeforeApply_(*this, page))
        log_.WriteLine(kLogFile, L"B %d", page);
    settingsChanged_ = 1;
    ApplyPage(hwnd);
    Update();
}

int QmThisApp::ApplyPage(HWND hwnd)
{
    if (!Combo(kIdPageList))
        return -1;
    lastAppliedPage_ = -1;
    int result = 0;
    const int page = CurrentPage();
    if (page >= 0 && page < kTweakPageCount) {
        SettleRead();
        applyPending_ = 0;
        result = pages_ ? pages_[page].apply(*this) : -1;
        lastAppliedPage_ = page;
        ShowDoneMark();
    }
    if (result < 0)
        return -1;
    // The controls then show what the registry holds after the writes.
    StartReadWorker(hwnd);
    return result;
}

void QmThisApp::ApplyLogonNumLock()
{
    if (applyLogonNumLock_)
        applyLogonNumLock_(*this);
}

void QmThisApp::ShowDoneMark()
{
    QmStatic* mark = Static(kIdDoneMark);
    QmButton* recommend = Button(kIdRecommendButton);
    if (!mark || !recommend || lastAppliedPage_ < 0 || lastAppliedPage_ >= kTweakPageCount)
        return;
    const POINT at = recommend->GetPositionInParent();
    mark->MoveTo(at.x - kDoneMarkGap, at.y);
}

void QmThisApp::HideDoneMark()
{
    if (QmStatic* mark = Static(kIdDoneMark))
        mark->MoveTo(kParkedX, 0);
}

bool QmThisApp::StartReadWorker(HWND)
{
    if (QmCombo* pageList = Combo(kIdPageList))
        pageList->Enable(false);
    const int page = CurrentPage();
    const PageRead read = page >= 0 && page < kTweakPageCount && pages_ ? pages_[page].read : nullptr;
    if (reads_->StartWorker(read, facts_, ++readNumber_))
        return true;
    // No result will come: the page keeps what it shows.
    FinishRead(ReadIntoResult(nullptr, facts_, readNumber_));
    return false;
}

LRESULT QmThisApp::OnReadDone(HWND, ReadResult* result)
{
    reads_->Taken();
    FinishRead(std::unique_ptr<ReadResult>(result));
    return 0;
}

LRESULT QmThisApp::OnClose(HWND hwnd)
{
    RestartPrompt(hwnd);
    return OnDestroy(hwnd);
}

void QmThisApp::RestartPrompt(HWND hwnd)
{
    if (settingsChanged_ != 1)
        return;
    if (ShowMessage(hwnd, kRestartQuestionText, kRestartQuestionCaption, MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return;
    QmOwnedWide message = AnsiToWide(kRestartQuestionCaption, 950);
    if (RequestRestart(message ? message.Get() : L"Zentrak")) {
        DestroyControls();
        Destroy();
        PostQuitMessage(0);
    }
}

int QmThisApp::RequestRestart(const wchar_t* message)
{
    QmSystemBase system;
    return system.Shutdown(true, message, 0, false);
}

LRESULT QmThisApp::OnDestroy(HWND hwnd)
{
    if (hwnd && hwnd == Handle()) {
        DestroyControls();
        Destroy();  // delivers WM_DESTROY once more, after the handle is forgotten
        PostQuitMessage(0);
    } else {
        DestroyControls();
    }
    return 0;
}
