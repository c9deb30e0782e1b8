#pragma once
// The appliance's disk manager while it rebuilds the volumes: the file browser is
// stopped, the volumes are created from the received description, formatting
// advances with time, the disks are remounted and checked, and finishing puts the
// new layout in place. Steps out of order are refused, as the appliance does.

#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

#include "web/CgiState.h"

namespace lumora::sim {

using SimClock = std::chrono::steady_clock;

// Parses an f_create_volume_info text (15 values per volume, each percent-encoded,
// joined by commas) against the appliance's disks; nullopt when it is not valid.
std::optional<std::vector<SimVolume>> ParseVolumeDescription(std::string_view raw,
                                                             const std::vector<SimDisk>& disks,
                                                             bool decode = true);

class FormatJob {
public:
    enum class Phase { Idle, BrowserStopped, Formatting, Remounted, Finished };

    struct Progress {
        bool finished = false;
        bool error = false;
        int percent = 0;
    };

    // cgi_AJAXPlorer_Stop: always accepted.
    void StopFileBrowser();
    // cgi_FMT_Create_DiskMGR: starts formatting; false unless the browser was stopped
    // and the description is valid.
    bool Create(std::string_view rawDescription, const CgiState& state, SimClock::time_point now);
    // dm_read_state.xml: the progress at `now`.
    Progress Read(SimClock::time_point now, bool failing) const;
    // cgi_Disk_Remount: accepted once formatting has finished or failed.
    bool Remount(SimClock::time_point now, bool failing);
    // cgi_Check_Disk_Remount_State: true after a remount.
    bool RemountDone() const;
    // cgi_FMT_Disk_Finish: puts the new volumes into `state`; true after a remount.
    bool Finish(CgiState& state);

    Phase phase() const { return phase_; }

private:
    Phase phase_ = Phase::Idle;
    std::vector<SimVolume> planned_;
    SimClock::time_point started_{};
    SimClock::duration length_{};
};

}  // namespace lumora::sim
