#include "ui/skin/SkinButtonBase.h"

#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include "ui/skin/WxText.h"
#include "ui/skin/core/SkinMessages.h"

namespace lumora {

CSkinButtonBase::CSkinButtonBase(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos,
                                 const wxSize& size, ButtonKind kind)
    : CSkinControl(parent, id, pos, size), kind_(kind) {
    SetLabel(label);
    Bind(wxEVT_LEFT_DOWN, &CSkinButtonBase::OnLeftDown, this);
    // A double click counts as a second click.
    Bind(wxEVT_LEFT_DCLICK, &CSkinButtonBase::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CSkinButtonBase::OnLeftUp, this);
    Bind(wxEVT_ENTER_WINDOW, &CSkinButtonBase::OnEnter, this);
    Bind(wxEVT_MOTION, &CSkinButtonBase::OnMotion, this);
    Bind(wxEVT_LEAVE_WINDOW, &CSkinButtonBase::OnLeave, this);
    Bind(wxEVT_KEY_DOWN, &CSkinButtonBase::OnKeyDown, this);
    Bind(wxEVT_KEY_UP, &CSkinButtonBase::OnKeyUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CSkinButtonBase::OnCaptureLost, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
        Refresh(false);
        e.Skip();
    });
    // A button that loses the focus lets go of a press in progress (Space held, then Tab
    // or a click elsewhere): no pressed face stays behind, and no click follows.
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
        pressed_ = false;
        spaceDown_ = false;
        if (HasCapture()) ReleaseMouse();
        Refresh(false);
        e.Skip();
    });
}

CSkinButtonBase::~CSkinButtonBase() {
    if (HasCapture()) ReleaseMouse();
}

FaceState CSkinButtonBase::CurrentState() const {
    // A held button looks pressed only while the mouse is over it, as the platform button does.
    return {!IsEnabled(), (pressed_ && pointerInside_) || spaceDown_, HasFocus(), hover_, checked_};
}

void CSkinButtonBase::SetCheck(int checked) {
    checked_ = StoredCheck(kind_, checked != 0);
    if (kind_ == ButtonKind::Radio && checked_) UncheckGroup();
    Refresh(false);
}

void MakeRadioGroup(std::initializer_list<CSkinButtonBase*> members) {
    auto group = std::make_shared<std::vector<HWND>>();
    for (CSkinButtonBase* button : members) {
        if (button == nullptr) continue;
        if (button->radioGroup_) std::erase(*button->radioGroup_, button->Handle());
        button->radioGroup_ = group;
        group->push_back(button->Handle());
    }
}

void CSkinButtonBase::UncheckGroup() {
    if (radioGroup_) {
        for (HWND other : *radioGroup_)
            if (other != Handle()) PostMessage(other, WM_SKIN_UNCHECKGROUP);
        return;
    }
    wxWindow* parent = GetParent();
    if (parent == nullptr) return;
    std::vector<wxWindow*> siblings;
    std::vector<bool> starts;
    int self = -1;
    for (wxWindow* w : parent->GetChildren()) {
        if (w == this) self = static_cast<int>(siblings.size());
        auto* button = dynamic_cast<CSkinButtonBase*>(w);
        siblings.push_back(w);
        starts.push_back(siblings.size() == 1 || (button != nullptr && button->IsGroupStart()));
    }
    for (int i : OtherGroupMembers(starts, self)) {
        HWND other = HandleOf(siblings[i]);
        if (other != kNoWindow) PostMessage(other, WM_SKIN_UNCHECKGROUP);
    }
}

LRESULT CSkinButtonBase::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SKIN_UNCHECKGROUP) {
        if (checked_ && kind_ == ButtonKind::Radio) {
            checked_ = 0;
            Refresh(false);
        }
        return 0;
    }
    return CSkinControl::OnMessage(message, wParam, lParam);
}

void CSkinButtonBase::SetToolTip(std::u16string_view text, bool activate) {
    if (text.empty()) return;
    tipText_ = ToWx(text);
    CreateToolTip();
    tooltip_->Activate(activate);
}

void CSkinButtonBase::CreateToolTip() {
    if (!tooltip_) {
        tooltip_ = std::make_unique<CSkinToolTip>(this);
        tooltip_->SetBackColor(0x000000);
        tooltip_->SetTextColor(0xFFFFFF);
        tooltip_->SetAutomaticDelay(1000);
    }
    tooltip_->SetTipText(tipText_);
}

void CSkinButtonBase::DeleteToolTip() { tooltip_.reset(); }

void CSkinButtonBase::SetHover(bool hover) {
    if (hover_ == hover) return;
    hover_ = hover;
    Refresh(false);
}

void CSkinButtonBase::DoEnable(bool enable) {
    if (!enable) {
        SetHover(false);
        if (tooltip_) tooltip_->Hide();
    }
    CSkinControl::DoEnable(enable);
}

void CSkinButtonBase::SetPressed(bool pressed) {
    pressed_ = pressed;
    pointerInside_ = true;
    Refresh(false);
}

void CSkinButtonBase::SetDrawText(bool draw) {
    drawText_ = draw;
    Refresh(false);
}

void CSkinButtonBase::DrawDisabledCached(wxDC& dc, const wxRect& area, const std::function<void()>& draw) {
    if (disabledCache_.IsOk() && disabledCache_.GetSize() == area.GetSize()) {
        dc.DrawBitmap(disabledCache_, area.x, area.y, false);
        return;
    }
    draw();
    // The composed face (background included) is kept; nothing refreshes it later.
    disabledCache_.Create(std::max(area.width, 1), std::max(area.height, 1), 24);
    wxMemoryDC copy(disabledCache_);
    copy.Blit(0, 0, area.width, area.height, &dc, area.x, area.y);
}

void CSkinButtonBase::Paint(wxDC& dc, const wxRect& client) {
    FaceState state = CurrentState();
    DrawFace(dc, state);
    if (drawText_) DrawLabel(dc, state);
}

void CSkinButtonBase::OnLeftDown(wxMouseEvent& event) {
    // A press ends the tip: the click may open a modal window, under whose grab the
    // pointer's leaving never reaches this button.
    if (tooltip_) tooltip_->Hide();
    if (!IsEnabled()) return;
    if (AcceptsFocus()) SetFocus();
    pressed_ = true;
    pointerInside_ = true;
    if (!HasCapture()) CaptureMouse();
    Refresh(false);
}

void CSkinButtonBase::OnLeftUp(wxMouseEvent& event) {
    bool wasPressed = pressed_;
    pressed_ = false;
    if (HasCapture()) ReleaseMouse();
    // Released outside the button: no change and no click.
    bool inside = wxRect(wxPoint(0, 0), GetClientSize()).Contains(event.GetPosition());
    Refresh(false);
    if (!inside || !IsEnabled()) return;
    if (kind_ != ButtonKind::Push) SetCheck(CheckAfterRelease());
    // Last: the click may close the window the button sits on.
    if (wasPressed) NotifyClick();
}

void CSkinButtonBase::OnCaptureLost(wxMouseCaptureLostEvent&) {
    pressed_ = false;
    Refresh(false);
}

void CSkinButtonBase::OnMotion(wxMouseEvent& event) {
    bool inside = wxRect(wxPoint(0, 0), GetClientSize()).Contains(event.GetPosition());
    if (pressed_ && inside != pointerInside_) {
        pointerInside_ = inside;
        Refresh(false);
    }
    // While the mouse is held the button keeps it, so moves arrive from outside as well.
    if (inside)
        OnEnter(event);
    else
        event.Skip();
}

void CSkinButtonBase::OnEnter(wxMouseEvent& event) {
    if (!hover_) {
        SetHover(true);
        // Hovering makes the tip afresh from the stored text, switched on, whatever
        // happened to the tip before.
        if (!tipText_.empty()) {
            CreateToolTip();
            tooltip_->Activate(true);
            tooltip_->PopupAt(ClientToScreen(event.GetPosition()));
        }
    }
    event.Skip();
}

void CSkinButtonBase::OnLeave(wxMouseEvent& event) {
    SetHover(false);
    if (tooltip_) tooltip_->Hide();
    event.Skip();
}

void CSkinButtonBase::OnKeyDown(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_SPACE) {
        event.Skip();
        return;
    }
    if (!spaceDown_ && kind_ != ButtonKind::Push) SetCheck(CheckAfterRelease());
    spaceDown_ = true;
    Refresh(false);
}

void CSkinButtonBase::OnKeyUp(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_SPACE || !spaceDown_) {
        event.Skip();
        return;
    }
    spaceDown_ = false;
    Refresh(false);
    NotifyClick();
}

void CSkinButtonBase::NotifyClick() {
    if (tooltip_) tooltip_->Hide();  // a click by key as well
    wxCommandEvent click(wxEVT_BUTTON, GetId());
    click.SetEventObject(this);
    click.SetInt(checked_);
    wxWeakRef<CSkinButtonBase> self(this);
    // A modal window the click opens holds the pointer (a grab of the toolkit's, which
    // disables nothing), so the pointer's leaving never reaches this button: the face is
    // out while the click is handled, and lit again after it only if the pointer is still
    // on the button and the button is still there to click (Logout hides itself).
    const bool wasHover = hover_;
    SetHover(false);
    ProcessWindowEvent(click);
    if (self && wasHover && IsEnabled() && IsShownOnScreen() &&
        GetScreenRect().Contains(wxGetMousePosition()))
        SetHover(true);
}

}  // namespace lumora
