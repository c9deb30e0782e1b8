#pragma once
// The drive-mapping page: the appliance's shares, each mapped to a drive letter of
// the PC or not ("select"); choosing a letter maps the share at once.

#include <array>
#include <string>
#include <vector>

#include "ui/skin/GdipListCtrl.h"
#include "ui/wizard/WizardPage.h"

namespace lumora {

// What one drive letter of the PC points to, split from its remote name "\\SERVER\SHARE".
struct DriveConnection {
    std::u16string server;  // at most 48 characters; longer connections are skipped
    std::u16string share;   // at most 254 characters
    std::u16string letter;  // "Z:"
};

// The server and share of a remote name; both empty when it has no backslash after the
// server or a part is too long for the connection record.
DriveConnection SplitRemoteName(std::u16string_view remoteName, std::u16string letter);

class CDriveMappingPage : public CWizardPage {
public:
    enum Id { kList = 1076 };

    void SetupSkin() override;
    int LoadData() override;
    LRESULT OnPageMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

    // The letters row `row` may be given, Z: first (the row's own letters included).
    std::vector<std::u16string> FreeLetters(int row);

    CGdipListCtrl* list = nullptr;
    std::u16string nasAddress;
    std::array<DriveConnection, 26> connections;  // Z: down to A:
    std::vector<char16_t> rowLetters;             // each row's letter when filled (a space for "select")

private:
    void OnShareList(WPARAM result);
    void ScanConnections();
    void FillList();
    void OnEdited(int row);
    bool MapShare(const std::u16string& share, const std::u16string& oldLabel,
                  const std::u16string& newLabel);
};

}  // namespace lumora
