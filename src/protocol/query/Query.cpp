#include "protocol/query/Query.h"

#include <algorithm>

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "platform/Text.h"
#include "protocol/datagram/AdapterTable.h"
#include "protocol/cgi/CgiClient.h"
#include "protocol/datagram/DatagramExchange.h"
#include "protocol/datagram/DatagramSockets.h"
#include "protocol/datagram/LoginRefusal.h"
#include "protocol/query/Messages.h"
#include "protocol/query/Msg.h"
#include "protocol/datagram/NasList.h"

namespace lumora {

CQuery::CQuery(HWND target) : targetWnd(target) {}

CQuery::~CQuery() = default;

std::shared_ptr<CQuery> CQuery::Shared() { return std::static_pointer_cast<CQuery>(weak_from_this().lock()); }

void CQuery::PostQueryResult() {
    const std::uint64_t token = CMsg::Instance().Put(Shared());
    // A window that is gone would never redeem the token; take it back rather than keep
    // the request for the life of the process.
    if (!PostMessage(targetWnd, WM_QUERY_RESULT, 0, TokenParam(token)))
        CMsg::Instance().Take(static_cast<std::uint32_t>(token), static_cast<std::uint32_t>(token >> 32));
}

void CQuery::Run() {
    if (useTcp) {
        RunCgiExchange(*this);
        ClearThreadHandle();
        return;
    }
    RunDatagramExchange();
}

void CQuery::RunDatagramExchange() {
    RequestId id{};
    if (request.size() < 1 + id.size() || !datagramSockets) {
        datagramSockets.reset();
        return;
    }
    DatagramSockets& sockets = *datagramSockets;
    // Replies are matched against the id this request was sent with, not the process-wide
    // one, which a discovery started meanwhile on the UI thread replaces.
    std::copy_n(request.begin() + 1, id.size(), id.begin());
    // Sockets are closed before the report, so a window that starts the next exchange
    // as soon as the report arrives finds them free.
    switch (request[0]) {
        case kDiscoveryRequest:
            RunDiscoveryExchange(sockets, AdapterTable::Instance(), request, id, modelTag,
                                 NasList::Instance());
            datagramSockets.reset();
            ClearThreadHandle();
            PostQueryResult();
            break;
        case kLoginRequest: {
            const std::int8_t result =
                RunLoginExchange(sockets, adapterIndex, request, id, FieldText(targetAddress),
                                 [] { MessageBox(Tr(u"result_sendto failed.")); });
            datagramSockets.reset();
            if (result != 0)
                PostQueryResult();
            else
                RefuseLogin(targetWnd);
            break;
        }
        case kSetAddressRequest: {
            const bool acknowledged = RunSetAddressExchange(sockets, adapterIndex, request, id);
            datagramSockets.reset();
            PostMessage(targetWnd, WM_SETIP_RESULT, acknowledged ? 0 : 1, kRequestSetAddress);
            break;
        }
        default: datagramSockets.reset(); break;
    }
}

std::shared_ptr<CQuery> MakeQuery(HWND target) { return std::make_shared<CQuery>(target); }

RequestHandle StartQuery(const std::shared_ptr<CQuery>& query) {
    if (!query || !query->Start()) return 0;
    query->requestHandle = query->startedHandle();
    return query->requestHandle;
}

}  // namespace lumora
