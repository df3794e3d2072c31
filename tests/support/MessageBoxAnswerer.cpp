#include "tests/support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

std::wstring WindowText(HWND window)
{
    wchar_t text[2048] = {};
    GetWindowTextW(window, text, 2048);
    return text;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className)
{
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

bool WaitFor(const char* what, const std::function<bool()>& done, DWORD milliseconds)
{
    for (const DWORD start = GetTickCount(); !done(); Sleep(20))
        if (GetTickCount() - start > milliseconds) {
            ADD_FAILURE() << "gave up after " << milliseconds / 1000.0 << " s waiting for " << what;
            return false;
        }
    return true;
}

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<int> answers, DWORD processId, DWORD patience)
    : answers_(std::move(answers)), processId_(processId ? processId : GetCurrentProcessId()), patience_(patience),
      thread_([this] { Run(); })
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
        if (box != showing)
            showing = box, since = GetTickCount();
        // A box is answered once it has set up its controls, or once the patience runs out.
        if (!box || box == answered || GetTickCount() - since < (patience_ ? patience_ : 50))
            continue;
        int answer = patience_ ? IDOK : answers_[next++];
        for (int button : {IDCANCEL, IDNO})
            if (patience_ && answer == IDOK && GetDlgItem(box, button))
                answer = button;
        // Recorded before the click, so whoever waits for the box to go finds it recorded. The
        // message text is the static control with the identifier 0xFFFF.
        {
            std::lock_guard<std::mutex> lock(mutex_);
            seen_.push_back(Box{WindowText(box), WindowText(GetDlgItem(box, 0xFFFF))});
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
