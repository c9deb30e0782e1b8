#pragma once
// Slow platform calls made for a window, kept off the UI thread's back.

#include <chrono>
#include <future>
#include <utility>

#include <wx/app.h>
#include <wx/utils.h>

namespace lumora {

// Runs `work` on a thread of its own and serves the UI's events until it has ended, with
// every window disabled and a busy cursor. A mount against a server that never answers
// takes as long as the mount helper's own limit (a minute and more); the windows keep
// painting and their timers keep running meanwhile, and no click can start a second one.
template <class Work>
auto RunBesideTheUi(Work work) -> decltype(work()) {
    wxWindowDisabler disabled;
    wxBusyCursor busy;
    auto result = std::async(std::launch::async, std::move(work));
    while (result.wait_for(std::chrono::milliseconds(15)) != std::future_status::ready)
        if (wxTheApp != nullptr) wxTheApp->Yield(true);
    return result.get();
}

}  // namespace lumora
