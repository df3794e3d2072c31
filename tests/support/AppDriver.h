// Drives a running Zentrak.exe from another process through window messages only, as a
// user's clicks and keys would: finds its main window (class "Zentrak1320"), selects pages,
// toggles check items, clicks buttons, presses keys, reads control states, and closes it.
#pragma once

#include "tests/support/MessageBoxAnswerer.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

class AppDriver {
public:
    AppDriver() = default;
    ~AppDriver();  // ends a process that is still running
    AppDriver(const AppDriver&) = delete;
    AppDriver& operator=(const AppDriver&) = delete;

    // Starts `program` in `folder` (where it writes its log). `windowsVersion` is a Wine
    // version name ("winxp", "vista", "win2008", ...) or empty for the prefix's own (Windows 7).
    bool Start(const std::wstring& program, const std::wstring& folder, const std::wstring& windowsVersion = L"");
    DWORD ProcessId() const { return processId_; }
    HANDLE Process() const { return process_; }

    // The main window once it has finished reading its first page; null, and the test
    // failed, when it does not come or the page list is never enabled.
    HWND WaitForMainWindow();
    HWND MainWindow() const { return main_; }
    bool WaitForExit(DWORD milliseconds, DWORD* exitCode);

    HWND Control(int id) const { return GetDlgItem(main_, id); }
    // Waits until the page list is enabled again, as it is when a read has reached the window.
    bool WaitUntilRead() const;
    // Selects a page with the page list as the user does (selection, then CBN_SELENDOK) and
    // waits until its read has finished.
    bool SelectPage(int page);
    int CurrentPage() const { return Send(kPageListId, CB_GETCURSEL); }

    int ItemCount(int listId) const { return Send(listId, LVM_GETITEMCOUNT); }
    // 1, 0, -1 as the list view reports it
    int ItemCheck(int listId, int item) const
    {
        return ((Send(listId, LVM_GETITEMSTATE, item, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12) - 1;
    }
    bool SetItemCheck(int listId, int item, bool checked);
    int ComboCount(int id) const { return Send(id, CB_GETCOUNT); }
    std::wstring Text(int id) const { return WindowText(Control(id)); }
    std::wstring Title() const { return WindowText(main_); }
    bool IsOnScreen(int id) const;  // placed inside the client area, not parked

    // Posted: for what opens a modal box (the caller then waits for the box or the effect).
    void Click(int id) const { PostMessageW(Control(id), BM_CLICK, 0, 0); }
    void PressKey(UINT virtualKey) const;  // WM_KEYDOWN / WM_KEYUP to the main window
    void Close() const { PostMessageW(main_, WM_CLOSE, 0, 0); }
    // Sent: returns when the program has handled it.
    void ClickAndWait(int id) const { Send(id, BM_CLICK); }

    // Saves the main window as it is on screen, as a 24-bit BMP.
    bool SaveScreenshot(const std::wstring& path) const;

private:
    static const int kPageListId = 2007;
    int Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return static_cast<int>(SendMessageW(Control(id), message, wParam, lParam));
    }

    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
    std::wstring versionKey_;  // the Wine AppDefaults key set for the run, removed afterwards
};
