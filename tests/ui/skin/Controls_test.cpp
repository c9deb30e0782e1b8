// The combo box, slider, progress bar and header's background on real windows.

#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/display.h>

#include "SkinTestSupport.h"
#include "ui/skin/ComboPopup.h"
#include "ui/skin/GdipComboBox.h"
#include "ui/skin/GdipListCtrl.h"
#include "ui/skin/GdipProcessCtrl.h"
#include "ui/skin/GdipSlider.h"
#include "ui/skin/ImageIds.h"

namespace lumora::test {
namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.reset(new RecordingWindow());
        window->Show();
    }
    TestWindow<RecordingWindow> window;
};

TEST_F(ControlsTest, ComboArrowKeysChooseInsideTheList) {
    auto* combo = new CGdipComboBox(window.get(), wxID_ANY, wxPoint(10, 10), wxSize(500, 32));
    EXPECT_TRUE(combo->SetFrameImage(IDB_COMBO_FRAME));
    EXPECT_FALSE(combo->SetFrameImage(213));
    std::vector<int> chosen;
    combo->Bind(wxEVT_COMBOBOX, [&](wxCommandEvent& e) { chosen.push_back(e.GetInt()); });
    for (auto text : {"one", "two", "three"}) combo->Append(text);
    combo->SetSelection(7);  // out of range: ignored
    EXPECT_EQ(combo->GetSelection(), -1);
    for (int key : {WXK_DOWN, WXK_DOWN, WXK_DOWN, WXK_DOWN, WXK_UP}) SendKey(*combo, wxEVT_KEY_DOWN, key);
    EXPECT_EQ(chosen, (std::vector<int>{0, 1, 2, 1}));
    EXPECT_EQ(combo->GetValue(), "two");
    EXPECT_EQ(combo->GetString(3), "");
    combo->Clear();
    EXPECT_EQ(combo->GetValue(), "");
}

TEST_F(ControlsTest, ComboTypedLettersAndHomeEndChooseEntries) {
    auto* combo = new CGdipComboBox(window.get(), wxID_ANY, wxPoint(10, 10), wxSize(500, 32));
    for (auto text : {"Alpha", "beta", "Bravo", "charlie"}) combo->Append(text);
    std::vector<int> chosen;
    combo->Bind(wxEVT_COMBOBOX, [&](wxCommandEvent& e) { chosen.push_back(e.GetInt()); });
    struct Step {
        wxEventType type;
        int key;
    } steps[] = {{wxEVT_CHAR, 'b'},          {wxEVT_CHAR, 'B'},         {wxEVT_CHAR, 'b'},
                 {wxEVT_CHAR, 'x'},          {wxEVT_CHAR, 'a'},         {wxEVT_KEY_DOWN, WXK_END},
                 {wxEVT_KEY_DOWN, WXK_HOME}, {wxEVT_KEY_DOWN, WXK_HOME}};
    for (const Step& s : steps) SendKey(*combo, s.type, s.key);
    // b, B and b again go round the two b-entries; x matches nothing; Home on the first is no choice.
    EXPECT_EQ(chosen, (std::vector<int>{1, 2, 1, 0, 3, 0}));
}

TEST_F(ControlsTest, ComboGivenALayoutHeightKeepsOnlyTheFieldAndOpensThatTall) {
    struct Case {
        int height;
        int closed;
        int popupFor20;  // opened height with 20 entries
    } cases[] = {{255, 30, 225}, {32, 32, 480}, {53, 53, 480}, {54, 30, 24}};
    for (const Case& c : cases) {
        auto* combo = new CGdipComboBox(window.get(), wxID_ANY, wxPoint(10, 100), wxSize(500, c.height));
        for (int i = 0; i < 20; ++i) combo->Append(wxString::Format("entry %d", i));
        EXPECT_EQ(combo->GetSize(), wxSize(500, c.closed)) << c.height;
        EXPECT_EQ(combo->PopupHeight(), c.popupFor20) << c.height;
        combo->Destroy();
    }
}

TEST_F(ControlsTest, ComboListScrollsToEveryEntryAndStaysOnTheScreen) {
    // The main window's list: 225 pixels, so 9 whole rows of 30 appliances.
    auto* combo = new CGdipComboBox(window.get(), wxID_ANY, wxPoint(10, 10), wxSize(500, 255));
    for (int i = 0; i < 30; ++i) combo->Append(wxString::Format("KL-440 %d", i));
    std::vector<int> chosen;
    combo->Bind(wxEVT_COMBOBOX, [&](wxCommandEvent& e) { chosen.push_back(e.GetInt()); });
    combo->SetSelection(25);
    combo->ShowPopup();
    ComboPopup* popup = combo->PopupList();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Scroll().Visible(), 9);
    EXPECT_EQ(popup->Highlighted(), 25);
    EXPECT_LE(popup->Scroll().Top(), 25) << "opens with the selection in view";
    EXPECT_GT(popup->Scroll().Top() + 9, 25);

    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = 120;  // away from the user: up the list
    for (int i = 0; i < 20; ++i) popup->GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(popup->Scroll().Top(), 0);
    // A press on the scroll bar below the thumb pages down.
    SendMouse(*popup, wxEVT_LEFT_DOWN, popup->RowsWidth() + 5, popup->GetClientSize().y - 3);
    EXPECT_EQ(popup->Scroll().Top(), 9);
    SendKey(*combo, wxEVT_KEY_DOWN, WXK_END);
    EXPECT_EQ(popup->Scroll().Top(), 21) << "the last entry scrolled into view";
    // The row under the mouse is the one picked: the last, at the bottom of the list.
    SendMouse(*popup, wxEVT_LEFT_UP, 20, 8 * 24 + 5);
    EXPECT_EQ(chosen, std::vector<int>{29});
    EXPECT_FALSE(combo->IsPopupShown());

    // Near the bottom of the screen the list opens above the box instead.
    wxRect screen = wxDisplay(window.get()).GetClientArea();
    window->Move(screen.x + 20, screen.GetBottom() - 120);
    combo->ShowPopup();
    wxRect shown = combo->PopupList()->GetScreenRect();
    EXPECT_TRUE(screen.Contains(shown))
        << shown.x << "," << shown.y << " " << shown.width << "x" << shown.height;
    EXPECT_LT(shown.y, combo->GetScreenRect().y);
    combo->HidePopup();
}

TEST_F(ControlsTest, ASliderDestroyedMidDragLetsTheMouseGo) {
    auto* slider = new CGdipSlider(window.get(), 1, wxPoint(10, 10), wxSize(13, 200));
    SendMouse(*slider, wxEVT_LEFT_DOWN, 5, 50);
    ASSERT_TRUE(slider->HasCapture());
    slider->Destroy();  // a failed wx assertion here fails the test
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
}

TEST_F(ControlsTest, SliderDragAndWheelNotifyTheParent) {
    auto* slider = new CGdipSlider(window.get(), 1, wxPoint(10, 10), wxSize(13, 200));
    slider->SetRange(0, 120);
    std::vector<std::pair<wxEventType, int>> seen;
    auto record = [&](wxScrollEvent& e) { seen.emplace_back(e.GetEventType(), e.GetPosition()); };
    window->Bind(wxEVT_SCROLL_THUMBTRACK, record);
    window->Bind(wxEVT_SCROLL_THUMBRELEASE, record);
    window->Bind(wxEVT_SCROLL_LINEUP, record);
    window->Bind(wxEVT_SCROLL_LINEDOWN, record);

    SendMouse(*slider, wxEVT_LEFT_DOWN, 5, 50);
    wxMouseEvent drag(wxEVT_MOTION);
    drag.SetPosition(wxPoint(5, 100));
    slider->GetEventHandler()->ProcessEvent(drag);
    SendMouse(*slider, wxEVT_LEFT_UP, 5, 100);
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = -120;  // towards the user
    slider->GetEventHandler()->ProcessEvent(wheel);
    wheel.m_wheelRotation = 120;
    slider->GetEventHandler()->ProcessEvent(wheel);

    std::vector<std::pair<wxEventType, int>> expected{{wxEVT_SCROLL_THUMBTRACK, 30},
                                                      {wxEVT_SCROLL_THUMBTRACK, 60},
                                                      {wxEVT_SCROLL_THUMBRELEASE, 60},
                                                      {wxEVT_SCROLL_LINEDOWN, 61},
                                                      {wxEVT_SCROLL_LINEUP, 60}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(slider->FillHeight(), 100);
    slider->SetPos(500);
    EXPECT_EQ(slider->GetPos(), 120);
}

TEST_F(ControlsTest, SliderPressWithoutMovingSendsNoRelease) {
    auto* slider = new CGdipSlider(window.get(), 1, wxPoint(10, 10), wxSize(13, 200));
    slider->SetRange(0, 100);
    int events = 0;
    window->Bind(wxEVT_SCROLL_THUMBRELEASE, [&](wxScrollEvent&) { ++events; });
    window->Bind(wxEVT_SCROLL_THUMBTRACK, [&](wxScrollEvent&) { ++events; });
    Click(*slider, 5, 0);  // position 0 already
    EXPECT_EQ(events, 0);
}

TEST_F(ControlsTest, ProgressBarKeepsItsPositionInRange) {
    auto* bar = new CGdipProcessCtrl(window.get(), wxID_ANY, wxPoint(10, 10), wxSize(357, 16));
    EXPECT_TRUE(
        bar->SetImages(IDB_PROGRESS_TRACK, IDB_PROGRESS_LEFT, IDB_PROGRESS_MIDDLE, IDB_PROGRESS_RIGHT));
    bar->SetPos(150);
    EXPECT_EQ(bar->GetPos(), 100);
    EXPECT_EQ(bar->FillWidth(), 357);
    bar->SetRange(10, 10);
    EXPECT_EQ(bar->FillWidth(), 0);
    bar->SetRange(200, 100);
    EXPECT_EQ(bar->GetLow(), 100);
    EXPECT_EQ(bar->GetPos(), 100);
}

TEST_F(ControlsTest, ListAnswersItsHeaderFromItsCacheAndOthersInGrey) {
    window->SetBackground(IDB_BACKGROUND_MAIN);
    auto* list = new CGdipListCtrl(window.get(), wxID_ANY, wxPoint(100, 120), wxSize(300, 200));
    wxWindow* header = nullptr;
    for (wxWindow* child : list->GetChildren())
        if (dynamic_cast<CGdipHeaderCtrl*>(child)) header = child;
    ASSERT_NE(header, nullptr);
    auto backgroundOf = [&](wxWindow& w) {
        wxBitmap target(20, 10, 24);
        wxMemoryDC dc(target);
        RequestBackground(list, HandleOf(&w), dc);
        dc.SelectObject(wxNullBitmap);
        wxImage image = target.ConvertToImage();
        return wxColour(image.GetRed(5, 5), image.GetGreen(5, 5), image.GetBlue(5, 5));
    };
    wxImage cache = window->BackgroundCache().ConvertToImage();
    EXPECT_EQ(backgroundOf(*header),
              wxColour(cache.GetRed(105, 125), cache.GetGreen(105, 125), cache.GetBlue(105, 125)));
    EXPECT_EQ(backgroundOf(list->ChoiceBox()), wxColour(0x50, 0x50, 0x50));
}

}  // namespace
}  // namespace lumora::test
