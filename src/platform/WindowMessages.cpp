#include "platform/WindowMessages.h"

#include <memory>
#include <unordered_map>

namespace lumora {
namespace {

struct Registry {
    std::mutex mutex;
    std::unordered_map<HWND, MessageTarget*> targets;
    HWND next = 1;
    // Held while a post hands its delivery over, so that once SetMessageDispatcher returns
    // no worker is still inside the old dispatcher and its owner may destroy it.
    std::mutex dispatcherMutex;
    MessageDispatcher* dispatcher = nullptr;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

MessageTarget* find(HWND window) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.targets.find(window);
    return it == r.targets.end() ? nullptr : it->second;
}

}  // namespace

void SetMessageDispatcher(MessageDispatcher* dispatcher) {
    Registry& r = registry();
    std::lock_guard lock(r.dispatcherMutex);
    r.dispatcher = dispatcher;
}

HWND RegisterWindow(MessageTarget& target) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    HWND handle = r.next++;
    r.targets.emplace(handle, &target);
    return handle;
}

void UnregisterWindow(HWND window) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.targets.erase(window);
}

bool IsWindow(HWND window) { return find(window) != nullptr; }

bool PostMessage(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
    return PostMessage(window, message, wParam, lParam, nullptr);
}

namespace {

// Travels with a message that owns something; frees it unless the message was delivered,
// including when the queue is thrown away with the message still in it.
class DropGuard {
public:
    explicit DropGuard(std::function<void()> onDrop) : onDrop_(std::move(onDrop)) {}
    ~DropGuard() {
        if (onDrop_) onDrop_();
    }
    DropGuard(const DropGuard&) = delete;
    DropGuard& operator=(const DropGuard&) = delete;
    void Delivered() { onDrop_ = nullptr; }

private:
    std::function<void()> onDrop_;
};

}  // namespace

bool PostMessage(HWND window, unsigned message, WPARAM wParam, LPARAM lParam, std::function<void()> onDrop) {
    Registry& r = registry();
    std::unique_lock lock(r.dispatcherMutex);
    if (r.dispatcher == nullptr || !IsWindow(window)) {
        lock.unlock();
        if (onDrop) onDrop();
        return false;
    }
    // Dispatchers take copyable callables, so the guard is shared; it lives as long as the
    // queued delivery does.
    auto guard = onDrop ? std::make_shared<DropGuard>(std::move(onDrop)) : nullptr;
    // Look the window up again on arrival: it may have closed while the message travelled.
    // Targets are unregistered on the UI thread, which is also where this runs, so the
    // pointer cannot go stale between the look-up and the call.
    r.dispatcher->Dispatch([=] {
        MessageTarget* target = find(window);
        if (target == nullptr) return;
        // Handed over before the call: the receiver owns the parameter from here on.
        if (guard) guard->Delivered();
        target->OnMessage(message, wParam, lParam);
    });
    return true;
}

LRESULT SendMessage(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
    MessageTarget* target = find(window);
    return target ? target->OnMessage(message, wParam, lParam) : 0;
}

// --- MessageLoop

MessageLoop::MessageLoop() = default;
MessageLoop::~MessageLoop() = default;

void MessageLoop::Dispatch(std::function<void()> deliver) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(deliver));
    }
    wake_.notify_one();
}

bool MessageLoop::RunOne(std::chrono::steady_clock::time_point deadline) {
    std::function<void()> next;
    {
        std::unique_lock lock(mutex_);
        if (!wake_.wait_until(lock, deadline, [&] { return quit_ || !queue_.empty(); })) return false;
        if (quit_) return false;
        next = std::move(queue_.front());
        queue_.pop_front();
    }
    next();
    return true;
}

void MessageLoop::Run() {
    while (true) {
        RunOne(std::chrono::steady_clock::now() + std::chrono::hours(24));
        std::lock_guard lock(mutex_);
        if (quit_) {
            quit_ = false;
            return;
        }
    }
}

bool MessageLoop::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        RunOne(deadline);
        std::lock_guard lock(mutex_);
        if (quit_) {
            quit_ = false;
            return done();
        }
    }
    return true;
}

void MessageLoop::RunFor(std::chrono::milliseconds duration) {
    RunUntil([] { return false; }, duration);
}

bool MessageLoop::RunQueued() {
    std::deque<std::function<void()>> queued;
    {
        std::lock_guard lock(mutex_);
        queued.swap(queue_);
    }
    for (auto& deliver : queued) deliver();
    return !queued.empty();
}

void MessageLoop::Quit() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
}

}  // namespace lumora
