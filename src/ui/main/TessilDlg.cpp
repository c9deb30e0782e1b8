#include "ui/main/TessilDlg.h"

#include "app/Language.h"
#include "app/Settings.h"
#include "platform/Dialogs.h"
#include "platform/Format.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/datagram/NasList.h"
#include "protocol/query/Credentials.h"
#include "protocol/query/Thread.h"
#include "ui/main/WindowPlacement.h"
#include "ui/main/MainWindowState.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/UnderLineButton.h"
#include "ui/skin/WxText.h"

namespace lumora {
namespace {

struct ShortcutLook {
    int id;
    const char16_t* text;
    int icon;
    int iconLit;
};

// The column from top to bottom; Surveillance and Play Center keep their places hidden.
constexpr ShortcutLook kColumn[] = {
    {CTessilDlg::kWizard, u"Wizard", IDB_SC_WIZARD, IDB_SC_WIZARD_LIT},
    {CTessilDlg::kFolder, u"Folder", IDB_SC_FOLDER, IDB_SC_FOLDER_LIT},
    {CTessilDlg::kManagementCenter, u"Management Center", IDB_SC_TOOLS, IDB_SC_TOOLS_LIT},
    {CTessilDlg::kDownloadCenter, u"Download Center", IDB_SC_DOWNLOAD, IDB_SC_DOWNLOAD_LIT},
    {CTessilDlg::kBackupCenter, u"Backup Center", IDB_SC_BACKUP, IDB_SC_BACKUP_LIT},
    {CTessilDlg::kSurveillanceCenter, u"Surveillance Center", IDB_SC_CAMERA, IDB_SC_CAMERA_LIT},
    {CTessilDlg::kPlayCenter, u"Play Center", IDB_SC_PHOTOS, IDB_SC_PHOTOS_LIT},
};

struct ImageButton {
    int id;
    wxRect rect;
    std::array<int, 3> images;
    const char16_t* tip;
};

constexpr int kStateIds[] = {1015, 1016, 1000, 1001, 1002, 1003, 1004, 1005,
                             1006, 1007, 1008, 1009, 1010, 1011, 1014};

std::u16string FormatVersionTitle() {
    return FormatText(u"Lumora ( %d.%d.%d.%d )", {LUMORA_VERSION_MAJOR, LUMORA_VERSION_MINOR,
                                                  LUMORA_VERSION_PATCH, LUMORA_VERSION_TWEAK});
}

}  // namespace

CTessilDlg::CTessilDlg(wxWindow* parent)
    : CGdipDialog(parent, wxID_ANY, "Lumora", wxSize(kWidth, kHeight)),
      inactivityTimer_(this, kInactivityTimer),
      activity_(Handle()) {}

CTessilDlg::~CTessilDlg() {
    inactivityTimer_.Stop();
    activity_.Remove();
    g_shareList.Set({});
    NasList::Instance().Clear();
}

void CTessilDlg::OnInitDialog() {
    PrepareBackground(IDB_BACKGROUND_MAIN);  // the largest picture, drawn while the controls are built
    CreateControls();
    CentreFixed(*this, wxSize(kWidth, kHeight), nullptr);
    SetBackground(IDB_BACKGROUND_MAIN);
    versionTitle_ = FormatVersionTitle();
    g_logoutPeriod = ReadLoginOutTime();
    SetButtonState(ButtonsOff);
    infoPanel_->Hide();
    SelectShortcut(0);

    // Enter connects; Escape must not end the program (Close does).
    SetDefaultItem(FindWindow(kConnect));
    SetEscapeId(wxID_NONE);
    UseCompositorMove(*this);
    Bind(wxEVT_BUTTON, &CTessilDlg::OnCommand, this);
    Bind(wxEVT_TIMER, &CTessilDlg::OnInactivityTimeout, this, kInactivityTimer);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (IsModal())
            EndModal(IDOK);
        else
            event.Skip();
    });
    lastRequest_ = StartDiscovery(Handle());  // a failure leaves the window searching, silently
}

void CTessilDlg::CreateControls() {
    // Created in the order Tab visits them.
    auto* logo = new CGdipIconStatic(this, kLogo, wxPoint(20, 20), wxSize(279, 61));
    logo->SetImage(IDB_LOGO);
    auto* heading = new CTransStatic(this, kHeading, wxString(), wxPoint(512, 110), wxSize(255, 23));
    heading->SetFontHeight(24);
    heading->SetFontWeight(700);
    heading->SetTextFormat(kTextSingleLine | kTextCenter | kTextVCenter);
    heading->SetText(Tr(u"Select NAS"));
    applianceList_ = new CGdipComboBox(this, kApplianceList, wxPoint(343, 145), wxSize(500, 255));
    applianceList_->SetFrameImage(IDB_COMBO_FRAME);

    const ImageButton buttons[] = {
        {kConnect, {482, 188, 110, 34}, {IDB_BUTTON_GREY, IDB_BUTTON_BLUE, IDB_BUTTON_BLUE}, u"Connect NAS"},
        {kRefresh, {600, 188, 110, 34}, {IDB_BUTTON_GREY, IDB_BUTTON_BLUE, IDB_BUTTON_BLUE}, u"Search NAS"},
    };
    for (const ImageButton& b : buttons) {
        auto* button = new CGdipButton(this, b.id, ToWx(Tr(b.id == kConnect ? u"Connect" : u"Refresh")),
                                       ButtonKind::Push, b.rect.GetPosition(), b.rect.GetSize());
        button->LoadImages(b.images[0], b.images[1], b.images[2]);
        button->SetToolTip(Tr(b.tip));
    }
    auto* why = new CGdipButton(this, kWhyNoAppliance, ToWx(Tr(u"Why?")), ButtonKind::Push, wxPoint(853, 145),
                                wxSize(80, 30));
    why->LoadImages(IDB_BUTTON_GREY, IDB_BUTTON_BLUE, IDB_BUTTON_BLUE);
    why->SetToolTip(Tr(u"Why is no appliance found?"));
    why->Hide();
    CreateShortcuts();
    infoPanel_ = new CNASInfoDialog(this, wxPoint(316, 256));

    auto* select = new CBottomIconButton(this, kSelectNas, ToWx(Tr(u"Select NAS/Short Cut")),
                                         wxPoint(700, 60), wxSize(300, 32));
    select->SetToolTip(Tr(u"Select NAS/Short Cut"));
    auto* sorting = new CBottomIconButton(this, kAutoSorting, ToWx(Tr(u"Auto Sorting")), wxPoint(203, 33),
                                          wxSize(147, 32));
    sorting->Hide();

    welcome_ = new CTransStatic(this, kWelcome, wxString(), wxPoint(500, 15), wxSize(334, 21));
    welcome_->SetFontHeight(17);
    welcome_->SetFontWeight(100);
    welcome_->SetTextFormat(kTextSingleLine | kTextRight | kTextBottom | kTextNoPrefix);

    const ImageButton corner[] = {
        {kLogout, {841, 6, 30, 30}, {IDB_LOGOUT_NORMAL, IDB_LOGOUT_HOVER, IDB_LOGOUT_PRESSED}, u"Logout"},
        {kSettings,
         {878, 6, 30, 30},
         {IDB_SETTINGS_NORMAL, IDB_SETTINGS_HOVER, IDB_SETTINGS_PRESSED},
         u"Settings"},
        {kHelp, {917, 6, 30, 30}, {IDB_HELP_LIGHT, IDB_HELP_BLUE, IDB_HELP_GREY}, u"Help"},
        {kMinimize,
         {961, 7, 25, 25},
         {IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER, IDB_MINIMIZE_PRESSED},
         u"Minimize"},
        {kClose, {991, 7, 25, 25}, {IDB_CLOSE_BLACK, IDB_CLOSE_BLUE, IDB_CLOSE_DIM}, u"Close"},
    };
    for (const ImageButton& b : corner) {
        auto* button =
            new CGdipButton(this, b.id, wxString(), ButtonKind::Push, b.rect.GetPosition(), b.rect.GetSize());
        button->LoadImages(b.images[0], b.images[1], b.images[2]);
        button->SetToolTip(Tr(b.tip));
    }
}

void CTessilDlg::CreateShortcuts() {
    int top = 145;
    for (const ShortcutLook& look : kColumn) {
        auto* button =
            new CShortCutButton(this, look.id, ToWx(Tr(look.text)), wxPoint(50, top), wxSize(240, 48));
        button->LoadImages(IDB_SHORTCUT_BAR_GREY, IDB_SHORTCUT_BAR_BLUE, IDB_SHORTCUT_BAR_FAINT, look.icon,
                           look.iconLit);
        shortcuts_[look.id] = button;
        top += 53;
    }
    shortcuts_[kSurveillanceCenter]->Hide();
    shortcuts_[kPlayCenter]->Hide();
    // The File Center keeps no place in the column and is never shown.
    auto* files = new CShortCutButton(this, kFileCenter, wxString(), wxPoint(50, 516), wxSize(240, 48));
    files->Hide();
}

void CTessilDlg::EnableControl(int id, bool enable) {
    if (wxWindow* control = FindWindow(id)) control->Enable(enable);
}

void CTessilDlg::SetButtonState(ButtonState state) {
    for (int id : kStateIds) {
        bool enable = state == ButtonsAdmin;
        if (state == ButtonsListed) enable = id == kConnect || id == kRefresh || id == kApplianceList;
        if (state == ButtonsUser)
            enable = !(id == kPlayCenter || id == kManagementCenter || id == kDownloadCenter ||
                       id == kBackupCenter || id == kSurveillanceCenter);
        EnableControl(id, enable);
    }
}

void CTessilDlg::SelectShortcut(int buttonId) {
    for (auto& [id, button] : shortcuts_) {
        button->SetSelectedSection(id == buttonId);
        button->Refresh(false);
    }
}

void CTessilDlg::OnCommand(wxCommandEvent& event) {
    switch (event.GetId()) {
        case kConnect: Connect(); break;
        case kRefresh: RefreshList(); break;
        case kLogout: Logout(); break;
        case kWizard: RunWizard(); break;
        case kFolder: ShowFolders(); break;
        case kPlayCenter: SelectShortcut(kPlayCenter); [[fallthrough]];
        case kSelectNas: ShowVolumes(); break;
        case kNetwork:
        case kDriveMapping: infoPanel_->Hide(); break;
        case kFileCenter:
        case kManagementCenter:
        case kDownloadCenter:
        case kBackupCenter:
        case kSurveillanceCenter: OpenWebCentre(event.GetId()); break;
        case kSettings: RunSettings(); break;
        case kWhyNoAppliance: ExplainEmptyList(); break;
        case kHelp: ShowHelp(); break;
        case kMinimize: Iconize(true); break;
        case kClose:
            if (IsModal())
                EndModal(IDOK);
            else
                Close();
            break;
        case wxID_CANCEL: break;  // Escape: the main window stays
        default: event.Skip();
    }
}

}  // namespace lumora
