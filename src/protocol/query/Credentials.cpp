#include "protocol/query/Credentials.h"

#include "app/Language.h"
#include "platform/Text.h"

namespace lumora {

CredentialField g_userName{};
CredentialField g_password{};

void SetCredentials(std::string_view userName, std::string_view password) {
    CopyToField(g_userName, userName);
    CopyToField(g_password, password);
}

void ClearCredentials() {
    g_userName.fill(0);
    g_password.fill(0);
}

std::u16string CredentialProblem(std::u16string_view text) {
    std::string bytes = WideToAnsi(text);
    if (AnsiToWide(bytes) != text)
        return Tr(u"The user name and password may only hold characters of Western European languages.");
    if (bytes.size() > g_password.size() - 1) return Tr(u"The user name and password may be at most 16 characters long.");
    return {};
}

std::string_view CredentialText(const CredentialField& field) { return FieldText(field); }

}  // namespace lumora
