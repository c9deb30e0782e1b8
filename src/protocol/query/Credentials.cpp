#include "protocol/query/Credentials.h"

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

std::string_view CredentialText(const CredentialField& field) { return FieldText(field); }

}  // namespace lumora
