#pragma once
// The network page: the appliance's LAN settings, DHCP or a static address with
// netmask, gateway and two name servers.

#include <array>
#include <string>

#include "protocol/cgi/CgiRecords.h"
#include "ui/skin/GdipButton.h"
#include "ui/skin/GdipIpAddrCtl.h"
#include "ui/skin/TransStatic.h"
#include "ui/wizard/WizardPage.h"

namespace lumora {

class CNetworkPage : public CWizardPage {
public:
    enum Id {
        kDhcp = 1068,
        kStatic = 1103,
        kAddress = 1133,
        kNetmask = 1134,
        kGateway = 1135,
        kDns1 = 1136,
        kDns2 = 1137
    };
    enum Field { kAddressField, kNetmaskField, kGatewayField, kDns1Field, kDns2Field };

    void SetupSkin() override;
    int LoadData() override { return LoadWizardInfo(); }
    // Validates, locks the address and sends the settings; 1 when they were sent.
    int Apply() override;
    // Asks the appliance for its LAN information (the frame's address poll).
    int OnPollTick() override;
    LRESULT OnPageMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

    // DHCP view (fields hidden) or static view.
    void ShowView(bool dhcp);
    bool IsDhcp() const { return dhcp->GetCheck() != 0; }

    CGdipButton* dhcp = nullptr;
    CGdipButton* fixed = nullptr;
    std::array<CTransStatic*, 5> labels{};
    std::array<CGdipIpAddrCtl*, 5> fields{};

private:
    bool ReadField(Field field, int staticCheck, char (&dotted)[16]);
};

}  // namespace lumora
