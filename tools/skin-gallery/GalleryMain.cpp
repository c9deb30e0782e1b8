// skin-gallery OUTPUT.png: shows every skinned control in each of its states, then
// writes what the screen shows of the window to OUTPUT.png and exits (0 on success).

#include <cstdio>
#include <filesystem>

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/timer.h>

#include "Gallery.h"
#include "GalleryLayout.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/ShortCutButton.h"
#include "ui/skin/TransStatic.h"
#include "ui/skin/WxDialogService.h"
#include "ui/skin/WxMessageDispatcher.h"

namespace lumora::gallery {

void Caption(wxWindow* parent, const wxPoint& at, const wxString& text) {
    auto* caption = new CTransStatic(parent, wxID_ANY, text, at, wxSize(10, 15));
    caption->SetFontHeight(12);
    // As wide as its text, so captions never cover their neighbours.
    wxClientDC dc(caption);
    dc.SetFont(SkinFont(12, 100));
    caption->SetSize(dc.GetTextExtent(text).x + 4, 15);
    caption->SetTextFormat(kTextSingleLine);
    caption->SetTextColour(0x969696);
}

namespace {

bool Grab(wxWindow& window, const wxString& path) {
    wxSize size = window.GetClientSize();
    wxPoint origin = window.GetScreenPosition();
    wxBitmap shot(size.x, size.y, 24);
    {
        wxScreenDC screen;
        wxMemoryDC memory(shot);
        if (!memory.Blit(0, 0, size.x, size.y, &screen, origin.x, origin.y)) return false;
    }
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path.ToStdString()).parent_path(), ignored);
    return shot.ConvertToImage().SaveFile(path, wxBITMAP_TYPE_PNG);
}

class GalleryApp : public wxApp {
public:
    bool OnInit() override {
        if (argc < 2) {
            std::fprintf(stderr, "usage: skin-gallery OUTPUT.png\n");
            return false;
        }
        output_ = argv[1];
        wxInitAllImageHandlers();
        SetMessageDispatcher(&dispatcher_);
        SetDialogService(&dialogs_);
        window_ = new CGdipDialog(nullptr, wxID_ANY, "Lumora skin gallery", wxSize(kWidth, kHeight));
        window_->SetBackground(IDB_BACKGROUND_MAIN);
        AddButtons(*window_);
        AddPanels(*window_);
        window_->Move(0, 0);
        window_->Show();
        // Let the window map and paint, then show the tooltip of the hovered button and grab.
        CallAfter([this] { timer_.StartOnce(700); });
        timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Step(); });
        return true;
    }
    int OnExit() override {
        SetMessageDispatcher(nullptr);
        SetDialogService(nullptr);
        return result_;
    }

private:
    void Step() {
        int step = step_++;
        if (step == 0) {
            for (wxWindow* child : window_->GetChildren())
                if (auto* s = dynamic_cast<CShortCutButton*>(child); s && s->IsHover() && s->ToolTip())
                    s->ToolTip()->PopupAt(s->ClientToScreen(wxPoint(60, 30)));
            OpenLongComboList(*window_);
            window_->Refresh();
            window_->Update();
            timer_.StartOnce(500);
            return;
        }
        result_ = Grab(*window_, output_) ? 0 : 1;
        if (result_ != 0)
            std::fprintf(stderr, "skin-gallery: could not write %s\n", output_.utf8_str().data());
        window_->Destroy();
        ExitMainLoop();
    }

    wxString output_;
    CGdipDialog* window_ = nullptr;
    WxMessageDispatcher dispatcher_;
    WxDialogService dialogs_;
    wxTimer timer_;
    int step_ = 0;
    int result_ = 1;
};

}  // namespace
}  // namespace lumora::gallery

wxIMPLEMENT_APP(lumora::gallery::GalleryApp);
