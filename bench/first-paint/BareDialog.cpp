// The baseline of the first-paint measurement: a plain wx dialog of the main window's
// size with a label and a button, run modally the way Lumora runs its main window.

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/wx.h>

namespace {

class BareDialogApp : public wxApp {
public:
    bool OnInit() override {
        wxDialog dialog(nullptr, wxID_ANY, "Bare dialog", wxDefaultPosition, wxSize(1024, 680));
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(new wxStaticText(&dialog, wxID_ANY, "A bare wx dialog"), 0, wxALL, 20);
        sizer->Add(new wxButton(&dialog, wxID_OK, "Close"), 0, wxALL, 20);
        dialog.SetSizer(sizer);
        dialog.Centre();
        dialog.ShowModal();
        return false;
    }
};

}  // namespace

wxIMPLEMENT_APP(BareDialogApp);
