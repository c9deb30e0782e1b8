#include "Services.h"

namespace lumora::sim {

const std::vector<ServiceStarter>& ServiceStarters() {
    static const std::vector<ServiceStarter> starters = {
        &StartDatagramService,
        &StartWebService,
        &StartSambaService,
    };
    return starters;
}

}  // namespace lumora::sim
