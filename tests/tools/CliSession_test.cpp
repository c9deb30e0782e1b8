// lumora-cli's console session: every report reaches the request it belongs to.

#include "Session.h"

#include <gtest/gtest.h>

#include "protocol/cgi/CgiKind.h"
#include "protocol/query/Messages.h"

namespace lumora::cli {
namespace {

TEST(CliSessionTest, ALateReportIsNeverTakenForTheNextRequest) {
    Session session;
    HWND gaveUp = kNoWindow;
    {
        // The first request's answer does not come in time; the command gives up on it.
        RequestWindow first(session);
        gaveUp = first.handle();
        EXPECT_FALSE(session.WaitFor(gaveUp, WM_CGI_RESULT, std::chrono::milliseconds(20)));
    }
    // Its success arrives late, just before the next request's failure.
    PostMessage(gaveUp, WM_CGI_RESULT, 0, kKindLanInfo);
    RequestWindow second(session);
    EXPECT_TRUE(PostMessage(second.handle(), WM_CGI_RESULT, 1, kKindLanInfo));
    const std::optional<Report> report =
        session.WaitFor(second.handle(), WM_CGI_RESULT, std::chrono::seconds(5));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->wParam, 1u);
    // Reports of two requests running at once go each to its own.
    RequestWindow third(session);
    EXPECT_TRUE(PostMessage(third.handle(), WM_CGI_RESULT, 0, kKindWizardInfo));
    EXPECT_TRUE(PostMessage(second.handle(), WM_CGI_RESULT, 1, kKindLanInfo));
    EXPECT_EQ(session.WaitFor(third.handle(), WM_CGI_RESULT, std::chrono::seconds(5))->lParam,
              kKindWizardInfo);
    EXPECT_EQ(session.WaitFor(second.handle(), WM_CGI_RESULT, std::chrono::seconds(5))->lParam, kKindLanInfo);
    EXPECT_FALSE(session.WaitFor(second.handle(), WM_CGI_RESULT, std::chrono::milliseconds(20)));
}

}  // namespace
}  // namespace lumora::cli
