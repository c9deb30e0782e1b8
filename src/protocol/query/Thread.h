#pragma once
// CThread: a worker thread wrapper whose body is the virtual Run.
//
// An object owned by a std::shared_ptr keeps itself alive while its thread
// runs, so the thread may outlive every other owner; the last owner to let go
// frees it, on whichever thread that is. Suspension is cooperative: a
// suspended thread pauses in Idle, the only point where it waits for nothing.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace lumora {

// Identifies a started thread; nonzero and never reused in a process.
using ThreadHandle = std::uint64_t;

class CThread : public std::enable_shared_from_this<CThread> {
public:
    CThread();
    // Sets the stop flag of a thread still running and waits for it to end (lets it go when
    // called on it), so a body that idles until stopped does not keep the owner waiting for ever.
    virtual ~CThread();
    CThread(const CThread&) = delete;
    CThread& operator=(const CThread&) = delete;

    // Stops a thread still running, clears the stop flag and starts Run on a new thread.
    virtual bool Start();
    // Sets the stop flag and waits, without a time limit, for the thread to end.
    virtual void Stop();
    // Asks the thread to pause at its next Idle.
    virtual void Suspend();
    // Undoes every Suspend.
    virtual void Resume();
    // Sleeps 500 ms (longer while suspended).
    virtual void Idle();
    // The thread's body; the default idles until the stop flag is set.
    virtual void Run();

    // True once Stop was called (or before Start); wait loops end when it is set.
    bool stopFlag() const { return stopFlag_.load(); }
    // The running thread's handle, or 0 once its Run has returned.
    ThreadHandle threadHandle() const { return threadHandle_.load(); }
    // The handle the last Start gave its thread, even after that thread ended (starting thread).
    ThreadHandle startedHandle() const { return startedHandle_; }

protected:
    // Called by Run implementations when their work is done, before they report.
    void ClearThreadHandle() { threadHandle_.store(0); }

private:
    void JoinUnlessSelf();

    std::atomic<bool> stopFlag_{true};
    std::atomic<ThreadHandle> threadHandle_{0};
    std::thread thread_;
    ThreadHandle startedHandle_ = 0;
    std::mutex suspendMutex_;
    std::condition_variable resumed_;
    int suspendCount_ = 0;
};

// Number of worker threads whose body has not yet returned (for shutdown and tests).
int RunningWorkerCount();
// Waits until no worker thread runs; false when the time ran out first.
bool WaitForWorkers(std::chrono::milliseconds timeout);

}  // namespace lumora
