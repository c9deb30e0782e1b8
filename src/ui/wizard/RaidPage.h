#pragma once
// The volume page: how the appliance's one or two disks become volumes, then the
// formatting in the progress dialog.

#include <array>
#include <functional>
#include <memory>

#include "protocol/cgi/CgiRecords.h"
#include "protocol/cgi/CgiReplyRecords.h"
#include "ui/skin/IconRadioButton.h"
#include "ui/wizard/WizardPage.h"

namespace lumora {

class CRaidPage : public CWizardPage {
public:
    enum Id { kStandAlone = 1071, kJbod = 1075, kRaid0 = 1073, kRaid1 = 1078 };
    // The layouts in button order: StandAlone, JBOD, RAID 0, RAID 1.
    static constexpr std::array<int, 4> kButtonIds = {kStandAlone, kJbod, kRaid0, kRaid1};

    ~CRaidPage() override;
    void SetupSkin() override;
    int LoadData() override;
    // Confirms, builds the volumes and runs the format dialog; 1 when it ran.
    int Apply() override;
    LRESULT OnPageMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

    std::array<CIconRadioButton*, 4> buttons{};
    HdInfo disks;
    int diskCount = 0;
    bool diskInfoReceived = false;
    std::unique_ptr<VolumeSpec> volumeChain;

private:
    int RunFormat();
};

}  // namespace lumora
