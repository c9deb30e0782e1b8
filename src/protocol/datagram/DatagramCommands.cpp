#include "protocol/datagram/DatagramCommands.h"

#include <ctime>

#include "platform/Text.h"
#include "protocol/datagram/AdapterTable.h"
#include "protocol/query/Credentials.h"
#include "protocol/datagram/DatagramSockets.h"
#include "protocol/datagram/NasList.h"

namespace lumora {
namespace {

// Turns a query into a datagram exchange with the sockets of the current adapters.
void PrepareDatagram(CQuery& query, Bytes datagram) {
    query.useTcp = false;
    query.request = std::move(datagram);
    query.datagramSockets = std::make_unique<DatagramSockets>(AdapterTable::Instance());
}

// Fills the target's fields of a login or set-address query; nothing when nasIndex is not listed.
std::optional<NasDevice> TakeTarget(CQuery& query, int nasIndex) {
    std::optional<NasDevice> device = NasList::Instance().At(nasIndex);
    if (!device) return std::nullopt;
    query.nasIndex = nasIndex;
    query.adapterIndex = device->adapterIndex;
    CopyToField(query.targetAddress, FieldText(device->ip));
    query.targetMac = device->macText;
    return device;
}

}  // namespace

RequestHandle StartDiscovery(HWND target) {
    auto query = MakeQuery(target);
    query->requestType = kRequestDiscovery;
    query->modelTag = kKl440ModelTag;
    NasList::Instance().Clear();
    AdapterTable::Instance().Enumerate();
    CurrentRequestId() = MakeRequestId(std::time(nullptr));
    PrepareDatagram(*query, BuildDiscoveryRequest(CurrentRequestId()));
    return StartQuery(query);
}

RequestHandle StartLogin(HWND target, int nasIndex, std::u16string_view userName,
                         std::u16string_view password) {
    // A substituted character would check (and later authorise with) another credential.
    if (!CredentialProblem(userName).empty() || !CredentialProblem(password).empty()) return 0;
    auto query = MakeQuery(target);
    query->requestType = kRequestLogin;
    ClearCredentials();
    SetCredentials(WideToAnsi(userName), WideToAnsi(password));
    const std::optional<NasDevice> device = TakeTarget(*query, nasIndex);
    if (!device) return 0;
    PrepareDatagram(*query, BuildLoginRequest(CurrentRequestId(), device->hwTag, CredentialText(g_userName),
                                              CredentialText(g_password)));
    return StartQuery(query);
}

RequestHandle StartSetAddress(HWND target, int nasIndex, const IpConfigBlock& block) {
    auto query = MakeQuery(target);
    query->requestType = kRequestSetAddress;
    query->ipConfig = block;
    const std::optional<NasDevice> device = TakeTarget(*query, nasIndex);
    if (!device) return 0;
    PrepareDatagram(*query, BuildSetAddressRequest(CurrentRequestId(), device->hwTag, block));
    return StartQuery(query);
}

}  // namespace lumora
