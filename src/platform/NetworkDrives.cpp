#include "platform/NetworkDrives.h"

#include "platform/LinuxNetworkDrives.h"

namespace lumora {
namespace {

NetworkDriveProvider* g_provider = nullptr;

NetworkDriveProvider& BuiltIn() {
    static LinuxNetworkDrives provider;
    return provider;
}

}  // namespace

void SetNetworkDriveProvider(NetworkDriveProvider* provider) { g_provider = provider; }

NetworkDriveProvider& NetworkDrives() { return g_provider ? *g_provider : BuiltIn(); }

}  // namespace lumora
