#pragma once
// The XML documents (and the one HTML page) the simulated appliance answers with.

#include <string>
#include <string_view>

#include "web/CgiState.h"
#include "web/FormatJob.h"

namespace lumora::sim {

// Escapes "&", "<", ">" and quotes for element text.
std::string XmlEscape(std::string_view text);

std::string ResXml(int res);
std::string PasswordStatusXml(bool accepted);
std::string WizardXml(const CgiState& state);
std::string LanXml(const CgiState& state);
std::string SharesXml(const CgiState& state, bool withUsb);
std::string UserAccessXml(const CgiState& state, const std::string& user);
std::string DiskInfoXml(const CgiState& state);
std::string FormatStateXml(const FormatJob::Progress& progress);
std::string VolumeInfoXml(const CgiState& state);
// The page the web centres open: which centre, user and password were asked for.
std::string RedirectPage(std::string_view query);

// A full HTTP/1.0 reply around `body`.
std::string HttpReply(std::string_view statusLine, std::string_view contentType, std::string_view body);

}  // namespace lumora::sim
