#pragma once
// What every skinned button shares: the off-screen paint over the parent background,
// the cached half-opacity disabled face, hover with its tooltip, clicks, check state
// and the unchecking of a radio group.

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "ui/skin/SkinControl.h"
#include "ui/skin/SkinToolTip.h"
#include "ui/skin/core/ButtonRules.h"

namespace lumora {

// The state a face is drawn for.
struct FaceState {
    bool disabled = false;
    bool pressed = false;  // the mouse went down on the button and is still down
    bool focused = false;
    bool hover = false;
    int checked = 0;
};

class CSkinButtonBase : public CSkinControl {
public:
    CSkinButtonBase(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos,
                    const wxSize& size, ButtonKind kind);
    ~CSkinButtonBase() override;

    ButtonKind Kind() const { return kind_; }
    // BM_SETCHECK: stores the check (never for push buttons); a checked radio button
    // posts WM_SKIN_UNCHECKGROUP to the rest of its group. Only radio buttons obey that
    // message, so a check box in or after a group is never cleared by a radio.
    void SetCheck(int checked);
    // BM_GETCHECK.
    int GetCheck() const { return checked_; }
    // Marks this button as the first of a dialog group: without MakeRadioGroup, a radio's
    // group is the run of its siblings from such a mark to the next one.
    void SetGroupStart(bool start) { groupStart_ = start; }
    bool IsGroupStart() const { return groupStart_; }

    // Tooltip text; nothing happens for an empty text. The tip pops up when hovering,
    // switched on again if `activate` was false.
    void SetToolTip(std::u16string_view text, bool activate = true);
    using wxWindow::SetToolTip;
    // Removes the tip window; the text stays, and hovering makes the tip again.
    void DeleteToolTip();
    // The tooltip, null until a text was given.
    CSkinToolTip* ToolTip() const { return tooltip_.get(); }

    bool IsHover() const { return hover_; }
    // Shows or clears the hover look, as the mouse resting on the button does.
    void SetHover(bool hover);
    // Shows or clears the pressed look, as a held mouse button does.
    void SetPressed(bool pressed);
    // Whether the face is drawn pressed (held by the mouse over it, or by the space bar).
    bool IsPressedLook() const { return CurrentState().pressed; }
    // Whether the window text is drawn over the face (default true).
    void SetDrawText(bool draw);
    bool DrawsText() const { return drawText_; }
    // Forgets the cached disabled face (released with the images).
    void ResetDisabledCache() { disabledCache_ = wxBitmap(); }

    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;
    bool AcceptsFocus() const override { return IsEnabled(); }

protected:
    // A disabled window hears nothing more of the pointer: its light and tip go at once.
    void DoEnable(bool enable) override;
    // Draws the face (and marks) for the state; called after the parent background.
    virtual void DrawFace(wxDC& dc, const FaceState& state) = 0;
    // Draws the text over the face.
    virtual void DrawLabel(wxDC& dc, const FaceState& state) {}
    // The check a click released on the button leaves.
    virtual int CheckAfterRelease() const { return CheckAfterClick(kind_, checked_); }
    // Draws through the disabled cache: `draw` composes the face once, later paints copy it.
    void DrawDisabledCached(wxDC& dc, const wxRect& area, const std::function<void()>& draw);
    FaceState CurrentState() const;

private:
    void Paint(wxDC& dc, const wxRect& client) override;
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnEnter(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void NotifyClick();
    void CreateToolTip();
    void UncheckGroup();

    friend void MakeRadioGroup(std::initializer_list<CSkinButtonBase*> members);

    ButtonKind kind_;
    std::shared_ptr<std::vector<HWND>> radioGroup_;  // set by MakeRadioGroup
    bool drawText_ = true;
    int checked_ = 0;
    bool groupStart_ = false;
    bool hover_ = false;
    bool pressed_ = false;
    bool pointerInside_ = true;  // while pressed: whether the mouse is over the button
    bool spaceDown_ = false;
    wxBitmap disabledCache_;
    std::unique_ptr<CSkinToolTip> tooltip_;
    wxString tipText_;
};

// Makes `members` one radio group, ending where the window says: checking one unchecks
// the others and nothing else, whatever lies between them. A member leaves its earlier
// group. Buttons destroyed later simply drop out.
void MakeRadioGroup(std::initializer_list<CSkinButtonBase*> members);

}  // namespace lumora
