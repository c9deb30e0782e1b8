#pragma once
// Window handles and private messages: our stand-in for posted window messages.
//
// A window registers itself and gets a handle. Any thread may post
// (message, wParam, lParam) to a handle; the messages reach the window on the
// user-interface thread, in the order they were posted. A message for a window
// that has gone away in the meantime is dropped, never delivered to freed memory.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

namespace lumora {

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
// Handles are never reused, so a stale handle can only miss, not hit another window.
using HWND = std::uint64_t;
inline constexpr HWND kNoWindow = 0;

// Implemented by everything that can receive messages.
class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    // Called on the user-interface thread only.
    virtual LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) = 0;
};

// Carries a delivery onto the user-interface thread. The desktop program
// implements it with its toolkit's event loop; the CLI and tests use MessageLoop.
class MessageDispatcher {
public:
    virtual ~MessageDispatcher() = default;
    // Called from any thread; must run `deliver` later on the UI thread, in call order.
    virtual void Dispatch(std::function<void()> deliver) = 0;
};

// Installs the dispatcher that PostMessage uses (null: posted messages are dropped). Once it
// returns, no post is still handing a message to the previous dispatcher.
void SetMessageDispatcher(MessageDispatcher* dispatcher);

// Registers a target and returns its new handle; the target must unregister before it dies.
HWND RegisterWindow(MessageTarget& target);
// Forgets a handle; messages still queued for it are dropped on arrival.
void UnregisterWindow(HWND window);
// True while the handle belongs to a registered target.
bool IsWindow(HWND window);

// Queues a message for the window; false when there is no such window or no dispatcher.
bool PostMessage(HWND window, unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);
// The same for a message whose parameter owns something: `onDrop` runs exactly when the
// message is never delivered (no window or dispatcher now, the window gone on arrival, or
// the queue discarded), so the owner can free it. It runs on the thread that drops the
// message: the caller's when this returns false, else the UI thread or the dispatcher's.
// It only frees: a dispatcher that drops at once runs it while posting is held, so it must not post.
bool PostMessage(HWND window, unsigned message, WPARAM wParam, LPARAM lParam, std::function<void()> onDrop);
// Delivers at once on the calling (UI) thread and returns the answer; 0 for a missing window.
LRESULT SendMessage(HWND window, unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);

// Registration that lasts as long as its owner: a window holds one as a member.
class WindowRegistration {
public:
    explicit WindowRegistration(MessageTarget& target) : handle_(RegisterWindow(target)) {}
    ~WindowRegistration() { UnregisterWindow(handle_); }
    WindowRegistration(const WindowRegistration&) = delete;
    WindowRegistration& operator=(const WindowRegistration&) = delete;
    HWND handle() const { return handle_; }

private:
    HWND handle_;
};

// A plain message loop for programs without a toolkit (the CLI) and for tests.
// The thread that calls Run/RunUntil is the UI thread while it runs.
class MessageLoop : public MessageDispatcher {
public:
    MessageLoop();
    ~MessageLoop() override;
    void Dispatch(std::function<void()> deliver) override;

    // Runs deliveries until Quit is called.
    void Run();
    // Runs deliveries until `done` holds (checked after each delivery) or the time is up.
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // Runs deliveries for the given time.
    void RunFor(std::chrono::milliseconds duration);
    // Runs the deliveries queued when it is called, however long they take; false when there were none.
    bool RunQueued();
    // Makes Run return after the delivery in progress; callable from any thread.
    void Quit();

private:
    bool RunOne(std::chrono::steady_clock::time_point deadline);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    bool quit_ = false;
};

}  // namespace lumora
