#include "app/ReadWorker.h"

namespace {

// What a worker is given; it owns this and frees it when done.
struct ReadJob {
    ReadMailbox* mailbox;
    PageRead read;
    SystemFacts system;
    int number;
};

}  // namespace

std::unique_ptr<ReadResult> ReadIntoResult(PageRead read, const SystemFacts& system, int number)
{
    std::unique_ptr<ReadResult> result(new ReadResult{number, PageState()});
    if (read)
        read(system, result->state);
    return result;
}

ReadMailbox::ReadMailbox()
{
    InitializeCriticalSection(&lock_);
}

ReadMailbox::~ReadMailbox()
{
    DeleteCriticalSection(&lock_);
}

ReadMailbox* ReadMailbox::Create()
{
    return new ReadMailbox;
}

void ReadMailbox::AddRef()
{
    InterlockedIncrement(&holders_);
}

void ReadMailbox::Release()
{
    if (InterlockedDecrement(&holders_) == 0)
        delete this;
}

void ReadMailbox::Open(HWND window)
{
    EnterCriticalSection(&lock_);
    window_ = window;
    LeaveCriticalSection(&lock_);
}

void ReadMailbox::Close()
{
    EnterCriticalSection(&lock_);
    HWND window = window_;
    window_ = nullptr;
    LeaveCriticalSection(&lock_);
    if (!window)
        return;
    // Destroying the window would drop these messages and leak their results.
    MSG msg;
    while (PeekMessageW(&msg, window, kReadDoneMessage, kReadDoneMessage, PM_REMOVE)) {
        delete reinterpret_cast<ReadResult*>(msg.lParam);
        Taken();
    }
}

void ReadMailbox::Taken()
{
    InterlockedDecrement(&pending_);
}

bool ReadMailbox::Pending() const
{
    return pending_ > 0;
}

bool ReadMailbox::StartWorker(PageRead read, const SystemFacts& system, int number)
{
    ReadJob* job = new ReadJob{this, read, system, number};
    AddRef();
    InterlockedIncrement(&pending_);
    HANDLE thread = CreateThread(nullptr, 0, Worker, job, 0, nullptr);
    if (!thread) {
        InterlockedDecrement(&pending_);
        Release();
        delete job;
        return false;
    }
    // Nothing waits for a worker: its result comes as a message.
    CloseHandle(thread);
    return true;
}

void ReadMailbox::Deliver(std::unique_ptr<ReadResult> result)
{
    // The lock keeps Close from draining the queue between this check and the post.
    EnterCriticalSection(&lock_);
    const bool posted = window_ && PostMessageW(window_, kReadDoneMessage, static_cast<WPARAM>(result->number),
                                                reinterpret_cast<LPARAM>(result.get()));
    if (posted)
        result.release();
    LeaveCriticalSection(&lock_);
    if (!posted)
        InterlockedDecrement(&pending_);
}

DWORD WINAPI ReadMailbox::Worker(void* parameter)
{
    std::unique_ptr<ReadJob> job(static_cast<ReadJob*>(parameter));
    ReadMailbox* mailbox = job->mailbox;
    mailbox->Deliver(ReadIntoResult(job->read, job->system, job->number));
    mailbox->Release();
    return 0;
}
