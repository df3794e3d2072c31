// Pages: the text helpers every page uses, choosing a page, and the three steps that bring a
// page on screen: show (texts and items), layout (positions) and read (registry state).
#include "app/QmThisApp.h"

#include "app/AppTexts.h"
#include "app/LayoutMath.h"
#include "model/PageState.h"
#include "model/RedrawPause.h"
#include "model/ShowText.h"

#include <cwchar>

namespace {

// Buttons of the about page, top to bottom.
const int kAboutButtons[] = {kIdHomePageButton, kIdDownloadPageButton, kIdNewsPageButton, kIdReportPageButton,
                             kIdAboutButton};

}  // namespace

int QmThisApp::SetCaption(QmWndBase* control, const TextPair& text)
{
    QmOwnedWide shown = ShowText(Language(), text);
    if (!control || !shown)
        return 0;
    // Pages share check boxes and group boxes, often with the same caption; setting it again
    // would only repaint it.
    if (wcscmp(control->GetText().CStr(), shown.Get()) != 0)
        control->SetText(shown.Get());
    return 1;
}

int QmThisApp::AddComboText(QmCombo* combo, const TextPair& text)
{
    QmOwnedWide shown = ShowText(Language(), text);
    if (!combo || !shown)
        return 0;
    combo->AddString(shown.Get());
    return 1;
}

int QmThisApp::AddPageListItem(QmCombo* combo, const TextPair& text, int image)
{
    QmOwnedWide shown = ShowText(Language(), text);
    if (!combo || !shown)
        return 0;
    combo->InsertExItem(combo->GetCount(), shown.Get(), image, image);
    return 1;
}

int QmThisApp::AddListBoxText(QmListbox* list, const TextPair& text)
{
    QmOwnedWide shown = ShowText(Language(), text);
    if (!list || !shown)
        return 0;
    list->AddString(shown.Get());
    return 1;
}

int QmThisApp::InsertListColumn(QmListview* list, const TextPair& text, int width)
{
    QmOwnedWide shown = ShowText(Language(), text);
    if (!list || !shown)
        return 0;
    list->InsertColumn(0, shown.Get(), width);
    return 1;
}

int QmThisApp::InsertCheckRow(QmListview* list, int index, const TextPair& text, int image)
{
    QmOwnedWide shown = ShowText(Language(), text);
    if (!list || !shown)
        return 0;
    list->InsertItem(index, shown.Get(), image);
    return 1;
}

QmWString QmThisApp::BuildText(const TextPair& text) const
{
    QmOwnedWide shown = ShowText(Language(), text);
    return shown ? QmWString(shown.Get()) : QmWString();
}

int QmThisApp::CurrentPage() const
{
    QmCombo* pageList = Combo(kIdPageList);
    return pageList ? pageList->GetCurSel() : -1;
}

int QmThisApp::SelectPage(int page)
{
    QmCombo* pageList = Combo(kIdPageList);
    if (!pageList || pageList->GetCurSel() == page)
        return 0;
    {
        // Drawing is held until the page is put together, so no control is painted twice on
        // the way: a button repaints itself at once when it is disabled or enabled.
        WindowRedrawPause pause(*this);
        pageList->SetCurSel(page);
        const int lockedWhileShowing[] = {kIdProgramList, kIdUpdateButton, kIdApplyButton, kIdRecommendButton};
        for (int id : lockedWhileShowing)
            if (QmWndBase* control = Control(id))
                control->Enable(false);
        lastAppliedPage_ = -1;
        ShowAndLayOutPage();
        StartReadWorker(Handle());
        // The read may still be running; these do not touch the page's controls.
        for (int id : lockedWhileShowing)
            if (QmWndBase* control = Control(id))
                control->Enable(true);
    }
    pageList->KillFocus();
    Invalidate(true);
    SetFocus();
    return 1;
}

void QmThisApp::ShowAndLayOutPage()
{
    WindowRedrawPause pause(*this);
    ShowPage();
    LayoutPage();
}

int QmThisApp::ShowPage()
{
    const int page = CurrentPage();
    if (page < 0 || page >= kPageCount)
        return -1;
    if (page == kPageAbout)
        return ShowAboutPage();
    return pages_ ? pages_[page].show(*this) : -1;
}

int QmThisApp::LayoutPage()
{
    const int page = CurrentPage();
    if (page < 0 || page >= kPageCount)
        return -1;
    // The page's controls go to their places first, and only the others are parked: a control
    // two pages share, or that stays where it is, is not moved away and back.
    for (bool& placed : placed_)
        placed = false;
    LayoutTopRow(clientWidth_, clientHeight_);
    int result = -1;
    if (page == kPageAbout)
        result = LayoutAboutPage(clientWidth_, clientHeight_);
    else if (pages_)
        result = pages_[page].layout(*this, clientWidth_, clientHeight_);
    ParkOtherControls();
    ShowAllControls();
    return result;
}

int QmThisApp::ReadPage()
{
    const int page = CurrentPage();
    const bool tweakPage = page >= 0 && page < kTweakPageCount && pages_;
    FinishRead(ReadIntoResult(tweakPage ? pages_[page].read : nullptr, facts_, ++readNumber_));
    return tweakPage ? 0 : -1;
}

void QmThisApp::SettleRead()
{
    if (shownReadNumber_ != readNumber_)
        ReadPage();
}

void QmThisApp::FinishRead(std::unique_ptr<ReadResult> result)
{
    // A later read (a page switch, an apply) has started since: this one is stale.
    if (!result || result->number != readNumber_)
        return;
    shownReadNumber_ = result->number;
    ShowState(result->state);
    if (QmCombo* pageList = Combo(kIdPageList))
        pageList->Enable(true);
    SetFocus();
}

void QmThisApp::ShowState(const PageState& state)
{
    bool redraw[kIdCount] = {};
    for (const PageState::Entry& entry : state.Entries()) {
        switch (entry.kind) {
        case PageState::Kind::Row:
            if (QmListview* list = ListView(entry.id)) {
                if (entry.value)
                    list->CheckItem(entry.row);
                else
                    list->UncheckItem(entry.row);
                redraw[entry.id - kFirstId] = true;
            }
            break;
        case PageState::Kind::Box:
            // Checking an auto radio button makes Wine walk every control of the window to clear
            // the others, some 7 ms, also when it is checked already.
            if (QmButton* box = Button(entry.id))
                if (box->GetCheck() != (entry.value ? BST_CHECKED : BST_UNCHECKED))
                    box->SetCheck(entry.value ? BST_CHECKED : BST_UNCHECKED);
            break;
        case PageState::Kind::Selection:
            if (QmCombo* combo = Combo(entry.id))
                combo->SetCurSel(entry.value);
            break;
        case PageState::Kind::Position:
            if (QmTrackbar* trackbar = Trackbar(entry.id))
                trackbar->SetPos(entry.value);
            break;
        case PageState::Kind::Text:
            if (QmStatic* text = Static(entry.id))
                text->SetText(entry.text.CStr());
            break;
        }
    }
    // Rows whose check changed are drawn once every check is set.
    for (int i = 0; i < kIdCount; ++i)
        if (redraw[i])
            for (int row = 0; row < ListView(kFirstId + i)->GetItemCount(); ++row)
                ListView(kFirstId + i)->UpdateItem(row);
}

void QmThisApp::RecommendPage()
{
    lastAppliedPage_ = -1;
    const int page = CurrentPage();
    if (page < 0 || page >= kTweakPageCount || !pages_ || !pages_[page].recommend)
        return;
    SettleRead();
    pages_[page].recommend(*this);
}

bool QmThisApp::PlaceControl(int id, int x, int y, int width, int height)
{
    QmWndBase* control = Control(id);
    if (!control)
        return false;
    placed_[id - kFirstId] = true;
    const POINT at = control->GetPositionInParent();
    const SIZE size = control->GetSize();
    if (Combo(id)) {
        // A combo box keeps the drop height it was made with, the same on every page: only its
        // width changes. Sizing one makes Wine lay its list out again, at many times the cost
        // of a move, and more so when the height given is not the closed height.
        if (size.cx != width)
            return control->SetWindowPos(nullptr, x, y, width, size.cy, SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
    } else if (size.cx != width || size.cy != height) {
        return control->Move(x, y, width, height) != FALSE;
    }
    return (at.x == x && at.y == y) || control->MoveTo(x, y);
}

void QmThisApp::ParkOtherControls()
{
    // The shared top row is on every page; a control parked already stays where it is.
    for (int id = kFirstId; id < kFirstId + kIdCount; ++id) {
        QmWndBase* control = Control(id);
        if (control && !placed_[id - kFirstId] && id != kIdPageList && id != kIdProgramList &&
            id != kIdUpdateButton && control->GetPositionInParent().x != kParkedX)
            control->MoveTo(kParkedX, 0);
    }
}

void QmThisApp::ShowAllControls()
{
    for (int id = kFirstId; id < kFirstId + kIdCount; ++id)
        if (QmWndBase* control = Control(id))
            control->Show(SW_SHOW);
}

void QmThisApp::LayoutTopRow(int width, int height)
{
    // Only a new client size moves the top row.
    if (width == topRowWidth_ && height == topRowHeight_)
        return;
    topRowWidth_ = width;
    topRowHeight_ = height;
    const Box boxes[] = {PageListBox(width, height), ProgramListBox(width, height), UpdateButtonBox(width, height)};
    const int ids[] = {kIdPageList, kIdProgramList, kIdUpdateButton};
    for (int i = 0; i < 3; ++i)
        if (QmWndBase* control = Control(ids[i]))
            control->Move(boxes[i].x, boxes[i].y, boxes[i].width, boxes[i].height);
}

int QmThisApp::ShowAboutPage()
{
    QmCombo* pageList = Combo(kIdPageList);
    QmStatic* prompt = Static(kIdStaticAboutPrompt);
    if (!pageList || !prompt)
        return 0;
    SetCaption(prompt, kAboutPromptText);
    return 1;
}

int QmThisApp::LayoutAboutPage(int width, int height)
{
    int y = 50;
    for (int id : kAboutButtons) {
        if (!Button(id) || !PlaceControl(id, 8, y, width / 4, height / 10))
            return -1;
        y += height / 10 + 4;
    }
    return 0;
}
