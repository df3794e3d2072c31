#include "tests/support/MessageBoxAnswerer.h"

#include <chrono>

namespace {

struct BoxSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindBoxOfProcess(HWND window, LPARAM param)
{
    BoxSearch* search = reinterpret_cast<BoxSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (owner == search->processId && wcscmp(className, L"#32770") == 0 && IsWindowVisible(window)) {
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

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<int> answers, DWORD processId)
    : answers_(std::move(answers)), processId_(processId ? processId : GetCurrentProcessId()),
      thread_([this] { Run(); })
{
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    stop_ = true;
    thread_.join();
}

HWND MessageBoxAnswerer::FindBox(DWORD processId)
{
    BoxSearch search{processId, nullptr};
    EnumWindows(FindBoxOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring MessageBoxAnswerer::TextOfBox(HWND box)
{
    // The message text is the static control with the identifier 0xFFFF.
    return WindowText(GetDlgItem(box, 0xFFFF));
}

void MessageBoxAnswerer::Run()
{
    size_t next = 0;
    HWND lastAnswered = nullptr;
    while (!stop_ && next < answers_.size()) {
        HWND box = FindBox(processId_);
        if (!box || box == lastAnswered) {
            Sleep(20);
            if (box && !IsWindow(box))
                lastAnswered = nullptr;
            continue;
        }
        Sleep(50);  // let the box finish initialising its controls
        Box seen{WindowText(box), TextOfBox(box), answers_[next]};
        HWND button = GetDlgItem(box, answers_[next]);
        if (button)
            PostMessageW(button, BM_CLICK, 0, 0);
        else
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(answers_[next], BN_CLICKED), 0);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            seen_.push_back(seen);
        }
        lastAnswered = box;
        ++next;
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

bool MessageBoxAnswerer::WaitForAnswers(size_t count, DWORD milliseconds) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Seen().size() >= count)
            return true;
        Sleep(20);
    }
    return Seen().size() >= count;
}

StrayBoxGuard::StrayBoxGuard(DWORD patience) : patience_(patience), thread_([this] { Run(); }) {}

StrayBoxGuard::~StrayBoxGuard()
{
    stop_ = true;
    thread_.join();
}

void StrayBoxGuard::Run()
{
    HWND watched = nullptr;
    DWORD since = 0;
    while (!stop_) {
        Sleep(100);
        HWND box = MessageBoxAnswerer::FindBox(GetCurrentProcessId());
        if (box != watched) {
            watched = box;
            since = GetTickCount();
            continue;
        }
        if (!box || GetTickCount() - since < patience_)
            continue;
        MessageBoxAnswerer::Box seen{WindowText(box), MessageBoxAnswerer::TextOfBox(box), 0};
        for (int button : {IDCANCEL, IDNO, IDOK}) {
            if (HWND control = GetDlgItem(box, button)) {
                seen.answeredWith = button;
                PostMessageW(control, BM_CLICK, 0, 0);
                break;
            }
        }
        std::lock_guard<std::mutex> lock(mutex_);
        closed_.push_back(seen);
        watched = nullptr;
    }
}

std::vector<MessageBoxAnswerer::Box> StrayBoxGuard::Closed() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return closed_;
}
