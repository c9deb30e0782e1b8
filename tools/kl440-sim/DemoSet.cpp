#include "DemoSet.h"

namespace lumora::sim {

std::string_view DemoConfig() {
    // Documentation addresses only (192.0.2.0/24, 198.51.100.0/24), so the set can
    // never be mistaken for a real network. The PC side of nas0 is 192.0.2.1/24.
    return R"(# kl440-sim demo set (kl440-sim --print-config writes this out).
# Three appliances on one link, nas0; the PC's side of the link is 192.0.2.1/24.

# On the PC's subnet, in use: two disks, two volumes, shares, an administrator
# and a user whose authority text allows the download and backup centres.
[appliance]
name = KL440-Office
mac = 02:4c:55:00:00:01
interface = nas0
ip = 192.0.2.20
netmask = 255.255.255.0
gateway = 192.0.2.1
dhcp = 0
account = admin:admin
account = alice:wonderland
web.name = KL440-Office
web.workgroup = WORKGROUP
web.description = Office storage
web.timezone = 33
web.dns1 = 192.0.2.1
web.disks = sda:2000,sdb:1000
web.volumes = 1:standard:sda:1863:712,2:standard:sdb:931:88
web.shares = Public,Photos,Music,Backup
web.usb_shares = USB_Stick
web.access.alice = 1,1,1,1,0,1,1,1,0,1,0
web.format_seconds = 6

# On the PC's subnet, new: one empty disk and no volumes, for the setup wizard.
[appliance]
name = KL440-New
mac = 02:4c:55:00:00:02
interface = nas0
ip = 192.0.2.21
netmask = 255.255.255.0
gateway = 192.0.2.1
dhcp = 1
account = admin:admin
web.name = KL440-New
web.disks = sda:1000
web.volumes =
web.shares = Public

# On another subnet: discovery finds it, a login offers to move it.
[appliance]
name = KL440-Attic
mac = 02:4c:55:00:00:03
interface = nas0
ip = 198.51.100.30
netmask = 255.255.255.0
gateway = 198.51.100.1
dhcp = 0
account = admin:admin
dhcp_ip = 192.0.2.30
dhcp_netmask = 255.255.255.0
dhcp_gateway = 192.0.2.1
web.name = KL440-Attic
web.disks = sda:4000,sdb:4000
web.volumes = 1:raid1:sdasdb:3726:1024
web.shares = Public,Archive
)";
}

}  // namespace lumora::sim
