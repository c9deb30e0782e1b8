// The gallery's other controls: lists, combos, sliders, bars, labels, addresses, folders.

#include "Gallery.h"
#include "GalleryLayout.h"

#include "ui/skin/ComboPopup.h"
#include "ui/skin/FolderListCtrl.h"
#include "ui/skin/GdipComboBox.h"
#include "ui/skin/GdipIpAddrCtl.h"
#include "ui/skin/GdipListCtrl.h"
#include "ui/skin/GdipProcessCtrl.h"
#include "ui/skin/GdipSlider.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/TransStatic.h"
#include "ui/skin/VolumeInfoCtrl.h"

namespace lumora::gallery {
namespace {

void AddCombos(CGdipDialog& w) {
    Caption(&w, wxPoint(kComboRow.x, kComboRow.y - 16), "combo boxes: normal, disabled, small");
    for (int i = 0; i < 2; ++i) {
        auto* c =
            new CGdipComboBox(&w, wxID_ANY, wxPoint(kComboRow.x, kComboRow.y + i * 36), wxSize(500, 32));
        c->SetFrameImage(IDB_COMBO_FRAME);
        c->Append("KL-440 (192.0.2.20)");
        c->Append("KL-440 (198.51.100.7)");
        c->SetSelection(i);
        if (i == 1) c->Disable();
    }
    auto* small =
        new CGdipComboBox(&w, wxID_ANY, wxPoint(kComboRow.x + 370, kComboRow.y + 72), wxSize(130, 32));
    small->SetFrameImage(IDB_COMBO_FRAME_SMALL);
    small->Append("F:");
    small->SetSelection(0);
    // The gallery opens this one's list before its screenshot, scrolled to the last entry.
    Caption(&w, wxPoint(kLongComboAt.x, kLongComboAt.y - 16), "30 entries, list scrolled to the last");
    auto* longer = new CGdipComboBox(&w, kLongComboId, kLongComboAt, kLongComboSize);
    longer->SetFrameImage(IDB_COMBO_FRAME_SMALL);
    for (int i = 1; i <= 30; ++i) longer->Append(wxString::Format("Entry %d", i));
    longer->SetSelection(0);
}

void AddTimeZones(CGdipDialog& w) {
    Caption(&w, wxPoint(kTimeZoneAt.x, kTimeZoneAt.y - 16),
            "time zones: \"&&&&\" in a name shows one \"&&\"");
    auto* zones = new CGdipListCtrl(&w, wxID_ANY, kTimeZoneAt, kTimeZoneSize, false);
    zones->InsertColumn(u"Location", 330);
    zones->InsertColumn(u"TimeZone", 80, ColumnAlign::Center);
    const char16_t* rows[][2] = {{u"Pacific Time (US && Canada)", u"GMT-08:00"},
                                 {u"Mountain Time (US && Canada)", u"GMT-07:00"},
                                 {u"Central Time(US && Canada)", u"GMT-06:00"},
                                 {u"Eastern Time (US && Canada)", u"GMT-05:00"}};
    for (auto& row : rows) zones->SetItemText(zones->InsertItem(row[0]), 1, row[1]);
    zones->SetColumnFormat(0, 18, 0xFFFFFF);
    zones->SetColumnFormat(1, 14, 0xAAAAAA);
}

void AddAddresses(CGdipDialog& w) {
    Caption(&w, wxPoint(kAddressRow.x, kAddressRow.y - 16), "address: filled, blank, disabled");
    for (int i = 0; i < 3; ++i) {
        auto* a = new CGdipIpAddrCtl(&w, wxID_ANY, wxPoint(kAddressRow.x + i * 195, kAddressRow.y),
                                     wxSize(188, 28));
        if (i != 1) a->SetOctets(192, 0, 2, static_cast<std::uint8_t>(10 + i));
        if (i == 2) a->Enable(false);
    }
}

void AddList(CGdipDialog& w) {
    Caption(&w, wxPoint(kListAt.x, kListAt.y - 16), "list: selected row, grey \"select\", empty rows");
    auto* list = new CGdipListCtrl(&w, kListId, kListAt, kListSize);
    list->InsertColumn(u"Share", 180);
    list->InsertColumn(u"Drive", 120, ColumnAlign::Center);
    list->InsertColumn(u"Size", 100, ColumnAlign::Right);
    const char16_t* rows[][3] = {{u"public", u"select", u"120 GB"},
                                 {u"music and films of the family", u"E:", u"1.2 TB"},
                                 {u"photo", u"F:", u"80 GB"}};
    for (auto& row : rows) {
        int r = list->InsertItem(row[0]);
        list->SetItemText(r, 1, row[1]);
        list->SetItemText(r, 2, row[2]);
    }
    list->SetColumnFormat(2, 15, 0xFFA000);
    list->SetSelection(1);
}

void AddSliders(CGdipDialog& w) {
    Caption(&w, wxPoint(kSliderRow.x, kSliderRow.y - 16), "sliders 0, 60/120, max, flat");
    struct {
        int min, max, pos;
    } states[] = {{0, 100, 0}, {0, 120, 60}, {0, 100, 100}, {5, 5, 5}};
    for (int i = 0; i < 4; ++i) {
        auto* s = new CGdipSlider(&w, wxID_ANY, wxPoint(kSliderRow.x + i * kSliderStep, kSliderRow.y),
                                  wxSize(13, 200));
        s->SetRange(states[i].min, states[i].max);
        s->SetPos(states[i].pos);
    }
}

void AddBars(CGdipDialog& w) {
    Caption(&w, wxPoint(kProgressRow.x, kProgressRow.y - 16), "progress 0%, 50%, 100%");
    for (int i = 0; i < 3; ++i) {
        auto* p = new CGdipProcessCtrl(&w, wxID_ANY, wxPoint(kProgressRow.x, kProgressRow.y + i * 24),
                                       wxSize(357, 16));
        p->SetImages(IDB_PROGRESS_TRACK, IDB_PROGRESS_LEFT, IDB_PROGRESS_MIDDLE, IDB_PROGRESS_RIGHT);
        p->SetPos(i * 50);
    }
    Caption(&w, wxPoint(kVolumeRow.x, kVolumeRow.y - 16), "volumes: 50 of 200, 1 of 3, empty total");
    struct {
        const char16_t* name;
        std::uint32_t first, second;
    } volumes[] = {{u"Volume 1", 50, 200}, {u"Volume 2", 1, 3}, {u"Volume 3", 0, 0}};
    for (int i = 0; i < 3; ++i) {
        auto* v =
            new CVolumeInfoCtrl(&w, wxID_ANY, wxPoint(kVolumeRow.x, kVolumeRow.y + i * 52), wxSize(470, 50));
        v->ShowVolume(volumes[i].name, volumes[i].first, volumes[i].second);
    }
}

void AddFolders(CGdipDialog& w) {
    Caption(&w, wxPoint(kFolderListAt.x, kFolderListAt.y - 16), "folders: selected, long name, scroll bar");
    auto* f = new CFolderListCtrl(&w, wxID_ANY, kFolderListAt, wxSize(519, 200));
    for (const char16_t* name :
         {u"public", u"music", u"a-very-long-folder-name", u"photo", u"backup", u"films"})
        f->AddFolder(name);
    f->Select(1);
}

void AddStatics(CGdipDialog& w) {
    Caption(&w, wxPoint(kStaticRow.x, kStaticRow.y - 16), "labels and pictures");
    auto* title = new CTransStatic(&w, wxID_ANY, "KL-440", kStaticRow, wxSize(260, 26));
    title->SetFontHeight(24);
    title->SetFontWeight(700);
    auto* blue = new CTransStatic(&w, wxID_ANY, "Word-wrapped label text that runs over two lines.",
                                  wxPoint(kStaticRow.x, kStaticRow.y + 30), wxSize(260, 40));
    blue->SetTextColour(0xFFA000);
    auto* logo =
        new CGdipIconStatic(&w, wxID_ANY, wxPoint(kStaticRow.x + 290, kStaticRow.y), wxSize(140, 30));
    logo->SetImage(IDB_LOGO);
    auto* wand = new CGdipIconStatic(&w, wxID_ANY, kWandAt, wxSize(60, 60));
    wand->SetImage(IDB_WIZARD_WAND);
}

}  // namespace

// The list takes the window's keyboard focus while it is open, so the report list's
// choice box (which commits when the focus leaves it) cannot be shown open beside it.
void OpenLongComboList(CGdipDialog& w) {
    if (auto* combo = dynamic_cast<CGdipComboBox*>(w.FindWindow(kLongComboId))) {
        combo->ShowPopup();
        if (combo->PopupList() != nullptr) combo->PopupList()->Highlight(combo->GetCount() - 1);
    }
}

bool LongComboListShown(CGdipDialog& w) {
    auto* combo = dynamic_cast<CGdipComboBox*>(w.FindWindow(kLongComboId));
    if (combo == nullptr || combo->PopupList() == nullptr) return true;  // nothing to wait for
    if (!combo->PopupList()->IsShownOnScreen()) return false;
    combo->PopupList()->Update();
    return true;
}

void AddPanels(CGdipDialog& window) {
    AddCombos(window);
    AddAddresses(window);
    AddBars(window);
    AddSliders(window);
    AddFolders(window);
    AddStatics(window);
    AddTimeZones(window);
    AddList(window);
}

}  // namespace lumora::gallery
