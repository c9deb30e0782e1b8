#pragma once
// Delivers the core's posted window messages through the wx event loop.

#include "platform/WindowMessages.h"

namespace lumora {

class WxMessageDispatcher : public MessageDispatcher {
public:
    // Called from any thread; wx queues the call and runs it on the UI thread in order.
    void Dispatch(std::function<void()> deliver) override;
};

}  // namespace lumora
