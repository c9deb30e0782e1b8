#include "ui/wizard/RaidPage.h"

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/cgi/VolumeLayout.h"
#include "protocol/query/Messages.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/WxText.h"
#include "ui/wizard/ProcessDialog.h"

namespace lumora {

namespace {

struct Layout {
    const char16_t* title;
    bool translated;
    const char* text;  // what the appliance is told
    int picture;
    const char16_t* description;
};

constexpr std::array<Layout, 4> kLayouts = {{
    {u"StandAlone", true, "standard", IDB_LAYOUT_STANDALONE,
     u"Normal Disk. Creates two separate volumes (or one volume if only one hard drive is present). Each hard "
     u"drive is its own volume."},
    {u"JBOD", false, "linear", IDB_LAYOUT_JBOD,
     u"Just a Bunch Of Disks. It makes the disks appear to be a single larger one. It doesn't provide any of fault "
     u"tolerance or performance benefits of RAID. Requires two drives."},
    {u"RAID 0", false, "raid0", IDB_LAYOUT_RAID0,
     u"Striped RAID. Improves performance and additional storage but no fault tolerance. Any drive failure "
     u"destroys the entire array. Requires two drives."},
    {u"RAID 1", false, "raid1", IDB_LAYOUT_RAID1,
     u"Mirrored RAID. Data is written identically to two drives. If one hard drive fails, replace thefailed hard "
     u"drive and it will re-mirror, restoring maximum data protection. Requires two drives."},
}};

}  // namespace

CRaidPage::~CRaidPage() = default;

void CRaidPage::SetupSkin() {
    for (int i = 0; i < 4; ++i) {
        auto* button = new CIconRadioButton(window_, kButtonIds[i], wxPoint(0, 58 * i), wxSize(533, 58));
        button->LoadImages(IDB_RADIO_ON, IDB_RADIO_OFF, kLayouts[i].picture, IDB_OPTION_BAR);
        button->SetTitle(ToWx(kLayouts[i].translated ? Tr(kLayouts[i].title) : kLayouts[i].title));
        button->SetDescription(ToWx(Tr(kLayouts[i].description)));
        buttons[i] = button;
    }
    MakeRadioGroup({buttons[0], buttons[1], buttons[2], buttons[3]});
    buttons[0]->SetCheck(1);
}

int CRaidPage::LoadData() {
    diskCount = 0;
    for (CIconRadioButton* button : buttons) button->Disable();
    lastStart = GetDiskInfo(Handle(), nasIndex);
    if (lastStart == 0) MessageBox(Tr(u"Get wizard information failed."));
    return lastStart != 0 ? 1 : 0;
}

LRESULT CRaidPage::OnPageMessage(unsigned message, WPARAM wParam, LPARAM) {
    if (message != WM_HDINFO_RESULT) return 0;
    diskInfoReceived = true;
    const std::unique_ptr<HdInfo> info = TakeHdInfo(wParam);
    if (info) disks = *info;
    if (disks.diskCount == 1 || disks.diskCount == 2) {
        diskCount = disks.diskCount;
        for (int i = 0; i < 4; ++i) buttons[i]->Enable(i == 0 || diskCount == 2);
    } else {
        MessageBox(Tr(u"No hard disk is detected."));
    }
    return 0;
}

int CRaidPage::Apply() {
    if (!diskInfoReceived) return 0;
    // An answer without a usable disk leaves nothing to format.
    if (diskCount == 0) {
        MessageBox(Tr(u"No hard disk is detected."));
        return 0;
    }
    const DialogAnswer confirmed = MessageBox(
        Tr(u"It will rebuild you disk, be sure you want to do it and press \"OK\" button to continue..."),
        Tr(u"Warning"), MessageButtons::OkCancel, MessageIcon::None, Handle());
    if (confirmed != DialogAnswer::Ok) return 0;
    int chosen = -1;
    for (int i = 0; i < 4 && chosen < 0; ++i)
        if (buttons[i]->GetCheck() != 0) chosen = i;
    volumeChain.reset();
    if (chosen < 0) {
        MessageBox(Tr(u"Check disk mode error."));
        return 0;
    }
    const std::string_view layout = kLayouts[chosen].text;
    // Every layout but the stand-alone one names both disks in one 10-byte field.
    const std::size_t joined = FieldText(disks.disk1Name).size() + FieldText(disks.disk2Name).size();
    if (diskCount == 2 && layout != "standard" && joined > sizeof(VolumeSpec::devices) - 1) {
        MessageBox(Tr(u"The disk names are too long to be joined for this layout."));
        return 0;
    }
    volumeChain = BuildVolumeChain(disks, layout);
    if (!volumeChain) {
        MessageBox(Tr(u"Check disk mode error."));
        return 0;
    }
    return RunFormat();
}

int CRaidPage::RunFormat() {
    Dialogs().RunModal("CProcessDialog", [&] {
        CProcessDialog dialog(window_, *volumeChain, nasIndex);
        return dialog.DoModal();
    });
    diskInfoReceived = false;
    PostMessage(notifyWnd, WM_CGI_RESULT, 0, 0);
    return 1;
}

}  // namespace lumora
