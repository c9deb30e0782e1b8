#include "protocol/cgi/CgiReplyRecords.h"

namespace lumora {

Guarded<WizardInfo> g_wizardInfo;
Guarded<std::vector<ShareEntry>> g_shareList;

WPARAM ReleaseHdInfo(std::unique_ptr<HdInfo> info) { return reinterpret_cast<WPARAM>(info.release()); }

std::unique_ptr<HdInfo> TakeHdInfo(WPARAM wParam) {
    return std::unique_ptr<HdInfo>(reinterpret_cast<HdInfo*>(wParam));
}

}  // namespace lumora
