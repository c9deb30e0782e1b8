#include "protocol/CgiClient.h"

#include "protocol/Messages.h"
#include "protocol/Query.h"

namespace lumora {

// Until the HTTP client exists every CGI request fails as a failed transport would.
void RunCgiExchange(CQuery& query) {
    query.FinishWork();
    if (query.requestType == kRequestCgi) PostMessage(query.targetWnd, WM_CGI_RESULT, 1, query.kind);
}

}  // namespace lumora
