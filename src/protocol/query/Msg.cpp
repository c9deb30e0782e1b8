#include "protocol/query/Msg.h"

#include "protocol/query/Query.h"

namespace lumora {

std::uint64_t CMsg::Put(std::shared_ptr<CQuery> request) {
    std::lock_guard lock(lock_);
    ++counter_;
    entries_.push_back(Entry{counter_, std::move(request), 0});
    return counter_;
}

CMsg::Taken CMsg::Take(std::uint32_t low, std::uint32_t high) {
    const std::uint64_t token = (static_cast<std::uint64_t>(high) << 32) | low;
    Taken taken;
    {
        std::lock_guard lock(lock_);
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->token != token) continue;
            taken.found = true;
            taken.request = std::move(it->request);
            taken.flags = it->flags;
            entries_.erase(it);
            break;
        }
    }
    // The request may be freed by the caller; never while the lock is held.
    return taken;
}

CMsg::Taken CMsg::TakeParam(std::intptr_t lParam) {
    const auto low = static_cast<std::uint32_t>(lParam);
    const std::uint32_t high = static_cast<std::int32_t>(low) < 0 ? 0xFFFFFFFFu : 0u;
    return Take(low, high);
}

}  // namespace lumora
