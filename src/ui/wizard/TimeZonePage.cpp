#include "ui/wizard/TimeZonePage.h"

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/cgi/CgiReplyRecords.h"
#include "protocol/query/Messages.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/core/SkinMessages.h"
#include "ui/wizard/TimeZones.h"
#include "ui/wizard/WizardSkin.h"

namespace lumora {

namespace {

// The tables keep the menu form "&&" of an ampersand; a list row shows it plainly.
std::u16string ListText(std::u16string text) {
    for (std::size_t at = text.find(u"&&"); at != std::u16string::npos; at = text.find(u"&&", at + 1))
        text.erase(at, 1);
    return text;
}

}  // namespace

void CTimeZonePage::SetupSkin() {
    list = new CGdipListCtrl(window_, kList, wxPoint(0, 29), wxSize(517, 158), false);
    list->InsertColumn(Tr(u"Location"), 400, ColumnAlign::Left);
    list->InsertColumn(Tr(u"TimeZone"), 80, ColumnAlign::Center);
    for (const TimeZoneRow& zone : kTimeZones) {
        const int row = list->InsertItem(ListText(Tr(zone.location)));
        list->SetItemText(row, 1, zone.offset);
    }
    list->HideVerticalScrollBar();
    list->SetColumnFormat(0, 18, 0xFFFFFF);
    list->SetColumnFormat(1, 14, 0xAAAAAA);
    // Only a click picks the zone; moving the highlight with the keys does not.
    list->Bind(EVT_SKIN_LIST_CLICK, [this](wxCommandEvent& event) { selectedRow = event.GetInt(); });
    up = MakeSkinButton(window_, kUp, Edges(238, 0, 258, 14), u"", u"Up", IDB_ARROW_UP, IDB_ARROW_UP,
                        IDB_ARROW_UP);
    down = MakeSkinButton(window_, kDown, Edges(238, 202, 258, 216), u"", u"Down", IDB_ARROW_DOWN,
                          IDB_ARROW_DOWN, IDB_ARROW_DOWN);
    up->SetDrawText(false);
    down->SetDrawText(false);
    window_->Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ScrollBy(-1); }, kUp);
    window_->Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ScrollBy(1); }, kDown);
    UpdateScrollButtons();
}

void CTimeZonePage::ScrollBy(int rows) {
    list->ScrollToRow(list->GetTopIndex() + rows);
    UpdateScrollButtons();
}

void CTimeZonePage::UpdateScrollButtons() {
    const int top = list->GetTopIndex();
    const int spare = list->GetItemCount() - list->GetCountPerPage();
    const bool showUp = spare >= 0 && top != 0;
    const bool showDown = spare >= 0 && (top == 0 || top < spare);
    ShowAndEnable(up, showUp);
    ShowAndEnable(down, showDown);
}

LRESULT CTimeZonePage::OnPageMessage(unsigned message, WPARAM wParam, LPARAM) {
    if (message == WM_SKIN_LISTSCROLLED) {
        UpdateScrollButtons();
        return 0;
    }
    if (message != WM_CGI_RESULT) return 0;
    if (wParam != 0) {
        MessageBox(Tr(u"Get wizard information failed."));
        return 0;
    }
    // A number that names no zone selects nothing: Next then sends nothing.
    loadedRow = selectedRow = TimeZoneRowOf(g_wizardInfo.Get().timeZone);
    list->SetSelection(loadedRow);
    if (loadedRow >= 0) list->EnsureVisible(loadedRow);
    UpdateScrollButtons();
    return 0;
}

int CTimeZonePage::Apply() {
    if (selectedRow == -1 || loadedRow == -1) return 0;
    lastStart = SetTimeZone(notifyWnd, nasIndex, selectedRow + 1);
    if (lastStart == 0) {
        MessageBox(Tr(u"setting failed."));
        return 0;
    }
    return 1;
}

}  // namespace lumora
