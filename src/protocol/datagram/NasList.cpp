#include "protocol/datagram/NasList.h"

#include "platform/Text.h"

namespace lumora {

NasList& NasList::Instance() {
    static NasList instance;
    return instance;
}

void NasList::Clear() {
    std::lock_guard lock(mutex_);
    devices_.clear();
}

void NasList::Append(const NasDevice& device) {
    std::lock_guard lock(mutex_);
    devices_.push_back(device);
}

std::optional<NasDevice> NasList::At(int nasIndex) const {
    std::lock_guard lock(mutex_);
    if (nasIndex < 0 || nasIndex >= static_cast<int>(devices_.size())) return std::nullopt;
    return devices_[static_cast<std::size_t>(nasIndex)];
}

int NasList::IndexOfMac(std::string_view macText) const {
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < devices_.size(); ++i)
        if (FieldText(devices_[i].macText) == macText) return static_cast<int>(i);
    return -1;
}

bool NasList::Update(int nasIndex, std::string_view macText, const std::function<void(NasDevice&)>& change) {
    std::lock_guard lock(mutex_);
    if (nasIndex < 0 || nasIndex >= static_cast<int>(devices_.size())) return false;
    NasDevice& device = devices_[static_cast<std::size_t>(nasIndex)];
    if (FieldText(device.macText) != macText) return false;
    change(device);
    return true;
}

int NasList::Count() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(devices_.size());
}

}  // namespace lumora
