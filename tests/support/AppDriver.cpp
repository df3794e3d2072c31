#include "tests/support/AppDriver.h"

#include "tests/support/RegistryFacts.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <vector>

const wchar_t kMainWindowClass[] = L"Zentrak1320";

AppDriver::~AppDriver()
{
    if (process_) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
    }
    if (!versionKey_.empty())
        RegDeleteKeyW(HKEY_CURRENT_USER, versionKey_.c_str());
}

bool AppDriver::Start(const std::wstring& program, const std::wstring& folder, const std::wstring& windowsVersion)
{
    if (!windowsVersion.empty()) {
        // Wine reports the version set for the program's file name.
        const std::wstring name = program.substr(program.find_last_of(L"\\/") + 1);
        versionKey_ = L"Software\\Wine\\AppDefaults\\" + name;
        testreg::SetString(HKEY_CURRENT_USER, versionKey_, L"Version", windowsVersion);
    }
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info))
        return false;
    CloseHandle(info.hThread);
    process_ = info.hProcess, processId_ = info.dwProcessId;
    return true;
}

HWND AppDriver::WaitForMainWindow()
{
    // A Wine process takes a few seconds to start on a loaded machine.
    const bool shown = WaitFor("the main window", [this] {
        main_ = FindProcessWindow(processId_, kMainWindowClass);
        return main_ || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
    }, 4 * kStateWait);
    if (shown && !main_)
        ADD_FAILURE() << "the program ended without a main window";
    return main_ && WaitUntilRead() ? main_ : nullptr;
}

bool AppDriver::WaitForExit(DWORD milliseconds, DWORD* exitCode)
{
    if (!process_ || WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        GetExitCodeProcess(process_, exitCode);
    return true;
}

bool AppDriver::WaitUntilRead() const
{
    HWND list = Control(kPageListId);
    return WaitFor("the page list enabled again after a read", [list] { return IsWindowEnabled(list) != FALSE; });
}

bool AppDriver::SelectPage(int page)
{
    HWND list = Control(kPageListId);
    // The program remembers the selection at focus time; a user's click gives the focus first.
    SendMessageW(main_, WM_COMMAND, MAKEWPARAM(kPageListId, CBN_DROPDOWN), reinterpret_cast<LPARAM>(list));
    SendMessageW(list, CB_SETCURSEL, page, 0);
    SendMessageW(main_, WM_COMMAND, MAKEWPARAM(kPageListId, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
    return WaitUntilRead() && CurrentPage() == page;
}

bool AppDriver::SetItemCheck(int listId, int item, bool checked)
{
    // The system does not carry this structure across processes: it goes into the program's memory.
    LVITEMW lvItem = {};
    lvItem.stateMask = LVIS_STATEIMAGEMASK;
    lvItem.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    void* remote = VirtualAllocEx(process_, nullptr, sizeof(lvItem), MEM_COMMIT, PAGE_READWRITE);
    SIZE_T written = 0;
    if (remote && WriteProcessMemory(process_, remote, &lvItem, sizeof(lvItem), &written))
        SendMessageW(Control(listId), LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(remote));
    if (remote)
        VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
    return ItemCheck(listId, item) == (checked ? 1 : 0);
}

bool AppDriver::IsOnScreen(int id) const
{
    RECT client = {}, placed = {};
    GetWindowRect(Control(id), &placed);
    MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&placed), 2);
    GetClientRect(main_, &client);
    return IsWindowVisible(Control(id)) && placed.left >= 0 && placed.right <= client.right && placed.top >= 0 &&
           placed.bottom <= client.bottom && placed.right > placed.left;
}

void AppDriver::PressKey(UINT virtualKey) const
{
    PostMessageW(main_, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(main_, WM_KEYUP, virtualKey, 0xC0000001);
}

bool AppDriver::SaveScreenshot(const std::wstring& path) const
{
    RECT rect = {};
    GetWindowRect(main_, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;
    // Other test programs share the display and may have windows in the same place: the
    // screen shows this one only while it is above them all and has painted itself there.
    SetWindowPos(main_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_BLOCK, 5000, nullptr);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    SetWindowPos(main_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    BITMAPINFOHEADER info = {sizeof(info), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<BYTE> pixels(((width * 3 + 3) & ~3u) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(info);
    const BITMAPFILEHEADER header = {0x4D42, offset + static_cast<DWORD>(pixels.size()), 0, 0, offset};
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof(header));
    bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
    bytes.append(pixels.begin(), pixels.end());
    return WriteFileBytes(path, bytes);
}
