#include "protocol/cgi/CgiClient.h"

#include <string_view>

#include "protocol/cgi/CgiHandlers.h"
#include "protocol/cgi/CgiRequestText.h"
#include "protocol/cgi/CgiTransport.h"
#include "protocol/query/Messages.h"
#include "protocol/query/Query.h"
#include "platform/Text.h"

namespace lumora {

void RunCgiExchange(CQuery& query) {
    const std::string_view request(reinterpret_cast<const char*>(query.request.data()), query.request.size());
    const std::optional<std::string> reply =
        ExchangeCgiRequest(FieldText(query.host), query.port, request, [&query] { return query.stopFlag(); });
    int result = 1;
    if (reply && CgiStatusOk(*reply)) {
        result = HandleCgiReply(query, *reply);
    }
    query.FinishWork();
    if (query.requestType == kRequestCgi)
        PostMessage(query.targetWnd, WM_CGI_RESULT, static_cast<WPARAM>(result), query.kind);
}

}  // namespace lumora
