// Answers the message boxes of a process from a background thread, the way a user would:
// it waits for a box (window class "#32770") of that process to appear, records its caption
// and text, and clicks the button given for it. Used around code that shows modal boxes.
// And the one bound on waiting for a state of a program.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// How long a test waits for a state of a program (a read finished, a box shown) before it
// fails: ample on a loaded machine, short enough that a state that never comes costs seconds.
const DWORD kStateWait = 5000;
// Polls `done` until it holds; after `milliseconds` fails the test, naming `what`.
bool WaitFor(const char* what, const std::function<bool()>& done, DWORD milliseconds = kStateWait);

// A visible top-level window of the class that belongs to the process, or null.
HWND FindProcessWindow(DWORD processId, const wchar_t* className);
std::wstring WindowText(HWND window);  // a window's title or a control's text

class MessageBoxAnswerer {
public:
    struct Box {
        std::wstring caption;
        std::wstring text;
    };

    // Answers the boxes of the process (0: this one) in order with the button ids in `answers`
    // (IDOK, IDCANCEL, IDYES, IDNO...), then stops. With `patience`: for as long as it lives,
    // every box that stays open that long, answered with its Cancel, No or OK button.
    explicit MessageBoxAnswerer(std::vector<int> answers, DWORD processId = 0, DWORD patience = 0);
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    std::vector<Box> Seen() const;
    // Waits until `count` boxes have been answered; false, and the test failed naming `what`,
    // when they were not in time.
    bool WaitForAnswers(size_t count, const char* what, DWORD milliseconds = kStateWait) const
    {
        return WaitFor(what, [&] { return Seen().size() >= count; }, milliseconds);
    }
    static HWND FindBox(DWORD processId) { return FindProcessWindow(processId, L"#32770"); }

private:
    void Run();

    std::vector<int> answers_;
    DWORD processId_;
    DWORD patience_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<Box> seen_;
    std::thread thread_;
};

// A box nobody answers would leave a test waiting for ever. This closes any box of this
// process that stays open too long, so the test goes on and can report it.
class StrayBoxGuard : public MessageBoxAnswerer {
public:
    StrayBoxGuard() : MessageBoxAnswerer({}, 0, kStateWait) {}
};
