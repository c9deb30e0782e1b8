#include "protocol/query/Thread.h"

#include <gtest/gtest.h>

#include "protocol/query/Query.h"

namespace lumora {
namespace {

struct Counter : CThread {
    std::atomic<int> runs{0};
    void Run() override { ++runs; }
};

TEST(ThreadTest, StartRunsOnceAndHandlesAreUnique) {
    auto worker = std::make_shared<Counter>();
    ASSERT_TRUE(worker->Start());
    const ThreadHandle first = worker->startedHandle();
    EXPECT_NE(first, 0u);
    worker->Stop();
    EXPECT_EQ(worker->runs.load(), 1);
    EXPECT_EQ(worker->threadHandle(), 0u);
    ASSERT_TRUE(worker->Start());
    EXPECT_NE(worker->startedHandle(), first);
    worker->Stop();
    EXPECT_EQ(worker->runs.load(), 2);
}

TEST(ThreadTest, DefaultRunIdlesUntilStopped) {
    CThread idle;  // owned on the stack: Stop must still end it
    ASSERT_TRUE(idle.Start());
    EXPECT_FALSE(idle.stopFlag());
    idle.Suspend();
    idle.Resume();
    idle.Stop();
    EXPECT_TRUE(idle.stopFlag());
}

TEST(ThreadTest, DestroyingARunningIdlerEndsIt) {
    // Without being told to stop, the default body idles for ever and the destructor waits with it.
    const auto start = std::chrono::steady_clock::now();
    {
        auto idle = std::make_unique<CThread>();
        ASSERT_TRUE(idle->Start());
        idle->Suspend();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(ThreadTest, SharedWorkerOutlivesItsLastOutsideOwner) {
    struct Slow : CThread {
        std::atomic<bool>* ran;
        void Run() override {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            *ran = true;
        }
    };
    std::atomic<bool> ran{false};
    {
        auto worker = std::make_shared<Slow>();
        worker->ran = &ran;
        ASSERT_TRUE(worker->Start());
    }  // the worker frees itself when its body ends
    EXPECT_TRUE(WaitForWorkers(std::chrono::seconds(5)));
    EXPECT_TRUE(ran.load());
}

TEST(ThreadTest, QueryStartsWithItsDocumentedValues) {
    CQuery query(42);
    EXPECT_EQ(query.nasIndex, -1);
    EXPECT_EQ(query.requestType, 0);
    EXPECT_EQ(query.targetWnd, 42u);
    EXPECT_TRUE(query.useTcp);
    EXPECT_EQ(query.port, 0);
    EXPECT_EQ(query.adapterIndex, -1);
    EXPECT_TRUE(query.stopFlag());
    EXPECT_EQ(query.threadHandle(), 0u);
}

}  // namespace
}  // namespace lumora
