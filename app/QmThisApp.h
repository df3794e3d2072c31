// The application object, which is also the main window. It owns every control of every
// page: all are created once when the window is created and live until it is destroyed;
// pages only show, move, relabel and read them. It also keeps the start-up facts the pages
// consult (language variant, Windows product code, Internet Explorer version) and the little
// state the commands share.
#pragma once

#include "app/ControlIds.h"
#include "app/PageFunctions.h"
#include "app/ReadWorker.h"
#include "app/StartupChecks.h"
#include "model/TextRecord.h"
#include "platform/QmLog.h"
#include "platform/QmString.h"
#include "platform/TextConvert.h"
#include "ui/QmButton.h"
#include "ui/QmCombo.h"
#include "ui/QmEdit.h"
#include "ui/QmImageList2.h"
#include "ui/QmListbox.h"
#include "ui/QmListview.h"
#include "ui/QmStatic.h"
#include "ui/QmStyles.h"
#include "ui/QmTrackbar.h"
#include "ui/QmWndBase.h"

#include <windows.h>

#include <memory>

// The log file, in the current folder.
const wchar_t kLogFile[] = L"Qm.log";

class QmThisApp : public QmWndBase {
public:
    QmThisApp();
    ~QmThisApp() override;

    // Start-up and the message loop.
    virtual BOOL Init(HINSTANCE instance);
    virtual ATOM RegisterWindowClass();
    virtual HWND CreateMainWindow(HWND parent, int width, int height);
    // The exit code of the final WM_QUIT, or 0 when start-up failed.
    virtual int Run(HINSTANCE instance);
    // 1 when the program may run on this system, else 0 (after its message).
    virtual int CheckStartup();
    virtual LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Pages 0 to 8 (page 9, the about page, is the application's own), and the desktop page's
    // logon Num Lock write that command 2100 runs alone.
    void SetPages(const PageFunctions* pages, int (*applyLogonNumLock)(QmThisApp&))
    {
        pages_ = pages;
        applyLogonNumLock_ = applyLogonNumLock;
    }
    // What saves a page's registry values before an apply writes them, so that the apply can
    // be taken back; true when the save was written. Null: nothing is saved.
    using PageSaver = bool (*)(const QmThisApp& app, int page);
    void SetSaveBeforeApply(PageSaver save) { saveBeforeApply_ = save; }

    // Start-up facts.
    const SystemFacts& Facts() const { return facts_; }
    void SetFacts(const SystemFacts& facts) { facts_ = facts; }
    int Language() const { return facts_.language; }
    int GetOsCode() const { return facts_.osCode; }
    int GetIeMajorVersion() const { return facts_.ieMajorVersion; }
    int ServicePack() const { return facts_.servicePack; }
    int IsXp() const { return facts_.IsXp() ? 1 : 0; }
    int IsVista() const { return facts_.IsVista() ? 1 : 0; }
    int IsWin7() const { return facts_.IsWin7() ? 1 : 0; }
    int IsVariant950() const { return facts_.language == 950 ? 1 : 0; }
    int IsVariant936() const { return facts_.language == 936 ? 1 : 0; }
    // Drive letter, colon and backslash of the Windows folder; found on first use, then kept.
    const wchar_t* WindowsDriveRoot();

    // Controls by identifier; null when that control does not exist (not created, or not of
    // that kind).
    QmWndBase* Control(int id) const;
    QmButton* Button(int id) const;
    QmCombo* Combo(int id) const;
    QmListview* ListView(int id) const;
    QmStatic* Static(int id) const;
    QmTrackbar* Trackbar(int id) const;
    QmListbox* ListBox(int id) const;
    QmEdit* EditBox(int id) const;
    QmImageList2& LargeImages() { return largeImages_; }
    QmImageList2& SmallImages() { return smallImages_; }

    // Text helpers: each shows the wording the language variant chooses (the first as it is,
    // the second converted to Simplified Chinese) and returns 1; with no variant (-1) it
    // changes nothing and returns 0.
    int SetCaption(QmWndBase* control, const TextPair& text);
    int SetCaption(QmWndBase* control, const TextRecord& text) { return SetCaption(control, TextPair{text.text}); }
    int AddComboText(QmCombo* combo, const TextPair& text);
    int AddPageListItem(QmCombo* combo, const TextPair& text, int image);
    int AddListBoxText(QmListbox* list, const TextPair& text);
    int InsertListColumn(QmListview* list, const TextPair& text, int width);
    int InsertCheckRow(QmListview* list, int index, const TextPair& text, int image);
    // The shown text, or an empty text with no variant.
    QmWString BuildText(const TextPair& text) const;

    // Pages and navigation.
    int CurrentPage() const;
    virtual int SelectPage(int page);  // 1 when the page changed
    // Show and layout with the window's drawing held, so the page is painted once.
    void ShowAndLayOutPage();
    virtual int ShowPage();
    virtual int LayoutPage();
    // Reads the current page on this thread and shows it, as a worker's result is shown.
    virtual int ReadPage();
    virtual int ApplyPage(HWND hwnd);
    virtual void RecommendPage();
    int LastAppliedPage() const { return lastAppliedPage_; }
    int SettingsChanged() const { return settingsChanged_; }
    // For the page layouts: moves control `id` to the box given unless it stands there
    // already, and keeps it from being parked by the layout pass running. A combo box keeps
    // the drop height it was made with (every page gives the same). False when the control
    // does not exist.
    bool PlaceControl(int id, int x, int y, int width, int height);
    // What a check box's combo box was last filled with (a page's choice list), so that a page
    // showing the same choices again need not fill it again; null: not known.
    const void* ComboContent(int id) const;
    void SetComboContent(int id, const void* content);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }

    // Commands.
    virtual LRESULT OnCommand(HWND hwnd, int id, HWND control, int code);
    virtual LRESULT OnKeyDown(HWND hwnd, UINT virtualKey);
    virtual void ShowDoneMark();
    virtual void HideDoneMark();
    // Disables the page list and starts a thread that reads the current page into a result
    // and posts it to this window, which shows it unless a newer read has started meanwhile
    // (OnReadDone). False when no thread could be started: the page list is enabled again
    // and the page keeps what it shows.
    virtual bool StartReadWorker(HWND hwnd);
    // Reads started whose results have not reached the window yet.
    bool ReadsPending() const { return reads_->Pending(); }
    virtual void RestartPrompt(HWND hwnd);
    virtual void DestroyControls();

    // Messages, launcher and web pages. The message helper converts both texts to Simplified
    // Chinese under the 936 variant; the texts are Big5.
    virtual int ShowMessage(HWND owner, const char* text, const char* caption, UINT flags);
    virtual int RunSelectedProgram(HWND hwnd);
    virtual void ShowAbout(HWND hwnd);
    void OpenHomePage() { OpenUrl(kUrlHome); }
    void OpenDownloadPage() { OpenUrl(kUrlDownload); }
    void OpenNewsPage() { OpenUrl(kUrlNews); }
    void OpenReportPage() { OpenUrl(kUrlReport); }

    // The log of this run ("Qm.log" in the current folder).
    QmLog& Log() { return log_; }
    void ReportCreateError(const wchar_t* format);

protected:
    enum Url { kUrlHome, kUrlDownload, kUrlNews, kUrlReport };
    // The system calls behind the launcher, the web links and the restart (tests replace them).
    virtual void OpenUrl(Url url);
    virtual BOOL RunFile(const wchar_t* path, int showCommand);
    virtual UINT RunCommandLine(const char* commandLine, int showCommand);
    virtual int RequestRestart(const wchar_t* message);
    // What start-up asks the system: the locale's four code pages, and the Windows product
    // code, Internet Explorer version, service pack and edition.
    virtual CodePages QueryCodePages();
    virtual void QuerySystem(SystemFacts& facts);
    // The Windows folder; null when it cannot be had.
    virtual QmOwnedWide QueryWindowsFolder();

    // Message handlers.
    virtual LRESULT OnCreate(HWND hwnd, const CREATESTRUCTW* create);
    virtual LRESULT OnClose(HWND hwnd);
    virtual LRESULT OnDestroy(HWND hwnd);
    virtual LRESULT OnSize(HWND hwnd, UINT type, int width, int height);
    virtual LRESULT OnPaint(HWND hwnd);
    virtual LRESULT OnEraseBkgnd(HWND hwnd, HDC dc);
    virtual LRESULT OnNotify(HWND hwnd, const NMHDR* header);
    virtual LRESULT OnHScroll(HWND hwnd, HWND control, int code, int position);
    virtual LRESULT OnLButtonDown(HWND hwnd);
    virtual LRESULT OnCtlColor(HWND hwnd, UINT message, HDC dc, HWND control);
    // A worker's result: shown when it is the newest read's, else dropped.
    virtual LRESULT OnReadDone(HWND hwnd, ReadResult* result);

private:
    bool CreateControls();
    bool CreateImageLists();
    bool CreateCombos();
    bool CreateButtons();
    bool CreateListViews();
    bool CreateStatics();
    bool CreateTrackbars();
    bool CreateOthers();
    void FillPageList();
    void FillProgramList();
    void DeleteOldLog();
    // Every control but the top row that the layout pass did not place.
    void ParkOtherControls();
    void LayoutTopRow(int width, int height);
    void ShowAllControls();
    int ShowAboutPage();
    int LayoutAboutPage(int width, int height);
    void RunApplyFlow(HWND hwnd);
    void ApplyLogonNumLock();
    void OnPageListChosen(HWND hwnd);
    void OnProgramChosen(HWND hwnd);
    // The one place a read ends: the controls show its result (a stale one changes nothing),
    // then the page list is enabled and the window takes the focus.
    void FinishRead(std::unique_ptr<ReadResult> result);
    void ShowState(const PageState& state);
    // A read of the page shown whose result has not come yet is made again on this thread, so
    // the controls hold what the registry holds before they are written or changed.
    void SettleRead();

    // Controls, by identifier (2000 to 2200), with the kind of each.
    enum class ControlKind { None, Button, Combo, ListView, Static, Trackbar, ListBox, Edit };
    struct OwnedControl {
        std::unique_ptr<QmWndBase> window;
        ControlKind kind = ControlKind::None;
        const void* content = nullptr;  // a combo box's choices
    };
    static const int kFirstId = 2000;
    static const int kIdCount = 201;
    OwnedControl controls_[kIdCount];
    // A new, not yet created control of `kind` under `id`, replacing what was there.
    template <class Control>
    Control* AddControl(int id, ControlKind kind);
    template <class Control>
    Control* Owned(int id, ControlKind kind) const;
    QmImageList2 largeImages_;
    QmImageList2 smallImages_;

    QmCS classStyle_;
    QmWS windowStyle_;
    QmWSEx windowStyleEx_;
    const PageFunctions* pages_ = nullptr;
    int (*applyLogonNumLock_)(QmThisApp&) = nullptr;
    PageSaver saveBeforeApply_ = nullptr;
    SystemFacts facts_;
    CodePages codePages_ = {-1, -1, -1, -1};
    int settingsChanged_ = 0;
    int lastAppliedPage_ = -1;
    int pageAtFocus_ = -1;
    int applyPending_ = 1;  // cleared before every page apply; nothing reads it
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool placed_[kIdCount] = {};  // by the layout pass running
    int topRowWidth_ = -1;  // the client size the top row was last placed for
    int topRowHeight_ = -1;
    QmWString windowsDriveRoot_;
    QmLog log_;

    // Reads are numbered as they start; only the newest one's result is shown.
    ReadMailbox* reads_;
    int readNumber_ = 0;
    int shownReadNumber_ = 0;
};

// The one application object of the process; the window procedure and the read worker reach
// it only through this pointer. While it is null, the window procedure does default processing.
QmThisApp* Application();
void SetApplication(QmThisApp* app);

// The window procedure of the main window class.
LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
