#pragma once
// The device information page: the appliance's host name, workgroup and description.

#include <string>

#include <wx/textctrl.h>

#include "protocol/cgi/CgiRecords.h"
#include "ui/wizard/WizardPage.h"

namespace lumora {

// The characters a host name or workgroup must not hold, in the order they are looked for.
inline constexpr std::u16string_view kForbiddenNameCharacters = u"*+=|/\\:';<>?,\"$%&[]{}#@!~()^.";

// Why the three texts cannot be sent, or empty when they can: a forbidden character in the
// name or workgroup (the first in list order; the name before the workgroup), or a text whose
// UTF-8 form does not fit its field.
std::u16string DeviceInfoProblem(std::u16string_view name, std::u16string_view workgroup,
                                 std::u16string_view description);
// The record for the three texts (each must fit; see DeviceInfoProblem).
DeviceSettings MakeDeviceSettings(std::u16string_view name, std::u16string_view workgroup,
                                  std::u16string_view description);

class CUserGroupPage : public CWizardPage {
public:
    enum Id { kWorkgroupEdit = 1061, kNameEdit = 1064, kDescriptionEdit = 1066 };

    void SetupSkin() override;
    int LoadData() override { return LoadWizardInfo(); }
    // Checks the texts and starts sending them; 1 when it was started.
    int Apply() override;
    LRESULT OnPageMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

    wxTextCtrl* workgroupEdit = nullptr;
    wxTextCtrl* nameEdit = nullptr;
    wxTextCtrl* descriptionEdit = nullptr;
};

}  // namespace lumora
