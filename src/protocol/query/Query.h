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
#include "protocol/cgi/CgiKind.h"
#include "protocol/cgi/CgiReplyRecords.h"
#include "protocol/datagram/Datagrams.h"
#include "protocol/query/RequestFailure.h"
#include "protocol/query/Thread.h"

namespace lumora {

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
    // Frees what the request holds; does not stop a running thread.
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

    int nasIndex = -1;           // target appliance's position in NasList
    RequestType requestType{};   // set by the command; 0 until then
    CgiKind kind = kKindNone;    // command kind 0 to 18 (kKindNone for the datagram commands)
    HWND targetWnd = kNoWindow;  // receiver of the outcome
    // The thread handle made at start. Windows compare it with the handle the command
    // returned, the way the appliance's tools have always recognised their latest request.
    RequestHandle requestHandle = 0;
    // Redundant with requestType; kept because the worker has always chosen its exchange by it.
    bool useTcp = true;           // CGI exchange; datagram commands clear it
    std::array<char, 16> host{};  // the appliance's address when the request was built
    std::uint16_t port = 0;       // always 80 for CGI; kept with the request as it always was
    // The only filter the discovery has; a field of the request (always the KL-440's tag)
    // because the exchange was built to look for other models too.
    ModelTag modelTag{0, 0, 0};
    std::vector<std::uint8_t> request;     // request text or datagram, sent whole
    std::array<char, 16> targetAddress{};  // the target's ip, for matching login replies
    // The target's macText: a reply changes the appliance's list record only while the
    // record at nasIndex is still that appliance (a discovery in between refills the list).
    std::array<char, 20> targetMac{};
    std::array<char, 17> newPassword{};  // new password of a password change
    int adapterIndex = -1;               // adapter of the target appliance
    std::u16string authorityText;        // filled by the user-access reply
    // The set-address request's new settings (a copy). Nothing reads it once the datagram
    // is built; the request keeps it because the caller's block was always kept with it.
    std::optional<IpConfigBlock> ipConfig;
    // Filled by the volume usage reply: the first volume and a chain of the further ones.
    // The records belong to the request and reach the window with its WM_QUERY_RESULT, so a
    // caller that gave up has nothing a late reply could write into.
    VolumeUsage volumes;
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
