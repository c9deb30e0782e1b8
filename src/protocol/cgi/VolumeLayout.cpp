#include "protocol/cgi/VolumeLayout.h"

#include <algorithm>
#include <string>

#include "platform/Text.h"

namespace lumora {

namespace {

std::unique_ptr<VolumeSpec> Volume(int number, std::string_view level, int size, std::string_view devices,
                                   int extra, int matched, int autoSync) {
    auto v = std::make_unique<VolumeSpec>();
    v->autoSync = autoSync;
    v->volumeNumber = number;
    CopyToField(v->raidLevel, level);
    CopyToField(v->fileSystem, "ext4");
    v->sizeGiB = size;
    CopyToField(v->devices, devices);
    v->extraFlag = extra;
    v->matchedSizes = matched;
    return v;
}

}  // namespace

std::unique_ptr<VolumeSpec> BuildVolumeChain(const HdInfo& disks, std::string_view layout) {
    if (layout != "standard" && layout != "linear" && layout != "raid0" && layout != "raid1") return nullptr;
    const std::string nameA(FieldText(disks.disk1Name)), nameB(FieldText(disks.disk2Name));
    const int a = disks.disk1SizeGiB, b = disks.disk2SizeGiB;
    // One disk allows only the stand-alone layout.
    if (disks.diskCount == 1)
        return layout == "standard" ? Volume(1, layout, a - 3, nameA, 0, 1, 0) : nullptr;
    if (disks.diskCount != 2) return nullptr;
    const std::string both = nameA + nameB;
    // The joined names go into a 10-byte field: refuse rather than send a cut name.
    if (layout != "standard" && both.size() > sizeof(VolumeSpec::devices) - 1) return nullptr;
    const int equal = a == b ? 1 : 0;
    const int smaller = std::min(a, b), larger = std::max(a, b);
    if (layout == "standard") {
        auto first = Volume(1, "standard", a, nameA, 0, equal, 0);
        first->next = Volume(2, "standard", b, nameB, 0, equal, 0);
        return first;
    }
    if (layout == "linear") return Volume(1, "linear", a + b - 6, both, 0, equal, 0);
    const int sync = layout == "raid1" ? 1 : 0;
    auto first = layout == "raid0" ? Volume(1, "raid0", 2 * smaller - 6, both, 0, equal, sync)
                                   : Volume(1, "raid1", smaller - 3, both, 0, equal, sync);
    if (!equal) first->next = Volume(2, "linear", larger - smaller - 6, both, 1, 0, sync);
    return first;
}

}  // namespace lumora
