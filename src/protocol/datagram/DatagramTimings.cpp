#include "protocol/datagram/DatagramTimings.h"

namespace lumora {
namespace {

DatagramWaits& waits() {
    static DatagramWaits instance;
    return instance;
}

}  // namespace

const DatagramWaits& CurrentDatagramWaits() { return waits(); }

void SetDatagramWaitsForTest(const DatagramWaits& replacement) { waits() = replacement; }

}  // namespace lumora
