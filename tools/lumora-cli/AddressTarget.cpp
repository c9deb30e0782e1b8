#include "AddressTarget.h"

#include "platform/Text.h"
#include "protocol/cgi/CgiForms.h"
#include "protocol/cgi/CgiKind.h"
#include "protocol/cgi/CgiRequestText.h"
#include "protocol/cgi/CgiTransport.h"
#include "protocol/datagram/NasList.h"
#include "protocol/query/Credentials.h"

namespace lumora::cli {

namespace {

constexpr std::uint16_t kHttpPort = 80;

// The status code of an HTTP reply ("HTTP/1.0 401 Unauthorized" gives "401").
std::string_view StatusCode(std::string_view reply) {
    const std::size_t start = reply.find(' ');
    if (reply.substr(0, 5) != "HTTP/" || start == std::string_view::npos) return {};
    const std::size_t end = reply.find_first_of(" \r\n", start + 1);
    return reply.substr(start + 1, end == std::string_view::npos ? std::string_view::npos : end - start - 1);
}

}  // namespace

std::string AddressOptionProblem(const std::string& value) {
    if (IsDottedIpv4(value)) return {};
    return std::string(kAddressOption) + " takes a dotted IPv4 address such as 192.0.2.20, not \"" + value +
           "\"";
}

int ListAddressedAppliance(const std::string& address) {
    // No MAC address is known; the name shown is the address the user gave.
    NasDevice device;
    CopyToField(device.name, address);
    CopyToField(device.ip, address);
    NasList& list = NasList::Instance();
    list.Clear();
    list.Append(device);
    return 0;
}

std::string CheckPasswordOverHttp(const std::string& address) {
    const std::optional<std::string> request =
        BuildCgiRequestText(kKindWizardInfo, address, kWizardInfoForm, CredentialText(g_password));
    if (!request) return "the request to " + address + " could not be built";
    const CgiExchangeResult result = ExchangeCgiRequest(address, kHttpPort, *request, [] { return false; });
    if (!result.reply) return DescribeRequestFailure(result.failure, address);
    if (CgiStatusOk(*result.reply)) return {};
    if (StatusCode(*result.reply) == "401")
        return address + " refused the password (wrong user name or password)";
    return DescribeRequestFailure(RequestFailure::BadStatus, address);
}

}  // namespace lumora::cli
