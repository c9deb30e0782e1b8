#include "protocol/cgi/CgiClient.h"

#include <string_view>

#include "platform/Text.h"
#include "protocol/cgi/CgiHandlers.h"
#include "protocol/cgi/CgiRequestText.h"
#include "protocol/cgi/CgiSocketPort.h"
#include "protocol/cgi/CgiTransport.h"
#include "protocol/query/Messages.h"
#include "protocol/query/Query.h"

namespace lumora {

void RunCgiExchange(CQuery& query) {
    CgiSocketPort port;
    RunCgiExchange(query, port);
}

void RunCgiExchange(CQuery& query, CgiPort& port, const CgiTimings& timings) {
    const std::string_view request(reinterpret_cast<const char*>(query.request.data()), query.request.size());
    const std::string_view host = FieldText(query.host);
    CgiExchangeResult exchange = ExchangeCgiRequest(
        port, host, query.port, request, [&query] { return query.stopFlag(); }, timings);
    int result = 1;
    RequestFailure failure = exchange.failure;
    if (exchange.reply && CgiStatusOk(*exchange.reply)) {
        result = HandleCgiReply(query, *exchange.reply);
        // Only a type-3 result says yes or no; the other handlers report by their own messages.
        if (result != 0 && query.requestType == kRequestCgi) failure = RequestFailure::Rejected;
    } else if (failure == RequestFailure::None) {
        failure = RequestFailure::BadStatus;
    }
    if (failure != RequestFailure::None && query.stopFlag()) failure = RequestFailure::Stopped;
    query.failure = failure;
    if (failure != RequestFailure::None) RecordRequestFailure(query.startedHandle(), failure, host);
    query.FinishWork();
    if (query.requestType == kRequestCgi)
        PostMessage(query.targetWnd, WM_CGI_RESULT, static_cast<WPARAM>(result), query.kind);
}

}  // namespace lumora
