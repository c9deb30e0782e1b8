#pragma once
// The reply handlers: chosen by the request's type and kind, they read the reply,
// store what it holds and, for the types other than 3, post the requesting
// window's message themselves. Called on the query's worker thread.

#include <string_view>

namespace lumora {

class CQuery;

// Handles one reply that passed the status check and returns the handler's result
// (for request type 3 the wParam of WM_CGI_RESULT: 0 success).
int HandleCgiReply(CQuery& query, std::string_view reply);

}  // namespace lumora
