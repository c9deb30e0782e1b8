#pragma once
// A simulated appliance's web side on 127.0.0.2:80 inside a namespace of the test's
// own, a window that records what the requests report, and the message loop between them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <thread>
#include <memory>
#include <vector>

#include "platform/Text.h"
#include "platform/WindowMessages.h"
#include "protocol/cgi/CgiReplyRecords.h"
#include "protocol/query/Credentials.h"
#include "protocol/query/Messages.h"
#include "protocol/query/Msg.h"
#include "protocol/datagram/NasList.h"
#include "protocol/query/Query.h"
#include "protocol/query/Thread.h"
#include "support/NetNamespace.h"
#include "web/CgiServer.h"

namespace lumora::test {

struct CgiReport {
    unsigned message;
    WPARAM wParam;
    LPARAM lParam;
    std::shared_ptr<CQuery> query;  // redeemed token of a WM_QUERY_RESULT
    std::shared_ptr<HdInfo> disks;  // the record of a WM_HDINFO_RESULT, taken over
};

class CgiRecordingWindow : public MessageTarget {
public:
    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override {
        CgiReport r{message, wParam, lParam, nullptr, nullptr};
        if (message == WM_QUERY_RESULT) r.query = CMsg::Instance().TakeParam(lParam).request;
        if (message == WM_HDINFO_RESULT) r.disks = TakeHdInfo(wParam);
        received.push_back(std::move(r));
        return 0;
    }
    std::vector<CgiReport> received;
    WindowRegistration registration{*this};
    HWND handle() const { return registration.handle(); }
};

class CgiEndToEnd : public ::testing::Test {
protected:
    static constexpr const char* kAddress = "127.0.0.2";

    void SetUp() override {
        // Port 80 of 127.0.0.2 is the test's alone: tests may run in parallel.
        if (!ns.ok()) GTEST_SKIP() << "network namespaces are not available here";
        SetMessageDispatcher(&loop);
        NasList::Instance().Clear();
        NasDevice device;
        CopyToField(device.ip, kAddress);
        NasList::Instance().Append(device);
        SetCredentials("admin", "admin");
    }
    void TearDown() override {
        if (!ns.ok()) return;
        WaitForWorkers(std::chrono::seconds(30));
        loop.RunFor(std::chrono::milliseconds(1));
        SetMessageDispatcher(nullptr);
        if (server) server->Stop();
        NasList::Instance().Clear();
        ClearCredentials();
    }

    // Starts the web side with `state` (the default appliance when not given).
    void StartServer(sim::CgiState state = {}) {
        server = std::make_unique<sim::CgiServer>(kAddress, std::move(state));
        ASSERT_TRUE(server->Start());
    }
    // Pumps the loop until `count` messages arrived at the window.
    bool WaitForMessages(std::size_t count, std::chrono::milliseconds deadline = std::chrono::seconds(30)) {
        return loop.RunUntil([&] { return window.received.size() >= count; }, deadline);
    }
    // The request the web side received last, byte for byte.
    std::string LastRequest() const {
        const std::vector<std::string> all = server->ReceivedRequests();
        return all.empty() ? std::string() : all.back();
    }
    // The exact text the tool must send for `body` to `path`, authorised as admin:admin.
    static std::string Expected(std::string_view path, std::string_view body) {
        return "POST " + std::string(path) + " HTTP/1.0\r\nConnection: close\r\nHost: 127.0.0.2\r\n" +
               "Content-Length: " + std::to_string(body.size()) +
               "\r\nAuthorization: Basic YWRtaW46YWRtaW4=\r\n" +
               "Content-Type: application/x-www-form-urlencoded\r\n\r\n" + std::string(body);
    }

    FreshNetNamespace ns;
    MessageLoop loop;
    CgiRecordingWindow window;
    std::unique_ptr<sim::CgiServer> server;
    int nasIndex = 0;
};

}  // namespace lumora::test
