// Reading a page off the window's thread. A worker is given the page's read function, the
// system facts and the number of its read; it reads the registry into a plain result and
// posts that to the window. It touches no control and no wrapper: the window's thread shows
// the result, and only while it belongs to the newest read.
#pragma once

#include "app/PageFunctions.h"
#include "model/PageState.h"

#include <windows.h>

#include <memory>

// Posted to the window when a read has finished: wParam is the read's number, lParam its
// ReadResult, which the window's thread takes over and frees.
const UINT kReadDoneMessage = WM_USER + 1;

using PageRead = void (*)(const SystemFacts& system, PageState& state);

struct ReadResult {
    int number;
    PageState state;
};

// Reads a page into a result numbered `number`; an empty one when `read` is null.
std::unique_ptr<ReadResult> ReadIntoResult(PageRead read, const SystemFacts& system, int number);

// What the window and its workers share. Results are posted to the window only while it takes
// them (from Open to Close); a worker that finishes after that frees its own. The window's
// object and each worker hold it; the last to let go frees it.
class ReadMailbox {
public:
    static ReadMailbox* Create();
    void AddRef();
    void Release();

    // On the window's thread.
    void Open(HWND window);
    // No result is posted from now on; those already waiting in the queue are freed.
    void Close();
    // A posted result was taken off the queue.
    void Taken();
    // Reads started whose results have not reached the window yet.
    bool Pending() const;

    // Starts a worker that delivers the result of `read`; false when no thread could be made.
    bool StartWorker(PageRead read, const SystemFacts& system, int number);

    ReadMailbox(const ReadMailbox&) = delete;
    ReadMailbox& operator=(const ReadMailbox&) = delete;

private:
    ReadMailbox();
    ~ReadMailbox();
    // On a worker's thread: posts `result` to the window, or frees it.
    void Deliver(std::unique_ptr<ReadResult> result);
    static DWORD WINAPI Worker(void* parameter);

    CRITICAL_SECTION lock_;
    HWND window_ = nullptr;  // guarded by lock_
    volatile LONG holders_ = 1;
    volatile LONG pending_ = 0;
};
