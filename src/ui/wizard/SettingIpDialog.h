#pragma once
// The change-address dialog: gives an appliance on another subnet new IPv4 settings
// (DHCP, or a static address, netmask and gateway) by a set-address datagram.

#include <array>
#include <string>

#include "protocol/datagram/Datagrams.h"
#include "protocol/query/Query.h"
#include "ui/skin/GdipButton.h"
#include "ui/skin/GdipDialog.h"
#include "ui/skin/GdipIpAddrCtl.h"
#include "ui/skin/TransStatic.h"

namespace lumora {

class CSettingIpDialog : public CGdipDialog {
public:
    enum Id {
        kDhcp = 1109,
        kStatic = 1110,
        kOk = 1148,
        kCancel = 1149,
        kAddress = 1143,
        kNetmask = 1144,
        kGateway = 1145
    };

    // The dialog for the appliance at `nasIndex` of NasList, filled from its discovery record.
    CSettingIpDialog(wxWindow* parent, int nasIndex);
    ~CSettingIpDialog() override;

    // Runs it modally; IDOK once the appliance took the settings (or stays on DHCP), else IDCANCEL.
    int DoModal();
    // The end code after it closed (also when driven modeless).
    int EndCode() const { return endCode_; }

    // The OK button: validates, then sends the settings and waits for the answer.
    void OnOK();
    // The mode buttons: DHCP hides the fields, Static shows them.
    void SelectMode(bool dhcp);

    bool IsDhcp() const { return block_.mode == '1'; }
    CGdipIpAddrCtl& Field(int id);
    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

private:
    void LayoutControls();
    void LoadFromDevice();
    void EnableControls(bool enable);
    // Reads a field with the check of its role (static) or none (DHCP); false to stop.
    bool ReadField(CGdipIpAddrCtl& field, int staticCheck, std::string& dotted);
    void Finish(int code);

    int nasIndex_;
    int currentMode_ = 0;
    IpConfigBlock block_{};
    RequestHandle requestStarted_ = 0;
    int endCode_ = 0;
    CGdipButton* dhcp_ = nullptr;
    CGdipButton* static_ = nullptr;
    CGdipButton* ok_ = nullptr;
    CGdipButton* cancel_ = nullptr;
    std::array<CTransStatic*, 3> labels_{};
    std::array<CGdipIpAddrCtl*, 3> fields_{};
};

}  // namespace lumora
