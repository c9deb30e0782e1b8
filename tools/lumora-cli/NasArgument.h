#pragma once
// Finding the appliance a command names.

#include <string>

#include "Session.h"

namespace lumora::cli {

// Discovers and resolves NAS (list index, name or MAC); prints the error and returns -1 when
// there is no such appliance.
int FindAppliance(Session& session, const std::string& nas);

// Prints the messages the workers showed to stderr; returns the last one (empty if none).
std::string ReportWorkerMessages(const Session& session);

}  // namespace lumora::cli
