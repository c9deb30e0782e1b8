#pragma once
// The time-zone page: the appliance's zone picked from the list of 96.

#include "ui/skin/GdipButton.h"
#include "ui/skin/GdipListCtrl.h"
#include "ui/wizard/WizardPage.h"

namespace lumora {

class CTimeZonePage : public CWizardPage {
public:
    enum Id { kList = 1067, kUp = 1101, kDown = 1102 };

    void SetupSkin() override;
    int LoadData() override { return LoadWizardInfo(); }
    // Sends the clicked (or loaded) zone; 0 while there is none.
    int Apply() override;
    LRESULT OnPageMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

    // Shows or hides Up and Down for the list's scroll position.
    void UpdateScrollButtons();

    CGdipListCtrl* list = nullptr;
    CGdipButton* up = nullptr;
    CGdipButton* down = nullptr;
    int selectedRow = -1;  // row last clicked, or the row loaded from the appliance
    int loadedRow = -1;    // row loaded from the appliance; -1 until an answer named a zone

private:
    void ScrollBy(int rows);
};

}  // namespace lumora
