#include "protocol/datagram/NasList.h"

#include "platform/Text.h"

namespace lumora {

NasList& NasList::Instance() {
    static NasList instance;
    return instance;
}

void NasList::Clear() { devices_.clear(); }

NasDevice& NasList::Append(const NasDevice& device) {
    devices_.push_back(std::make_unique<NasDevice>(device));
    return *devices_.back();
}

NasDevice* NasList::At(int nasIndex) {
    if (nasIndex < 0 || nasIndex >= Count()) return nullptr;
    return devices_[static_cast<std::size_t>(nasIndex)].get();
}

const NasDevice* NasList::At(int nasIndex) const {
    if (nasIndex < 0 || nasIndex >= Count()) return nullptr;
    return devices_[static_cast<std::size_t>(nasIndex)].get();
}

NasDevice* NasList::FindByMac(std::string_view macText) {
    for (auto& device : devices_)
        if (FieldText(device->macText) == macText) return device.get();
    return nullptr;
}

}  // namespace lumora
