// In-process tests of the application object: inside a registry sandbox, a real main window
// with every control, for a chosen Windows version, Internet Explorer version and language
// variant. Page switches and applies run as the program runs them, and the helpers wait until
// the reads' results have reached the window, so a test always sees a finished read.
#pragma once

#include "app/QmThisApp.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/RegistrySandbox.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Windows product codes.
const int kXp = 108;
const int kVista = 113;
const int kWin7 = 116;

// The application object with the system calls a test must not make (web pages, programs,
// restart) recorded instead, and the system it finds at start-up given by the test.
class TestApp : public QmThisApp {
public:
    std::string urlsOpened;  // each page opened, as its Url number (2: the news page)
    std::vector<std::wstring> launched;  // files and command lines run, in order
    size_t launchesThatFail = 0;  // the first this many launches fail
    int restartsRequested = 0;
    int restartAnswer = 0;  // what the restart request reports
    // What start-up finds, when a test decides it.
    std::optional<CodePages> codePages;
    std::optional<SystemFacts> system;
    bool windowsFolderMissing = false;

protected:
    void OpenUrl(Url url) override { urlsOpened += static_cast<char>('0' + url); }
    BOOL RunFile(const wchar_t* path, int) override { return Launched(path); }
    // Above 31: WinExec's success.
    UINT RunCommandLine(const char* line, int) override { return Launched(std::wstring(line, line + lstrlenA(line))) ? 33 : 0; }
    int RequestRestart(const wchar_t*) override { return ++restartsRequested, restartAnswer; }
    CodePages QueryCodePages() override { return codePages ? *codePages : QmThisApp::QueryCodePages(); }
    void QuerySystem(SystemFacts& facts) override { system ? void(facts = *system) : QmThisApp::QuerySystem(facts); }
    QmOwnedWide QueryWindowsFolder() override { return windowsFolderMissing ? QmOwnedWide() : QmThisApp::QueryWindowsFolder(); }
    bool Launched(const std::wstring& what) { return launched.push_back(what), launched.size() > launchesThatFail; }
};

class AppTest : public RegistryTest {
protected:
    void TearDown() override;

    // Creates the main window for the version given (its page 0 is shown and read).
    // `pages` null: the program's own pages.
    void StartApp(int osCode, int ieMajorVersion = 8, int servicePack = 3, int language = 950,
                  const PageFunctions* pages = nullptr);
    TestApp& App() { return *app_; }
    HWND Window() { return app_->Handle(); }

    // Shows `page` as the page list does and waits for its read.
    void ShowPage(int page);
    // Reads the current page again, as after an apply, and waits for it.
    void Reread();
    // Applies the current page (without the confirmation) and waits for the read that follows.
    int Apply();
    // Handles the messages waiting for this thread (the workers' results).
    void Pump();
    // Handles messages until every read started has reached the window; fails the test when
    // one has not after a few seconds.
    void WaitForReads() { WaitFor("a page read to reach the window", [this] { return Pump(), !app_->ReadsPending(); }); }

    int Check(int listId, int item) { return app_->ListView(listId)->GetItemCheck(item); }
    void SetCheck(int listId, int item, bool checked)
    {
        checked ? app_->ListView(listId)->CheckItem(item) : app_->ListView(listId)->UncheckItem(item);
    }
    int ItemCount(int listId) { return app_->ListView(listId)->GetItemCount(); }
    QmWString ItemText(int listId, int item) { return app_->ListView(listId)->GetItemText(item); }
    // Every check row, check box, radio button and combo box selection, by "id" or "id:row".
    std::map<std::string, int> ShownStates();

private:
    std::unique_ptr<TestApp> app_;
    // An unexpected message box fails the test instead of stopping it.
    std::unique_ptr<StrayBoxGuard> strayBoxes_;
};
