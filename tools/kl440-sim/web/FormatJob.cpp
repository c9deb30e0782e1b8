#include "web/FormatJob.h"

#include <algorithm>

#include "protocol/cgi/CgiForms.h"
#include "web/SimText.h"

namespace lumora::sim {

namespace {

std::vector<std::string> SplitDecoded(std::string_view raw, bool decode) {
    std::vector<std::string> values;
    while (true) {
        const std::size_t comma = raw.find(',');
        const std::string_view item = raw.substr(0, comma);
        values.push_back(decode ? PercentDecode(item) : std::string(item));
        if (comma == std::string_view::npos) break;
        raw.remove_prefix(comma + 1);
    }
    return values;
}

// Volume numbers and sizes: plain non-negative decimals.
bool ToNumber(const std::string& text, int& out) {
    return text.find('-') == std::string::npos && ParseInt(text, out);
}

// "sdasdb" is the names of the disks one after another.
bool DevicesKnown(std::string_view devices, const std::vector<SimDisk>& disks) {
    while (!devices.empty()) {
        const auto match = std::find_if(disks.begin(), disks.end(), [&](const SimDisk& d) {
            return !d.name.empty() && devices.substr(0, d.name.size()) == d.name;
        });
        if (match == disks.end()) return false;
        devices.remove_prefix(match->name.size());
    }
    return true;
}

int CapacityOf(std::string_view devices, const std::vector<SimDisk>& disks) {
    int total = 0;
    for (const SimDisk& d : disks)
        if (devices.find(d.name) != std::string_view::npos) total += d.sizeGiB;
    return total;
}

}  // namespace

std::optional<std::vector<SimVolume>> ParseVolumeDescription(std::string_view raw,
                                                             const std::vector<SimDisk>& disks, bool decode) {
    static const std::vector<std::string> kLevels{"standard", "linear", "raid0", "raid1"};
    const std::vector<std::string> v = SplitDecoded(raw, decode);
    if (v.size() != 15 && v.size() != 30) return std::nullopt;
    std::vector<SimVolume> volumes;
    for (std::size_t at = 0; at < v.size(); at += 15) {
        SimVolume volume;
        int again = 0;
        if (!ToNumber(v[at], volume.number) || (volume.number != 1 && volume.number != 2))
            return std::nullopt;
        if (std::find(kLevels.begin(), kLevels.end(), v[at + 1]) == kLevels.end()) return std::nullopt;
        if (v[at + 2] != "ext4") return std::nullopt;
        if (!ToNumber(v[at + 3], volume.sizeGiB) || volume.sizeGiB <= 0) return std::nullopt;
        if (!ToNumber(v[at + 8], again) || again != volume.sizeGiB) return std::nullopt;
        if (v[at + 4].empty() || !DevicesKnown(v[at + 4], disks)) return std::nullopt;
        if (volume.sizeGiB > CapacityOf(v[at + 4], disks)) return std::nullopt;
        if (v[at + 5] != "none" || v[at + 10] != "none" || v[at + 14] != "null") return std::nullopt;
        volume.raidLevel = v[at + 1];
        volume.devices = v[at + 4];
        volumes.push_back(volume);
    }
    return volumes;
}

void FormatJob::StopFileBrowser() {
    if (phase_ == Phase::Idle || phase_ == Phase::Finished) phase_ = Phase::BrowserStopped;
}

bool FormatJob::Create(std::string_view rawDescription, const CgiState& state, SimClock::time_point now) {
    if (phase_ != Phase::BrowserStopped) return false;
    std::optional<std::vector<SimVolume>> volumes =
        ParseVolumeDescription(rawDescription, state.disks, !state.faults.noDecode);
    if (!volumes) return false;
    planned_ = std::move(*volumes);
    started_ = now;
    length_ =
        std::chrono::duration_cast<SimClock::duration>(std::chrono::duration<double>(state.formatSeconds));
    phase_ = Phase::Formatting;
    return true;
}

FormatJob::Progress FormatJob::Read(SimClock::time_point now, bool failing) const {
    Progress p;
    p.error = failing;
    switch (phase_) {
        case Phase::Idle:
        case Phase::BrowserStopped: return p;
        case Phase::Formatting: {
            const auto elapsed = now - started_;
            if (length_.count() <= 0 || elapsed >= length_) {
                p.finished = true;
                p.percent = 100;
            } else {
                p.percent = static_cast<int>(100 * elapsed / length_);
            }
            return p;
        }
        case Phase::Remounted:
        case Phase::Finished:
            p.finished = true;
            p.percent = 100;
            return p;
    }
    return p;
}

bool FormatJob::Remount(SimClock::time_point now, bool failing) {
    if (phase_ != Phase::Formatting || !(failing || Read(now, false).finished)) return false;
    phase_ = Phase::Remounted;
    return true;
}

bool FormatJob::RemountDone() const { return phase_ == Phase::Remounted; }

bool FormatJob::Finish(CgiState& state) {
    if (phase_ != Phase::Remounted) return false;
    state.volumes = planned_;
    phase_ = Phase::Finished;
    return true;
}

}  // namespace lumora::sim
