#pragma once
// The services the simulator runs for its appliances.
//
// Each service is started once for the whole appliance set and stops when it
// is destroyed. To add one (e.g. a CGI server), write its starter in files of
// its own and add one line to the list in Services.cpp.

#include <memory>
#include <string>
#include <vector>

#include "Appliance.h"

namespace lumora::sim {

class Service {
public:
    // Stops the service and waits for its threads.
    virtual ~Service() = default;
};

// Starts a service for the appliances (which outlive it); null with `error` filled on failure.
using ServiceStarter = std::unique_ptr<Service> (*)(ApplianceSet& appliances, std::string& error);

// Every service, in start order.
const std::vector<ServiceStarter>& ServiceStarters();

// The datagram responder: discovery, login check and set-address on UDP 13579.
std::unique_ptr<Service> StartDatagramService(ApplianceSet& appliances, std::string& error);

// The web side: a CGI server on TCP port 80 of every appliance's address ("web.*" keys).
std::unique_ptr<Service> StartWebService(ApplianceSet& appliances, std::string& error);

// Real SMB shares: an smbd per appliance that asks for one ("samba = 1").
std::unique_ptr<Service> StartSambaService(ApplianceSet& appliances, std::string& error);

}  // namespace lumora::sim
