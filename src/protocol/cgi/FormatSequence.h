#pragma once
// Drives the disk manager through a whole format, as the format dialog does:
// stop the file browser, create the volumes, read the progress once a second,
// remount, check the remount and finish. For programs without the dialog (the
// CLI) and for tests; runs on the thread of the message loop that delivers its
// messages.

#include <functional>
#include <string>
#include <thread>

#include "platform/WindowMessages.h"
#include "protocol/cgi/CgiRecords.h"

namespace lumora {

class FormatSequence : public MessageTarget {
public:
    // What happened, for the caller to show: a step's name with its outcome, or progress.
    struct Event {
        enum Kind { Progress, Step, Failed, Done } kind;
        int percent = 0;   // Progress
        std::string text;  // Step, Failed: what the dialog would say
    };
    using Listener = std::function<void(const Event&)>;

    // `volumes` must outlive the sequence.
    FormatSequence(int nasIndex, const VolumeSpec& volumes, Listener listener);
    ~FormatSequence() override;

    // Starts the first step; false when it could not be started.
    bool Start();
    // True once the sequence completed or a step failed.
    bool finished() const { return finished_; }
    // True when the last step reported success.
    bool succeeded() const { return succeeded_; }
    // True when the progress reported a format error (the remount still follows).
    bool formatError() const { return formatError_; }

    // Takes the steps' reports and starts the next step (UI thread of the loop).
    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

private:
    void Fail(const std::string& text);
    void StartTicks();
    void StopTicks();
    void StartRemount();

    int nasIndex_;
    const VolumeSpec& volumes_;
    Listener listener_;
    WindowRegistration window_{*this};
    std::jthread ticker_;
    bool polling_ = false;
    bool finished_ = false;
    bool succeeded_ = false;
    bool formatError_ = false;
};

}  // namespace lumora
