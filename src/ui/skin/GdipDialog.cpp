#include "ui/skin/GdipDialog.h"

#include <wx/dcclient.h>
#include <wx/region.h>
#include <wx/toplevel.h>

#include "ui/skin/AppIcon.h"
#include "ui/skin/core/SkinMessages.h"

namespace lumora {
namespace {

// The picture as the window shows it: scaled down into `client` when larger (never
// cropped), over black, without alpha, at the client size.
wxImage PictureOverBlack(wxImage picture, const wxSize& client) {
    const wxSize size(std::min(picture.GetWidth(), client.x), std::min(picture.GetHeight(), client.y));
    if (size != picture.GetSize()) picture.Rescale(size.x, size.y, wxIMAGE_QUALITY_BILINEAR);
    if (picture.HasAlpha()) {
        unsigned char* rgb = picture.GetData();
        const unsigned char* alpha = picture.GetAlpha();
        for (int i = 0, n = size.x * size.y; i < n; ++i)
            for (int c = 0; c < 3; ++c)
                rgb[3 * i + c] = static_cast<unsigned char>(rgb[3 * i + c] * alpha[i] / 255);
        picture.ClearAlpha();
    }
    if (size == client) return picture;
    wxImage whole(std::max(client.x, 1), std::max(client.y, 1), true);
    whole.Paste(picture, 0, 0);
    return whole;
}

}  // namespace

wxImage PictureAsShown(int id, const wxSize& client) {
    const wxImage picture = DecodePng(CompiledPng(id));
    return picture.IsOk() ? PictureOverBlack(picture, client) : wxImage();
}

CGdipDialog::CGdipDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxSize& size)
    : wxDialog(parent, id, title, wxDefaultPosition, size, wxBORDER_NONE | wxFRAME_SHAPED),
      link_(*this, *this),
      fixedSize_(size) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetIcons(AppIcons());
    SetClientSize(size);
    Bind(wxEVT_PAINT, &CGdipDialog::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CGdipDialog::OnLeftDown, this);
    Bind(wxEVT_MOTION, &CGdipDialog::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &CGdipDialog::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CGdipDialog::OnCaptureLost, this);
    Bind(wxEVT_CHAR_HOOK, &CGdipDialog::OnCharHook, this);
}

CGdipDialog::~CGdipDialog() {
    if (HasCapture()) ReleaseMouse();
}

bool CGdipDialog::Show(bool show) {
    // wxDialog::Show runs InitDialog again on every show: a window whose set-up were
    // named so would build every control twice and draw its picture into a cache the size
    // of the window not yet mapped. Everything else wxDialog::Show does is done here.
    if (!show && IsModal()) EndModal(wxID_CANCEL);
    bool changed = wxTopLevelWindow::Show(show);
    if (show) SetClientSize(fixedSize_);
    return changed;
}

bool CGdipDialog::SetBackground(int id) {
    // The size the window keeps, not the one reported now: a window not yet mapped (even
    // one already shown) may report no client area at all.
    const bool prepared = prepared_.valid() && preparedId_ == id;
    const wxImage shown = prepared ? prepared_.get() : PictureAsShown(id, fixedSize_);
    prepared_ = {};  // waits for a picture prepared for nothing
    cache_ = shown.IsOk() ? wxBitmap(shown, 24) : wxBitmap();
    Refresh(false);
    return true;
}

void CGdipDialog::PrepareBackground(int id) {
    EnsurePngDecoder();  // the decoders' list is filled here, only read by the worker
    preparedId_ = id;
    prepared_ = std::async(std::launch::async, [id, size = fixedSize_] { return PictureAsShown(id, size); });
}

void CGdipDialog::SetWindowShape(const std::vector<ShapePoint>& outline) {
    std::vector<wxPoint> points;
    for (const ShapePoint& p : outline) points.emplace_back(p.x, p.y);
    if (points.size() >= 3) SetShape(wxRegion(points.size(), points.data()));
}

LRESULT CGdipDialog::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SKIN_DRAWPARENTBKGND) return AnswerFromCache(*this, cache_, wParam, lParam);
    if (message == WM_ERASEBKGND) return 1;
    return 0;
}

void CGdipDialog::OnPaint(wxPaintEvent&) {
    // Straight onto the window: the toolkit paints off-screen and shows the frame whole.
    wxPaintDC dc(this);
    if (cache_.IsOk()) dc.DrawBitmap(cache_, 0, 0, false);
    PaintOver(dc);
}

// A borderless window is dragged by any free spot of its own surface.
void CGdipDialog::OnLeftDown(wxMouseEvent& event) {
    dragging_ = true;
    grabOffset_ = ClientToScreen(event.GetPosition()) - GetPosition();
    if (!HasCapture()) CaptureMouse();
    event.Skip();
}

void CGdipDialog::OnMotion(wxMouseEvent& event) {
    if (dragging_ && event.LeftIsDown()) Move(ClientToScreen(event.GetPosition()) - grabOffset_);
    event.Skip();
}

void CGdipDialog::OnLeftUp(wxMouseEvent& event) {
    dragging_ = false;
    if (HasCapture()) ReleaseMouse();
    event.Skip();
}

void CGdipDialog::OnCaptureLost(wxMouseCaptureLostEvent&) { dragging_ = false; }

// Every key passes here before the focused control sees it.
void CGdipDialog::OnCharHook(wxKeyEvent& event) {
    std::optional<DialogKey> key = DialogKeyOf(event);
    wxWindow* focus = FindFocus();
    wxWindow& from = (focus != nullptr && wxGetTopLevelParent(focus) == this) ? *focus : *this;
    if (!key || FocusWantsKey(focus, *key) || !SendDialogKey(from, *key)) event.Skip();
}

}  // namespace lumora
