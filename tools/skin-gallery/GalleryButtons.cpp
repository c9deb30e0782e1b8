// The gallery's button section: each class in each state it can show.

#include "Gallery.h"
#include "GalleryLayout.h"

#include "ui/skin/GdipButton.h"
#include "ui/skin/IconRadioButton.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/ProcessButton.h"
#include "ui/skin/ShortCutButton.h"
#include "ui/skin/TransStatic.h"
#include "ui/skin/UnderLineButton.h"

namespace lumora::gallery {
namespace {

wxPoint Below(const wxPoint& p, int dy) { return wxPoint(p.x, p.y + dy); }

void AddPushButtons(CGdipDialog& w) {
    const char* states[] = {"normal", "hover", "pressed", "disabled"};
    for (int i = 0; i < 4; ++i) {
        wxPoint at(kPushRow.x + i * kPushStep, kPushRow.y);
        Caption(&w, Below(at, -18), states[i]);
        auto* b = new CGdipButton(&w, wxID_ANY, "OK", ButtonKind::Push, at, kPushSize);
        // As every dialog loads them: grey at rest, blue under the mouse and while pressed.
        b->LoadImages(IDB_BUTTON_GREY, IDB_BUTTON_BLUE, IDB_BUTTON_BLUE);
        if (i == 1) b->SetHover(true);
        if (i == 2) b->SetPressed(true);
        if (i == 3) b->Disable();
    }
}

void AddCheckMarks(CGdipDialog& w) {
    Caption(&w, Below(kCheckRow, -18), "check boxes: off, on, disabled");
    const char* labels[] = {"Remember me", "Remember me", "Remember me"};
    for (int i = 0; i < 3; ++i) {
        auto* c = new CGdipButton(&w, wxID_ANY, labels[i], ButtonKind::CheckBox,
                                  wxPoint(kCheckRow.x + i * 150, kCheckRow.y), wxSize(140, 22));
        c->LoadImages(IDB_CHECKBOX_OFF, IDB_CHECKBOX_OFF, IDB_CHECKBOX_ON);
        if (i == 1) c->SetCheck(1);
        if (i == 2) c->Disable();
    }
    Caption(&w, Below(kRadioRow, -16), "radio group: off, on, off; disabled");
    const char* radios[] = {"DHCP", "Static", "Manual", "Off"};
    for (int i = 0; i < 4; ++i) {
        auto* r = new CGdipButton(&w, wxID_ANY, radios[i], ButtonKind::Radio,
                                  wxPoint(kRadioRow.x + i * 120, kRadioRow.y + 4), wxSize(110, 20));
        r->LoadImages(IDB_RADIO_OFF, IDB_RADIO_OFF, IDB_RADIO_ON);
        r->SetGroupStart(i == 0);
        if (i == 1) r->SetCheck(1);
        if (i == 3) r->Disable();
    }
}

void AddShortcuts(CGdipDialog& w) {
    const char* states[] = {"normal", "hover + tooltip", "selected section", "pressed", "disabled"};
    const int icons[][2] = {{IDB_SC_GLOBE, IDB_SC_GLOBE_LIT},
                            {IDB_SC_TOOLS, IDB_SC_TOOLS_LIT},
                            {IDB_SC_FOLDER, IDB_SC_FOLDER_LIT},
                            {IDB_SC_CAMERA, IDB_SC_CAMERA_LIT},
                            {IDB_SC_DISK, IDB_SC_DISK_LIT}};
    for (int i = 0; i < 5; ++i) {
        wxPoint at(kShortcutRow.x + i * kShortcutStep, kShortcutRow.y);
        Caption(&w, Below(at, -16), states[i]);
        auto* s = new CShortCutButton(&w, wxID_ANY, "Web Centre", at, kShortcutSize);
        s->LoadImages(IDB_SHORTCUT_BAR_GREY, IDB_SHORTCUT_BAR_BLUE, IDB_SHORTCUT_BAR_FAINT, icons[i][0],
                      icons[i][1]);
        if (i == 1) {
            s->SetToolTip(u"Open the web centre", true);
            s->SetHover(true);
        }
        if (i == 2) s->SetSelectedSection(true);
        if (i == 3) s->SetPressed(true);
        if (i == 4) s->Disable();
    }
}

void AddTextButtons(CGdipDialog& w) {
    const char* states[] = {"link", "link hover", "link disabled"};
    for (int i = 0; i < 3; ++i) {
        auto* u = new CUnderLineButton(&w, wxID_ANY, states[i], wxPoint(kLinkRow.x + i * 200, kLinkRow.y),
                                       wxSize(190, 30));
        if (i == 1) u->SetHover(true);
        if (i == 2) u->Disable();
        auto* b = new CBottomIconButton(&w, wxID_ANY,
                                        i == 0   ? "text button"
                                        : i == 1 ? "text hover"
                                                 : "text disabled",
                                        wxPoint(kBottomRow.x + i * 200, kBottomRow.y), wxSize(190, 24));
        if (i == 1) b->SetHover(true);
        if (i == 2) b->Disable();
    }
}

void AddSteps(CGdipDialog& w) {
    Caption(&w, Below(kStepRow, -16), "wizard steps: done, current, to come, disabled, last");
    const char* names[] = {"Password", "Device", "Time zone", "Network", "Drives"};
    for (int i = 0; i < 5; ++i) {
        auto* p = new CProcessButton(&w, wxID_ANY, names[i], wxPoint(kStepRow.x + i * 90, kStepRow.y + 4),
                                     wxSize(84, 44));
        p->SetStepState(i == 0 ? StepState::Done : i == 1 ? StepState::Current : StepState::ToCome);
        if (i == 3) p->Disable();
        if (i == 4) p->SetLastStep(true);
    }
}

void AddLayoutChoices(CGdipDialog& w) {
    Caption(&w, Below(kIconRadioRow, -4), "volume layout choices: checked and focused, unchecked, disabled");
    const int pictures[] = {IDB_LAYOUT_RAID1, IDB_LAYOUT_RAID0, IDB_LAYOUT_JBOD};
    const char* titles[] = {"RAID 1", "RAID 0", "JBOD"};
    for (int i = 0; i < 3; ++i) {
        auto* r = new CIconRadioButton(&w, wxID_ANY, wxPoint(kIconRadioRow.x, kIconRadioRow.y + 14 + i * 52),
                                       wxSize(520, 50));
        r->LoadImages(IDB_RADIO_ON, IDB_RADIO_OFF, pictures[i], IDB_OPTION_BAR);
        r->SetTitle(titles[i]);
        r->SetDescription("Two disks hold the same data; either can fail without loss.");
        r->SetGroupStart(i == 0);
        if (i == 0) {
            r->SetCheck(1);
            r->SetFocusLook(true);
        }
        if (i == 2) r->Disable();
    }
}

}  // namespace

void AddButtons(CGdipDialog& window) {
    AddPushButtons(window);
    AddCheckMarks(window);
    AddShortcuts(window);
    AddTextButtons(window);
    AddSteps(window);
    AddLayoutChoices(window);
}

}  // namespace lumora::gallery
