#include "SearchProgress.h"

#include <unistd.h>

#include <cstdio>

namespace lumora::cli {

namespace {

constexpr const char* kSearching = "Searching for appliances\u2026";
// Wide enough to blank the longest line written ("… 9999.9 s").
constexpr int kLineWidth = 40;

}  // namespace

SearchProgress::SearchProgress() : terminal_(isatty(STDERR_FILENO) == 1) { Update(); }

SearchProgress::~SearchProgress() {
    if (!terminal_ || shownTenths_ < 0) return;
    std::fprintf(stderr, "\r%*s\r", kLineWidth, "");
    std::fflush(stderr);
}

void SearchProgress::Update() {
    if (!terminal_) return;
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    const int tenths =
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() / 100);
    if (tenths == shownTenths_) return;
    shownTenths_ = tenths;
    std::fprintf(stderr, "\r%s %d.%d s", kSearching, tenths / 10, tenths % 10);
    std::fflush(stderr);
}

}  // namespace lumora::cli
