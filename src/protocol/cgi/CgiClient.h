#pragma once
// The CGI exchange of a query: connect, send the built request, receive the
// reply, check its status, hand it to the reply handler, report.

#include "protocol/cgi/CgiPort.h"
#include "protocol/cgi/CgiTimings.h"

namespace lumora {

class CQuery;

// Runs the whole exchange of `query` over a fresh TCP socket and reports its outcome. Worker thread.
void RunCgiExchange(CQuery& query);
// The same through `port` by `timings`. A failure is kept in query.failure and recorded
// under the query's handle (TakeRequestFailure) before the report.
void RunCgiExchange(CQuery& query, CgiPort& port, const CgiTimings& timings = {});

}  // namespace lumora
