// main() of the desktop tests: starts wx (under Xvfb in CI) with an active event loop and
// the wx message dispatcher, then runs every test on this, the UI, thread.

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/init.h>

#include "ui/skin/WxMessageDispatcher.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "cannot start wx (no display?)\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    wxInitAllImageHandlers();
    int result = 0;
    {
        wxGUIEventLoop loop;
        wxEventLoopActivator active(&loop);
        lumora::WxMessageDispatcher dispatcher;
        lumora::SetMessageDispatcher(&dispatcher);
        result = RUN_ALL_TESTS();
        lumora::SetMessageDispatcher(nullptr);
    }
    wxEntryCleanup();
    return result;
}
