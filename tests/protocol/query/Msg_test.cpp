#include "protocol/query/Msg.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "protocol/query/Query.h"

namespace lumora {
namespace {

TEST(MsgTest, TokensFollowEachOtherAndAreTakenOnce) {
    CMsg& store = CMsg::Instance();
    auto first = MakeQuery(kNoWindow), second = MakeQuery(kNoWindow);
    const std::uint64_t a = store.Put(first);
    const std::uint64_t b = store.Put(second);
    EXPECT_EQ(b, a + 1);
    auto taken = store.TakeParam(TokenParam(b));
    ASSERT_TRUE(taken.found);
    EXPECT_EQ(taken.request, second);
    EXPECT_EQ(taken.flags, 0u);
    EXPECT_FALSE(store.TakeParam(TokenParam(b)).found);
    EXPECT_TRUE(store.Take(static_cast<std::uint32_t>(a), 0).request == first);
    EXPECT_FALSE(store.Take(0xFFFFFFFFu, 0xFFFFFFFFu).found);  // never issued
}

TEST(MsgTest, PutAndTakeFromManyThreads) {
    CMsg& store = CMsg::Instance();
    std::vector<std::thread> threads;
    std::atomic<int> found{0};
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 200; ++i) {
                auto query = MakeQuery(kNoWindow);
                auto token = store.Put(query);
                auto taken = store.TakeParam(TokenParam(token));
                if (taken.found && taken.request == query) ++found;
            }
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(found.load(), 800);
}

TEST(MsgTest, ResultForAClosedWindowDoesNotStayInTheStore) {
    MessageLoop loop;
    SetMessageDispatcher(&loop);
    auto query = MakeQuery(kNoWindow);  // no such window
    std::weak_ptr<CQuery> watch = query;
    query->PostQueryResult();
    const std::uint64_t next = CMsg::Instance().Put(nullptr);
    EXPECT_FALSE(CMsg::Instance().Take(static_cast<std::uint32_t>(next - 1), 0).found);
    query.reset();
    EXPECT_TRUE(watch.expired());
    CMsg::Instance().Take(static_cast<std::uint32_t>(next), 0);
    SetMessageDispatcher(nullptr);
}

}  // namespace
}  // namespace lumora
