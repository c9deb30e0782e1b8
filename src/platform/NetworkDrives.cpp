#include "platform/NetworkDrives.h"

namespace lumora {
namespace {

// Stands in until the mounting provider is installed: only the system disk, and
// every connection fails.
class NoNetworkDrives final : public NetworkDriveProvider {
public:
    std::u16string GetConnection(const std::u16string&) override { return {}; }
    DriveResult AddConnection(const DriveConnectRequest&) override { return {false, "no network-drive provider"}; }
    DriveResult CancelConnection(const std::u16string&, bool, bool) override {
        return {false, "no network-drive provider"};
    }
    std::vector<std::u16string> LogicalDrives() override { return {u"C:\\"}; }
};

NoNetworkDrives g_noDrives;
NetworkDriveProvider* g_provider = nullptr;

}  // namespace

void SetNetworkDriveProvider(NetworkDriveProvider* provider) { g_provider = provider; }

NetworkDriveProvider& NetworkDrives() { return g_provider ? *g_provider : g_noDrives; }

}  // namespace lumora
