#include "ui/wizard/NetworkPage.h"

#include <wx/utils.h>

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/cgi/CgiReplyRecords.h"
#include "protocol/query/Messages.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/core/AddressCheck.h"
#include "ui/wizard/AddressText.h"
#include "ui/wizard/WizardSkin.h"

namespace lumora {

namespace {

void PutAddress(CGdipIpAddrCtl& field, std::string_view dotted) {
    if (dotted.empty()) return field.ClearOctets();
    const std::uint32_t v = AddressValue(dotted);
    field.SetOctets(v >> 24, (v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

}  // namespace

void CNetworkPage::SetupSkin() {
    dhcp = MakeSkinButton(window_, kDhcp, Edges(49, 0, 222, 18), u"DHCP", u"DHCP", IDB_RADIO_OFF,
                          IDB_RADIO_ON, IDB_RADIO_ON, ButtonKind::Radio);
    fixed = MakeSkinButton(window_, kStatic, Edges(49, 30, 222, 48), u"Static", u"Static IP Address",
                           IDB_RADIO_OFF, IDB_RADIO_ON, IDB_RADIO_ON, ButtonKind::Radio);
    MakeRadioGroup({dhcp, fixed});
    const char16_t* captions[] = {u"IP ADDress", u"Subnet Mask", u"Gateway IP", u"DNS 1", u"DNS 2"};
    const int ids[] = {kAddress, kNetmask, kGateway, kDns1, kDns2};
    for (int row = 0; row < 5; ++row) {
        const int top = 57 + row * 32;
        labels[row] = MakeFieldLabel(window_, wxID_ANY, Edges(50, top + 5, 180, top + 21), captions[row], 16);
        fields[row] = new CGdipIpAddrCtl(window_, ids[row], wxPoint(191, top), wxSize(188, 28));
    }
    window_->Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ShowView(true); }, kDhcp);
    window_->Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ShowView(false); }, kStatic);
    ShowView(true);
}

void CNetworkPage::ShowView(bool dhcpView) {
    (dhcpView ? dhcp : fixed)->SetCheck(1);
    (dhcpView ? fixed : dhcp)->SetCheck(0);
    for (int row = 0; row < 5; ++row) {
        labels[row]->Show(!dhcpView);
        fields[row]->Show(!dhcpView);
    }
}

LRESULT CNetworkPage::OnPageMessage(unsigned message, WPARAM wParam, LPARAM) {
    if (message != WM_CGI_RESULT) return 0;
    if (wParam != 0) {
        MessageBox(Tr(u"Get wizard information failed."));
        return 0;
    }
    const WizardInfo info = g_wizardInfo.Get();
    if (info.dhcpEnable == 1 || info.dhcpEnable == 0) ShowView(info.dhcpEnable == 1);
    PutAddress(*fields[kGatewayField], FieldText(info.gateway));
    PutAddress(*fields[kDns1Field], FieldText(info.dns1));
    PutAddress(*fields[kDns2Field], FieldText(info.dns2));
    PutAddress(*fields[kAddressField], FieldText(info.ip));
    PutAddress(*fields[kNetmaskField], FieldText(info.netmask));
    return 0;
}

bool CNetworkPage::ReadField(Field field, int staticCheck, char (&dotted)[16]) {
    std::uint32_t value = 0;
    // In DHCP mode the hidden values go out as they stand.
    const int result = fields[field]->GetOctetsValue(IsDhcp() ? CheckNone : staticCheck, value);
    if (!IsDhcp() && result != 4) return false;
    CopyToField(dotted, DottedAddress(value));
    return true;
}

int CNetworkPage::Apply() {
    NetworkSettings settings;
    const bool dhcpMode = IsDhcp();
    settings.dhcpEnable = dhcpMode ? 1 : 0;
    if (!ReadField(kAddressField, CheckAddress, settings.address)) return 0;
    if (!ReadField(kNetmaskField, CheckMask, settings.netmask)) return 0;
    if (!dhcpMode && !fields[kGatewayField]->IsBlank() &&
        !ReadField(kGatewayField, CheckGateway, settings.gateway))
        return 0;
    if (!fields[kDns1Field]->IsBlank() && !ReadField(kDns1Field, CheckDns, settings.dns1)) return 0;
    if (!fields[kDns2Field]->IsBlank() && !ReadField(kDns2Field, CheckDns, settings.dns2)) return 0;
    if (!dhcpMode && !SameSubnet(settings.address, settings.netmask, settings.gateway, settings.netmask)) {
        const DialogAnswer answer = MessageBox(
            Tr(u"Warning - The default gateway is not on the same network segment(subnet)that is defined by the IP "
               u"address and subnet mask. Do you want to save this configuration?"),
            u"Warning", MessageButtons::YesNo, MessageIcon::Exclamation, Handle());
        if (answer != DialogAnswer::Yes) return 0;
    }
    lastStart = LockAddress(notifyWnd, nasIndex);
    wxMilliSleep(20);
    if (lastStart == 0) {
        MessageBox(Tr(u"setting failed."));
        return 0;
    }
    lastStart = SetNetwork(notifyWnd, nasIndex, settings);
    if (lastStart == 0) {
        MessageBox(Tr(u"setting failed."));
        return 0;
    }
    return 1;
}

int CNetworkPage::OnPollTick() {
    lastStart = GetLanInfo(notifyWnd, nasIndex);
    if (lastStart == 0) {
        MessageBox(Tr(u"setting failed."));
        return 0;
    }
    return 1;
}

}  // namespace lumora
