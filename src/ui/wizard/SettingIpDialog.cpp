#include "ui/wizard/SettingIpDialog.h"

#include <cstring>

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "platform/Text.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/datagram/NasList.h"
#include "protocol/query/Messages.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/core/AddressCheck.h"
#include "ui/wizard/AddressText.h"
#include "ui/wizard/WizardSkin.h"

namespace lumora {

namespace {

constexpr int kRequestTypeSetAddress = 4;

}  // namespace

CSettingIpDialog::CSettingIpDialog(wxWindow* parent, int nasIndex)
    : CGdipDialog(parent, wxID_ANY, "Lumora", wxSize(606, 400)), nasIndex_(nasIndex) {
    LayoutControls();
    LoadFromDevice();
}

CSettingIpDialog::~CSettingIpDialog() = default;

void CSettingIpDialog::LayoutControls() {
    SetWindowShape(RoundedRectOutline(606, 398, 14));
    SetBackground(IDB_PANEL_SMALL);
    dhcp_ = MakeSkinButton(this, kDhcp, Edges(81, 40, 254, 58), u"DHCP", u"DHCP", IDB_RADIO_OFF, IDB_RADIO_ON,
                           IDB_RADIO_ON, ButtonKind::Radio);
    static_ = MakeSkinButton(this, kStatic, Edges(81, 70, 254, 88), u"Static", u"Static IP Address",
                             IDB_RADIO_OFF, IDB_RADIO_ON, IDB_RADIO_ON, ButtonKind::Radio);
    MakeRadioGroup({dhcp_, static_});
    const char16_t* captions[] = {u"IP ADDress", u"Subnet Mask", u"Gateway IP"};
    const int ids[] = {kAddress, kNetmask, kGateway};
    for (int row = 0; row < 3; ++row) {
        const int top = 107 + row * 36;
        labels_[row] = MakeFieldLabel(this, wxID_ANY, Edges(82, top + 5, 212, top + 21), captions[row], 16);
        fields_[row] = new CGdipIpAddrCtl(this, ids[row], wxPoint(232, top), wxSize(188, 28));
    }
    ok_ = MakePushButton(this, kOk, Edges(184, 320, 294, 354), u"OK", u"OK");
    cancel_ = MakePushButton(this, kCancel, Edges(312, 320, 422, 354), u"Cancel", u"Cancel");
    SetDefaultItem(ok_);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { SelectMode(true); }, kDhcp);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { SelectMode(false); }, kStatic);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, kOk);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(IDCANCEL); }, kCancel);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, wxID_OK);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(IDCANCEL); }, wxID_CANCEL);
    SetEscapeId(wxID_CANCEL);
    CentreOnParent();
}

void CSettingIpDialog::LoadFromDevice() {
    std::memset(&block_, 0, sizeof block_);
    const std::optional<NasDevice> device = NasList::Instance().At(nasIndex_);
    if (!device) return;
    currentMode_ = LeadingInteger(FieldText(device->dhcpFlag));
    SelectMode(currentMode_ == 1);
    const std::string_view values[] = {FieldText(device->ip), FieldText(device->netmask),
                                       FieldText(device->gateway)};
    for (int row = 0; row < 3; ++row) {
        if (values[row].empty()) {
            fields_[row]->ClearOctets();
            continue;
        }
        const std::uint32_t v = AddressValue(values[row]);
        fields_[row]->SetOctets(v >> 24, (v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
}

CGdipIpAddrCtl& CSettingIpDialog::Field(int id) {
    return *fields_[id == kAddress ? 0 : id == kNetmask ? 1 : 2];
}

void CSettingIpDialog::SelectMode(bool dhcp) {
    (dhcp ? dhcp_ : static_)->SetCheck(1);
    (dhcp ? static_ : dhcp_)->SetCheck(0);
    block_.mode = dhcp ? '1' : '0';
    for (int row = 0; row < 3; ++row) {
        labels_[row]->Show(!dhcp);
        fields_[row]->Show(!dhcp);
    }
}

void CSettingIpDialog::EnableControls(bool enable) {
    for (wxWindow* w : {static_cast<wxWindow*>(ok_), static_cast<wxWindow*>(cancel_),
                        static_cast<wxWindow*>(dhcp_), static_cast<wxWindow*>(static_)})
        w->Enable(enable);
}

bool CSettingIpDialog::ReadField(CGdipIpAddrCtl& field, int staticCheck, std::string& dotted) {
    std::uint32_t value = 0;
    // In DHCP mode the hidden values are sent as they stand; only a complete address is asked for.
    const int result = field.GetOctetsValue(IsDhcp() ? CheckNone : staticCheck, value);
    if (!IsDhcp() && result != 4) return false;
    dotted = DottedAddress(value);
    return true;
}

void CSettingIpDialog::OnOK() {
    EnableControls(false);
    if (IsDhcp() && currentMode_ == 1) return Finish(IDOK);
    const char mode = block_.mode;
    std::string address, netmask, gateway;
    if (!ReadField(*fields_[0], CheckAddress, address)) return EnableControls(true);
    if (AddressValue(address) >> 24 == 127) {
        MessageBox(Tr(u"IP address input error. Please try again."), Tr(u"Warning"), MessageButtons::Ok,
                   MessageIcon::Exclamation, Handle());
        return EnableControls(true);
    }
    if (!ReadField(*fields_[1], CheckMask, netmask)) return EnableControls(true);
    if (!fields_[2]->IsBlank() && !ReadField(*fields_[2], CheckGateway, gateway)) return EnableControls(true);
    if (!IsDhcp() && !SameSubnet(address, netmask, gateway, netmask)) {
        const DialogAnswer answer = MessageBox(
            Tr(u"Warning - The default gateway is not on the same network segment(subnet)that is defined by the IP "
               u"address and subnet mask. Do you want to save this configuration?"),
            Tr(u"Warning"), MessageButtons::YesNo, MessageIcon::Exclamation, Handle());
        if (answer != DialogAnswer::Yes) return EnableControls(true);
    }
    block_ = MakeIpConfigBlock(address, netmask, gateway, mode == '1');
    requestStarted_ = StartSetAddress(Handle(), nasIndex_, block_);
    if (requestStarted_ == 0) {
        MessageBox(Tr(u"Refresh NAS list failed."));
        EnableControls(true);
    }
}

LRESULT CSettingIpDialog::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_SETIP_RESULT) return CGdipDialog::OnMessage(message, wParam, lParam);
    EnableControls(true);
    if (lParam != kRequestTypeSetAddress) return 0;
    if (wParam == 0) {
        Finish(IDOK);
    } else {
        MessageBox(Tr(u"setting NAS ip failed,please reset NAS ip."));
    }
    return 0;
}

void CSettingIpDialog::Finish(int code) { EndSkinDialog(*this, code, endCode_); }

int CSettingIpDialog::DoModal() {
    endCode_ = IDCANCEL;
    return ShowModal();
}

}  // namespace lumora
