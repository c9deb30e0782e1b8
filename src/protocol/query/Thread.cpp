#include "protocol/query/Thread.h"

namespace lumora {
namespace {

std::atomic<ThreadHandle> g_nextHandle{1};

struct WorkerCount {
    std::mutex mutex;
    std::condition_variable changed;
    int running = 0;
};

WorkerCount& workers() {
    static WorkerCount instance;
    return instance;
}

}  // namespace

CThread::CThread() = default;

CThread::~CThread() {
    // Waiting for a body that loops until it is told to stop would never end: tell it.
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) {
        Resume();
        stopFlag_.store(true);
    }
    JoinUnlessSelf();
}

void CThread::JoinUnlessSelf() {
    if (!thread_.joinable()) return;
    if (thread_.get_id() == std::this_thread::get_id())
        thread_.detach();
    else
        thread_.join();
}

bool CThread::Start() {
    if (thread_.joinable()) Stop();
    stopFlag_.store(false);
    // Keep the object alive for the thread's whole body when shared owners exist.
    std::shared_ptr<CThread> self = weak_from_this().lock();
    ThreadHandle handle = g_nextHandle.fetch_add(1);
    threadHandle_.store(handle);
    startedHandle_ = handle;
    {
        std::lock_guard lock(workers().mutex);
        ++workers().running;
    }
    try {
        thread_ = std::thread([this, self = std::move(self)]() mutable {
            Run();
            threadHandle_.store(0);
            self.reset();  // may free this object: touch nothing of it after here
            WorkerCount& w = workers();
            std::lock_guard lock(w.mutex);
            --w.running;
            w.changed.notify_all();
        });
    } catch (const std::system_error&) {
        threadHandle_.store(0);
        startedHandle_ = 0;
        std::lock_guard lock(workers().mutex);
        --workers().running;
        workers().changed.notify_all();
        return false;
    }
    return true;
}

void CThread::Stop() {
    Resume();
    stopFlag_.store(true);
    JoinUnlessSelf();
    threadHandle_.store(0);
}

void CThread::Suspend() {
    std::lock_guard lock(suspendMutex_);
    if (thread_.joinable()) ++suspendCount_;
}

void CThread::Resume() {
    {
        std::lock_guard lock(suspendMutex_);
        suspendCount_ = 0;
    }
    resumed_.notify_all();
}

void CThread::Idle() {
    std::unique_lock lock(suspendMutex_);
    resumed_.wait(lock, [this] { return suspendCount_ == 0 || stopFlag_.load(); });
    lock.unlock();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
}

void CThread::Run() {
    while (!stopFlag()) Idle();
}

int RunningWorkerCount() {
    std::lock_guard lock(workers().mutex);
    return workers().running;
}

bool WaitForWorkers(std::chrono::milliseconds timeout) {
    WorkerCount& w = workers();
    std::unique_lock lock(w.mutex);
    return w.changed.wait_for(lock, timeout, [&] { return w.running == 0; });
}

}  // namespace lumora
