#include "protocol/datagram/AdapterTable.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>
#include <cstring>

#include "platform/Text.h"

namespace lumora {
namespace {

std::string Dotted(const sockaddr* address) {
    char text[INET_ADDRSTRLEN] = {};
    if (address != nullptr && address->sa_family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
    return text[0] ? text : "0.0.0.0";
}

}  // namespace

AdapterTable& AdapterTable::Instance() {
    static AdapterTable instance;
    return instance;
}

void AdapterTable::Clear() {
    count = 0;
    for (auto& a : address) a.fill(0);
    for (auto& m : netmask) m.fill(0);
    for (auto& n : interfaceName) n.clear();
}

bool AdapterTable::Add(std::string_view name, std::string_view addressText, std::string_view netmaskText) {
    if (count >= kCapacity) return false;
    const auto i = static_cast<std::size_t>(count);
    CopyToField(address[i], addressText);
    CopyToField(netmask[i], netmaskText);
    interfaceName[i] = std::string(name);
    ++count;
    return true;
}

void AdapterTable::Enumerate() {
    Clear();
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return;
    Fill(list);
    freeifaddrs(list);
}

void AdapterTable::Fill(const ifaddrs* list) {
    Clear();
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) continue;
        if ((entry->ifa_flags & IFF_UP) == 0 || (entry->ifa_flags & IFF_LOOPBACK) != 0) continue;
        // An adapter without a carrier (cable out, no Wi-Fi network, a bridge with no port up)
        // cannot bring a reply; leaving it out keeps it from taking a place in the table.
        if ((entry->ifa_flags & IFF_RUNNING) == 0) continue;
        // Only the first address of each adapter, like the adapter list of other systems. An
        // address label ("eth0:1") is not an adapter: the adapter's name comes before the colon.
        std::string_view name = entry->ifa_name;
        name = name.substr(0, name.find(':'));
        const auto taken = interfaceName.begin() + count;
        if (std::find(interfaceName.begin(), taken, name) != taken) continue;
        if (!Add(name, Dotted(entry->ifa_addr), Dotted(entry->ifa_netmask))) break;
    }
}

}  // namespace lumora
