#include "ui/wizard/UserGroupPage.h"

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "platform/Format.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/cgi/CgiReplyRecords.h"
#include "protocol/query/Messages.h"
#include "ui/skin/SkinEdit.h"
#include "ui/skin/WxText.h"
#include "ui/wizard/WizardSkin.h"

namespace lumora {

namespace {

template <std::size_t N>
bool FitsField(const char (&)[N], std::u16string_view text) {
    return EncodeUtf8Units(text).size() <= N - 1;
}

}  // namespace

std::u16string DeviceInfoProblem(std::u16string_view name, std::u16string_view workgroup,
                                 std::u16string_view description) {
    for (char16_t c : kForbiddenNameCharacters) {
        const char16_t* field = name.find(c) != std::u16string_view::npos        ? u"Name"
                                : workgroup.find(c) != std::u16string_view::npos ? u"Workgroup"
                                                                                 : nullptr;
        if (field != nullptr)
            return FormatText(Tr(u"The %s must not include the following characters:%s."),
                              {Tr(field), kForbiddenNameCharacters});
    }
    // The record's fields hold 15, 15 and 30 bytes: a letter beyond ASCII takes two or three.
    const DeviceSettings fields;
    const char16_t* tooLong = !FitsField(fields.hostName, name)             ? u"Name"
                              : !FitsField(fields.workgroup, workgroup)     ? u"Workgroup"
                              : !FitsField(fields.description, description) ? u"Description"
                                                                            : nullptr;
    if (tooLong != nullptr)
        return FormatText(
            Tr(u"The %s is too long for the NAS. Letters outside plain English take more room: please "
               u"shorten it."),
            {Tr(tooLong)});
    return {};
}

DeviceSettings MakeDeviceSettings(std::u16string_view name, std::u16string_view workgroup,
                                  std::u16string_view description) {
    DeviceSettings settings;
    CopyToField(settings.hostName, EncodeUtf8Units(name));
    CopyToField(settings.workgroup, EncodeUtf8Units(workgroup));
    CopyToField(settings.description, EncodeUtf8Units(description));
    return settings;
}

void CUserGroupPage::SetupSkin() {
    const struct {
        const char16_t* caption;
        int top;
        wxTextCtrl** edit;
        int id;
        int limit;
    } rows[] = {
        {u"Workgroup", 45, &workgroupEdit, kWorkgroupEdit, 15},
        {u"Name", 93, &nameEdit, kNameEdit, 15},
        {u"Description", 141, &descriptionEdit, kDescriptionEdit, 30},
    };
    for (const auto& row : rows) {
        MakeFieldLabel(window_, wxID_ANY, Edges(65, row.top + 7, 179, row.top + 22), row.caption, 16);
        *row.edit = CreateSkinEdit(window_, row.id, Edges(188, row.top, 376, row.top + 28),
                                   SkinEditStyle{row.limit, false, 18, 100, false});
    }
}

LRESULT CUserGroupPage::OnPageMessage(unsigned message, WPARAM wParam, LPARAM) {
    if (message != WM_CGI_RESULT) return 0;
    if (wParam != 0) {
        MessageBox(Tr(u"Get wizard information failed."));
        return 0;
    }
    const WizardInfo info = g_wizardInfo.Get();
    nameEdit->ChangeValue(ToWx(AnsiToWide(FieldText(info.name))));
    workgroupEdit->ChangeValue(ToWx(AnsiToWide(FieldText(info.workgroup))));
    descriptionEdit->ChangeValue(ToWx(AnsiToWide(FieldText(info.description))));
    return 0;
}

int CUserGroupPage::Apply() {
    const std::u16string workgroup = FromWx(workgroupEdit->GetValue());
    const std::u16string name = FromWx(nameEdit->GetValue());
    const std::u16string description = FromWx(descriptionEdit->GetValue());
    if (const std::u16string problem = DeviceInfoProblem(name, workgroup, description); !problem.empty()) {
        MessageBox(problem, Tr(u"Error"), MessageButtons::Ok, MessageIcon::Exclamation, Handle());
        return 0;
    }
    if (nasIndex == -1) return 0;
    lastStart = SetDeviceInfo(notifyWnd, nasIndex, MakeDeviceSettings(name, workgroup, description));
    if (lastStart == 0) {
        MessageBox(Tr(u"Set Workgroup information failed."));
        return 0;
    }
    return 1;
}

}  // namespace lumora
