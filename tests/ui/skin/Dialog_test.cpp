// The skinned dialog base and the plain text fields of the dialogs.

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "ui/skin/GdipButton.h"
#include "ui/skin/SkinEdit.h"
#include "ui/skin/WxDialogService.h"
#include "ui/skin/core/WindowShape.h"

namespace lumora::test {
namespace {

TEST(GdipDialog, AMessageBoxWithoutOwnerGoesOverTheInnermostModalWindow) {
    // As the main window and the wizard: a modal window opened from a modal window.
    TestWindow<RecordingWindow> outer(new RecordingWindow(wxSize(300, 200)));
    TestWindow<RecordingWindow> inner(new RecordingWindow(wxSize(200, 100)));
    auto* button =
        new CGdipButton(outer.get(), wxID_ANY, "OK", ButtonKind::Push, wxPoint(10, 10), wxSize(90, 30));
    std::vector<wxWindow*> parents;
    outer->CallAfter([&] {
        parents.push_back(MessageBoxParent(kNoWindow));
        // Served by the inner window's own modal loop.
        inner->CallAfter([&] {
            parents.push_back(MessageBoxParent(kNoWindow));
            parents.push_back(MessageBoxParent(HandleOf(button)));
            inner->EndModal(wxID_OK);
        });
        inner->ShowModal();
        parents.push_back(MessageBoxParent(kNoWindow));
        outer->EndModal(wxID_OK);
    });
    outer->ShowModal();
    EXPECT_EQ(parents, (std::vector<wxWindow*>{outer.get(), inner.get(), outer.get(), outer.get()}));
}

TEST(GdipDialog, KeepsItsSizeAndIsDraggedByAFreeSpotOnly) {
    TestWindow<RecordingWindow> window(new RecordingWindow(wxSize(300, 200)));
    window->SetWindowShape(RoundedRectOutline(300, 200, 12));
    window->Show();
    EXPECT_EQ(window->GetClientSize(), wxSize(300, 200));
    // Every skinned window carries the application's icon, for the task switcher and dock.
    EXPECT_GE(window->GetIcons().GetIconCount(), 6u);
    EXPECT_EQ(window->GetIcons().GetIcon(wxSize(48, 48), wxIconBundle::FALLBACK_NONE).GetWidth(), 48);
    wxPoint start = window->GetPosition();

    auto* button =
        new CGdipButton(window.get(), wxID_ANY, "OK", ButtonKind::Push, wxPoint(10, 10), wxSize(110, 34));
    SendMouse(*button, wxEVT_LEFT_DOWN, 5, 5);
    wxMouseEvent moveOnButton(wxEVT_MOTION);
    moveOnButton.SetPosition(wxPoint(50, 30));
    moveOnButton.m_leftDown = true;
    button->GetEventHandler()->ProcessEvent(moveOnButton);
    SendMouse(*button, wxEVT_LEFT_UP, 5, 5);
    EXPECT_EQ(window->GetPosition(), start) << "pressing on a control does not drag";

    SendMouse(*window, wxEVT_LEFT_DOWN, 200, 150);
    wxMouseEvent move(wxEVT_MOTION);
    move.SetPosition(wxPoint(230, 170));
    move.m_leftDown = true;
    window->GetEventHandler()->ProcessEvent(move);
    SendMouse(*window, wxEVT_LEFT_UP, 230, 170);
    EXPECT_EQ(window->GetPosition(), start + wxPoint(30, 20));
}

TEST(SkinEdit, PasswordStyleLengthLimitAndEnter) {
    TestWindow<RecordingWindow> window(new RecordingWindow());
    window->Show();
    auto* ok =
        new CGdipButton(window.get(), wxID_OK, "OK", ButtonKind::Push, wxPoint(10, 60), wxSize(110, 34));
    window->SetDefaultItem(ok);
    int pressed = 0;
    window->Bind(wxEVT_BUTTON, [&](wxCommandEvent& e) { pressed += e.GetId() == wxID_OK; });

    wxTextCtrl* password = CreateSkinEdit(window.get(), wxID_ANY, wxRect(10, 10, 200, 24), {16, true});
    EXPECT_TRUE(password->HasFlag(wxTE_PASSWORD));
    password->WriteText("0123456789abcdef");
    password->WriteText("X");  // one past the limit
    EXPECT_EQ(password->GetValue(), "0123456789abcdef");
    EXPECT_EQ(password->GetFont().GetFaceName(), "DejaVu Sans");

    wxCommandEvent enter(wxEVT_TEXT_ENTER, password->GetId());
    enter.SetEventObject(password);
    password->GetEventHandler()->ProcessEvent(enter);
    EXPECT_EQ(pressed, 1);
}

}  // namespace
}  // namespace lumora::test
