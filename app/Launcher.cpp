// The launcher of built-in programs, the web links, the about box, and the message helper
// every user message goes through.
#include "app/QmThisApp.h"

#include "app/AppTexts.h"
#include "app/ProgramList.h"
#include "app/WebLinks.h"
#include "model/ShowText.h"
#include "platform/QmFile.h"
#include "ZentrakVersion.h"

#include <shellapi.h>

namespace {

const UINT kCodePageBig5 = 950;

// The text a message box shows: Simplified Chinese under the 936 variant, else as it is.
QmOwnedWide MessageText(int language, const char* big5Text)
{
    if (language == kLanguageSimplified)
        return ShowText(kLanguageSimplified, big5Text, big5Text);
    return AnsiToWide(big5Text ? big5Text : "", kCodePageBig5);
}

// WinExec's answers that mean the program did not start.
bool CommandFailed(UINT result)
{
    return result == 0 || result == ERROR_FILE_NOT_FOUND || result == ERROR_PATH_NOT_FOUND ||
           result == ERROR_BAD_FORMAT;
}

}  // namespace

int QmThisApp::ShowMessage(HWND owner, const char* text, const char* caption, UINT flags)
{
    QmOwnedWide shownText = MessageText(Language(), text);
    QmOwnedWide shownCaption = MessageText(Language(), caption);
    return MessageBoxW(owner, shownText ? shownText.Get() : L"", shownCaption ? shownCaption.Get() : L"", flags);
}

void QmThisApp::OpenUrl(Url url)
{
    const wchar_t* const addresses[] = {kHomePageUrl, kDownloadPageUrl, kNewsPageUrl, kReportPageUrl};
    ShellExecuteW(nullptr, L"open", addresses[url], nullptr, nullptr, SW_SHOWNORMAL);
}

BOOL QmThisApp::RunFile(const wchar_t* path, int showCommand)
{
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = path;
    info.lpParameters = L"";
    info.nShow = showCommand;
    const BOOL started = ShellExecuteExW(&info);
    if (started && info.hProcess)
        CloseHandle(info.hProcess);
    return started;
}

UINT QmThisApp::RunCommandLine(const char* commandLine, int showCommand)
{
    return WinExec(commandLine, static_cast<UINT>(showCommand));
}

int QmThisApp::RunSelectedProgram(HWND hwnd)
{
    QmCombo* programList = Combo(kIdProgramList);
    if (!ListBox(kIdProgramListBox) || !Button(kIdRunProgramButton) || !programList)
        return -1;
    const ProgramRecord* programs = ProgramsFor(facts_.osCode);
    const int selected = programList->GetCurSel();
    if (!programs || selected <= 0 || selected >= kProgramCount)
        return 6;
    const ProgramRecord& program = programs[selected];
    const ProgramKind kind = KindOf(program);
    if (kind == ProgramKind::Command) {
        if (CommandFailed(RunCommandLine(program.commandLine, SW_SHOWNORMAL)))
            ShowMessage(hwnd, kLaunchFailedText, kLaunchErrorCaption, MB_ICONEXCLAMATION);
        return 6;
    }
    if (kind == ProgramKind::None)
        return 6;
    const wchar_t* const paths[] = {program.path, program.alternatePath};
    const int attempts = kind == ProgramKind::TwoPaths ? 2 : 1;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        QmFolder folders;
        QmOwnedWide folder = program.folder == 0 ? folders.GetWindowsFolder() : folders.GetSystemFolder();
        if (!folder || !folder.Get()[0]) {
            ShowMessage(hwnd, kNoSystemFolderText, kLaunchErrorCaption, MB_ICONEXCLAMATION);
            return 6;
        }
        QmWString path(folder.Get());
        path += QmWString(paths[attempt]);
        if (RunFile(path.CStr(), SW_SHOWNORMAL))
            return 6;
    }
    ShowMessage(hwnd, kLaunchFailedText, kLaunchErrorCaption, MB_ICONEXCLAMATION);
    return 6;
}

void QmThisApp::ShowAbout(HWND hwnd)
{
    MessageBoxW(hwnd, L"Zentrak\r\nVersion " ZENTRAK_VERSION_TEXT, L"Zentrak", MB_OK | MB_ICONINFORMATION);
}
