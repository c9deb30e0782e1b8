// main() of the desktop tests: starts wx (under Xvfb in CI) with an active event loop and
// the wx message dispatcher, then runs every test on this, the UI, thread.

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/init.h>

#include "ui/skin/WxMessageDispatcher.h"

namespace {

// Xvfb resets itself whenever its last client leaves, and a test process that connects
// in that moment finds no display. So wait until a connection succeeds and hold it for
// the life of the process: the server then cannot reset under the test. (The toolkit
// cannot be started a second time after a failed start, hence the wait before it.)
void HoldDisplay() {
    void* xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    if (xlib == nullptr) return;
    using OpenDisplay = void* (*)(const char*);
    auto open = reinterpret_cast<OpenDisplay>(dlsym(xlib, "XOpenDisplay"));
    if (open == nullptr) return;
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (open(nullptr) != nullptr) return;  // deliberately kept open
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

// A failed wx assertion fails the running test instead of opening a dialog nobody closes.
void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_str().data(), line) << "wx assertion " << cond.utf8_str().data() << " in "
                                                 << func.utf8_str().data() << ": " << msg.utf8_str().data();
}

bool StartWx(int argc, char** argv) {
    HoldDisplay();
    wxApp::SetInstance(new wxApp);
    return wxEntryStart(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display.
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    if (!StartWx(argc, argv)) {
        std::fprintf(stderr, "cannot start wx (no display?)\n");
        return 1;
    }
    wxSetAssertHandler(FailOnAssert);
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
