#pragma once
// "Searching for appliances… 1.2 s" on a terminal while a discovery runs, so a person
// waiting sees that something happens; scripts (stderr no terminal) see nothing of it.

#include <chrono>

namespace lumora::cli {

class SearchProgress {
public:
    // Shows the line at once when stderr is a terminal.
    SearchProgress();
    // Clears the line, leaving the terminal as it was before.
    ~SearchProgress();
    SearchProgress(const SearchProgress&) = delete;
    SearchProgress& operator=(const SearchProgress&) = delete;
    // Rewrites the line with the time searched so far (only when the tenth of a second changed).
    void Update();

private:
    bool terminal_ = false;
    int shownTenths_ = -1;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace lumora::cli
