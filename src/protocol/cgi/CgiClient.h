#pragma once
// The CGI exchange of a query: connect, send the built request, receive the
// reply, check its status, hand it to the reply handler, report.

namespace lumora {

class CQuery;

// Runs the whole exchange of `query` and reports its outcome. Worker thread.
void RunCgiExchange(CQuery& query);

}  // namespace lumora
