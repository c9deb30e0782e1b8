#pragma once
// Shared set-up of the tests that run datagram exchanges against kl440-sim:
// a private PC namespace, a message loop, a window that records reports and
// scripted message boxes. The exchanges run at the product's timing; their
// turn and wait rules are checked on a fake clock in ExchangeRules_test.cpp.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "platform/WindowMessages.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/query/Messages.h"
#include "protocol/query/Msg.h"
#include "protocol/datagram/NasList.h"
#include "support/ApplianceSection.h"
#include "support/Sandbox.h"
#include "support/ScriptedDialogs.h"
#include "support/SimNetwork.h"

namespace lumora::test {

struct RecordedMessage {
    unsigned message;
    WPARAM wParam;
    LPARAM lParam;
};

struct RecordingWindow : MessageTarget {
    std::vector<RecordedMessage> got;
    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override {
        got.push_back({message, wParam, lParam});
        return 0;
    }
};

class ExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!net.ok()) GTEST_SKIP() << "network namespaces are not available here";
        SetMessageDispatcher(&loop);
        NasList::Instance().Clear();
    }
    void TearDown() override {
        WaitForWorkers(std::chrono::seconds(60));
        SetMessageDispatcher(nullptr);
    }

    // Pumps until `done` holds, checking it at least every 10 ms (also when nothing is delivered).
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (!done()) {
            if (std::chrono::steady_clock::now() >= deadline) return false;
            loop.RunUntil(done, std::chrono::milliseconds(10));
        }
        return true;
    }

    // Pumps until the window got `count` messages or the time is up.
    bool WaitForMessages(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(60)) {
        return waitFor(
            loop, [&] { return window.got.size() >= count; }, timeout);
    }

    // Runs a discovery to its report; returns how long it took.
    std::chrono::milliseconds Discover() {
        window.got.clear();
        const auto start = std::chrono::steady_clock::now();
        const RequestHandle handle = StartDiscovery(registration.handle());
        EXPECT_NE(handle, 0u);
        EXPECT_TRUE(WaitForMessages(1));
        const auto took =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        if (!window.got.empty()) {
            EXPECT_EQ(window.got[0].message, WM_QUERY_RESULT);
            auto taken = CMsg::Instance().TakeParam(window.got[0].lParam);
            EXPECT_TRUE(taken.found);
            if (taken.request) {
                EXPECT_EQ(taken.request->requestHandle, handle);
            }
        }
        WaitForWorkers(std::chrono::seconds(10));
        return took;
    }

    // The names of the listed appliances, in list order.
    static std::vector<std::string> ListedNames() {
        std::vector<std::string> names;
        for (int i = 0; i < NasList::Instance().Count(); ++i)
            names.emplace_back(FieldText(NasList::Instance().At(i)->name));
        return names;
    }

    SimNetwork net;
    MessageLoop loop;
    RecordingWindow window;
    WindowRegistration registration{window};
    ScriptedDialogs dialogs;
};

}  // namespace lumora::test
