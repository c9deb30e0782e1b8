#include "NasArgument.h"

#include <cstdio>

namespace lumora::cli {

int FindAppliance(Session& session, const std::string& nas) {
    if (!session.Discover()) {
        std::fprintf(stderr, "lumora-cli: the discovery could not run\n");
        return -1;
    }
    const int index = session.Resolve(nas);
    if (index < 0) std::fprintf(stderr, "lumora-cli: no appliance %s answered\n", nas.c_str());
    return index;
}

std::string ReportWorkerMessages(const Session& session) {
    std::string last;
    for (const std::string& message : session.Messages()) {
        std::fprintf(stderr, "lumora-cli: %s\n", message.c_str());
        last = message;
    }
    return last;
}

}  // namespace lumora::cli
