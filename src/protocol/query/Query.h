#pragma once
// CQuery: one request to an appliance, run once on a worker thread of its own.
//
// A command fills a query on the UI thread, builds its request there and
// starts it; the worker runs the exchange (datagrams or CGI) and reports to
// targetWnd by a posted message. Fields written before Start are read by the
// worker; fields the worker writes are read by the UI thread only after the
// report arrived. Queries are held by std::shared_ptr: the worker keeps its
// own alive until Run returns, and a WM_QUERY_RESULT hands it over through CMsg.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/WindowMessages.h"
#include "protocol/datagram/Datagrams.h"
#include "protocol/query/RequestFailure.h"
#include "protocol/query/Thread.h"

namespace lumora {

struct VolumeUsage;  // reply record of the volume usage request
class DatagramSockets;

// What a request exchanges and who reports its outcome.
enum RequestType : int {
    kRequestDiscovery = 1,    // datagrams; engine posts WM_QUERY_RESULT
    kRequestLogin = 2,        // datagrams; WM_QUERY_RESULT when accepted, nothing when refused
    kRequestCgi = 3,          // CGI; the client posts WM_CGI_RESULT
    kRequestSetAddress = 4,   // datagrams; WM_SETIP_RESULT
    kRequestDiskManager = 5,  // CGI; the handler posts a disk or format message
    kRequestVolumeUsage = 6,  // CGI; the handler posts WM_QUERY_RESULT
    kRequestUserAccess = 8,   // CGI; the handler posts WM_QUERY_RESULT
    kRequestShareList = 9,    // CGI; the handler posts WM_QUERY_RESULT
};

// What a command returns: the started request's thread handle, or 0.
using RequestHandle = ThreadHandle;

class CQuery : public CThread {
public:
    // A query whose outcome goes to `target`.
    explicit CQuery(HWND target);
    // Frees the request text and the reply buffer; does not stop a running thread.
    ~CQuery() override;

    // Runs the request once: the CGI exchange when useTcp is set, otherwise the
    // datagram exchange chosen by the datagram's type byte. Worker thread.
    void Run() override;

    // This query as a shared pointer (for handing it to CMsg); null when not shared-owned.
    std::shared_ptr<CQuery> Shared();
    // Puts this query into CMsg and posts WM_QUERY_RESULT to targetWnd. Worker thread.
    void PostQueryResult();
    // Marks the worker's work done (clears the thread handle) before the report.
    void FinishWork() { ClearThreadHandle(); }

    int nasIndex = -1;               // target appliance's position in NasList
    int requestType = 0;             // RequestType, 1 to 9
    int kind = 0;                    // command kind 0 to 18
    HWND targetWnd = kNoWindow;      // receiver of the outcome
    RequestHandle requestHandle = 0; // copy of the thread handle made at start
    bool useTcp = true;              // CGI exchange; datagram commands clear it
    std::array<char, 16> host{};     // appliance address for the CGI client
    std::uint16_t port = 0;          // 80 for CGI requests
    ModelTag modelTag{0, 0, 0};      // discovery filter
    int socket = -1;                 // TCP socket of a CGI exchange
    std::vector<std::uint8_t> request;   // request text or datagram
    std::vector<char> replyBuffer;       // reply buffer, made on first use
    int requestLength = 0;               // bytes to send
    int replyCapacity = 0;               // 4096 once the buffer exists
    std::array<char, 16> targetAddress{};  // the target's ip, for matching login replies
    std::array<char, 17> newPassword{};    // new password of a password change
    int adapterIndex = -1;           // adapter of the target appliance
    std::u16string authorityText;    // filled by the user-access reply
    std::optional<IpConfigBlock> ipConfig;  // the set-address request's new settings (a copy)
    VolumeUsage* volumeList = nullptr;      // the caller's first VolumeUsage record (not owned)
    // Sockets of a datagram exchange: opened when the request is built, closed by the worker.
    std::unique_ptr<DatagramSockets> datagramSockets;
    // Why a CGI exchange failed (None while it runs or when it did not), written by the
    // worker before it reports; the result codes of the reports stay as they are.
    RequestFailure failure = RequestFailure::None;

private:
    void RunDatagramExchange();
};

// Creates the query for a command (shared-owned, as Start expects).
std::shared_ptr<CQuery> MakeQuery(HWND target);
// Starts the query's worker; returns its handle (also stored as requestHandle) or 0.
RequestHandle StartQuery(const std::shared_ptr<CQuery>& query);

}  // namespace lumora
