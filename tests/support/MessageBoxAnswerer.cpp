#include "tests/support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

namespace {

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK FindWindowOfProcess(HWND window, LPARAM param)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (owner == search->processId && wcscmp(className, search->className) == 0 && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[2048] = {};
    GetWindowTextW(window, text, 2048);
    return text;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className)
{
    WindowSearch search{processId, className, nullptr};
    EnumWindows(FindWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<int> answers, DWORD processId)
    : answers_(std::move(answers)), processId_(processId ? processId : GetCurrentProcessId()),
      thread_([this] { Run(); })
{
}

MessageBoxAnswerer::MessageBoxAnswerer(Guard, DWORD patience)
    : processId_(GetCurrentProcessId()), patience_(patience), thread_([this] { Run(); })
{
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    stop_ = true;
    thread_.join();
}

void MessageBoxAnswerer::Run()
{
    size_t next = 0;
    HWND showing = nullptr, answered = nullptr;
    DWORD since = 0;
    while (!stop_ && (patience_ || next < answers_.size())) {
        Sleep(20);
        HWND box = FindBox(processId_);
        if (box != showing) {
            showing = box;
            since = GetTickCount();
        }
        // A box is answered once it has set up its controls, or once the patience runs out.
        if (!box || box == answered || GetTickCount() - since < (patience_ ? patience_ : 50))
            continue;
        int answer = patience_ ? IDOK : answers_[next++];
        for (int button : {IDCANCEL, IDNO})
            if (patience_ && answer == IDOK && GetDlgItem(box, button))
                answer = button;
        // The message text is the static control with the identifier 0xFFFF.
        // Recorded before the click, so whoever waits for the box to go finds it recorded.
        {
            std::lock_guard<std::mutex> lock(mutex_);
            seen_.push_back(Box{WindowText(box), WindowText(GetDlgItem(box, 0xFFFF)), answer});
        }
        if (HWND button = GetDlgItem(box, answer))
            PostMessageW(button, BM_CLICK, 0, 0);
        else
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
        answered = box;
        // Wait for the box to go before looking for the next one.
        for (int i = 0; i < 250 && IsWindow(box) && !stop_; ++i)
            Sleep(20);
    }
}

std::vector<MessageBoxAnswerer::Box> MessageBoxAnswerer::Seen() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

bool MessageBoxAnswerer::WaitForAnswers(size_t count, const char* what, DWORD milliseconds) const
{
    return WaitFor(what, [&] { return Seen().size() >= count; }, milliseconds);
}

bool WaitFor(const char* what, const std::function<bool()>& done, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) {
            ADD_FAILURE() << "gave up after " << milliseconds / 1000.0 << " s waiting for " << what;
            return false;
        }
        Sleep(20);
    }
    return true;
}
