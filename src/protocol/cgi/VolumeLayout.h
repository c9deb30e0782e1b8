#pragma once
// Turning a disk answer and a layout into the volumes to create, as the volume
// page does: sizes leave the appliance's reserve (3 GiB per volume, 6 across two
// disks), and two disks of different sizes give a second, linear volume from the rest.

#include <memory>
#include <string_view>

#include "protocol/cgi/CgiRecords.h"
#include "protocol/cgi/CgiReplyRecords.h"

namespace lumora {

// The chain for "standard", "linear", "raid0" or "raid1" on the disks; null when the
// layout is unknown, needs two disks and there is one, there are no disks, or the
// joined disk names do not fit their 10-byte field.
std::unique_ptr<VolumeSpec> BuildVolumeChain(const HdInfo& disks, std::string_view layout);

}  // namespace lumora
