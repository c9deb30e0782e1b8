#include "platform/WindowMessages.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "support/Sandbox.h"

namespace lumora {
namespace {

struct Recorder : MessageTarget {
    std::vector<std::tuple<unsigned, WPARAM, LPARAM>> got;
    LRESULT OnMessage(unsigned m, WPARAM w, LPARAM l) override {
        got.emplace_back(m, w, l);
        return static_cast<LRESULT>(m) + 1;
    }
};

class WindowMessagesTest : public ::testing::Test {
protected:
    void SetUp() override { SetMessageDispatcher(&loop); }
    void TearDown() override { SetMessageDispatcher(nullptr); }
    MessageLoop loop;
};

TEST_F(WindowMessagesTest, PostedMessagesArriveInOrderFromManyThreads) {
    Recorder window;
    WindowRegistration reg(window);
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t)
        workers.emplace_back([&, t] {
            for (int i = 0; i < 250; ++i) PostMessage(reg.handle(), 2024, t, i);
        });
    for (auto& w : workers) w.join();
    ASSERT_TRUE(test::waitFor(loop, [&] { return window.got.size() == 1000; }));
    // Order holds per sender thread.
    std::vector<LPARAM> last(4, -1);
    for (auto& [m, w, l] : window.got) {
        EXPECT_EQ(m, 2024u);
        EXPECT_EQ(l, last[w] + 1);
        last[w] = l;
    }
}

TEST_F(WindowMessagesTest, MessageForClosedWindowIsDropped) {
    auto window = std::make_unique<Recorder>();
    HWND handle;
    {
        WindowRegistration reg(*window);
        handle = reg.handle();
        EXPECT_TRUE(PostMessage(handle, 2025, 0, 1));
    }
    window.reset();  // the message is still queued; delivering it would touch freed memory
    loop.RunFor(std::chrono::milliseconds(20));
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(PostMessage(handle, 2025, 0, 1));
    EXPECT_EQ(SendMessage(handle, 2025, 0, 0), 0);
}

TEST_F(WindowMessagesTest, OwnedParameterIsFreedExactlyWhenTheMessageIsNotDelivered) {
    int drops = 0;
    auto onDrop = [&drops] { ++drops; };
    Recorder window;
    HWND closed;
    {
        WindowRegistration reg(window);
        closed = reg.handle();
        // Delivered: the receiver owns the parameter, nothing is freed here.
        ASSERT_TRUE(PostMessage(reg.handle(), 2029, 7, 9, onDrop));
        loop.RunFor(std::chrono::milliseconds(20));
        EXPECT_EQ(window.got.size(), 1u);
        EXPECT_EQ(drops, 0);
        // The window closes while the message travels: dropped on arrival.
        ASSERT_TRUE(PostMessage(reg.handle(), 2029, 8, 9, onDrop));
    }
    loop.RunFor(std::chrono::milliseconds(20));
    EXPECT_EQ(window.got.size(), 1u);
    EXPECT_EQ(drops, 1);
    // No such window when posting: dropped at once, on the caller's thread.
    EXPECT_FALSE(PostMessage(closed, 2029, 9, 9, onDrop));
    EXPECT_EQ(drops, 2);
    // The queue goes away with the message still in it.
    {
        MessageLoop doomed;
        SetMessageDispatcher(&doomed);
        WindowRegistration reg(window);
        ASSERT_TRUE(PostMessage(reg.handle(), 2029, 10, 9, onDrop));
        SetMessageDispatcher(&loop);
    }
    EXPECT_EQ(drops, 3);
    EXPECT_EQ(window.got.size(), 1u);
}

TEST_F(WindowMessagesTest, SendIsSynchronousAndHandlesAreNotReused) {
    Recorder a;
    HWND first;
    {
        WindowRegistration reg(a);
        first = reg.handle();
        EXPECT_EQ(SendMessage(first, 2026, 0, 0), 2027);
        EXPECT_EQ(a.got.size(), 1u);
    }
    Recorder b;
    WindowRegistration reg(b);
    EXPECT_NE(reg.handle(), first);
}

TEST_F(WindowMessagesTest, QuitEndsRun) {
    Recorder window;
    WindowRegistration reg(window);
    std::thread poster([&] {
        PostMessage(reg.handle(), 1, 0, 0);
        loop.Quit();
    });
    loop.Run();
    poster.join();
    SUCCEED();
}

TEST(WindowMessagesDispatcherTest, ReplacingTheDispatcherWhileWorkersPostIsSafe) {
    Recorder window;
    WindowRegistration reg(window);
    std::atomic<bool> stop{false};
    std::vector<std::thread> workers;
    for (int t = 0; t < 3; ++t)
        workers.emplace_back([&] {
            while (!stop) PostMessage(reg.handle(), 2024, 0, 0);
        });
    // Each loop is destroyed right after it is uninstalled: a post still inside it would
    // touch freed memory (the sanitizer builds catch that).
    for (int i = 0; i < 200; ++i) {
        auto loop = std::make_unique<MessageLoop>();
        SetMessageDispatcher(loop.get());
        loop->RunFor(std::chrono::milliseconds(0));
        SetMessageDispatcher(nullptr);
        loop.reset();
    }
    stop = true;
    for (auto& w : workers) w.join();
    SUCCEED();
}

}  // namespace
}  // namespace lumora
