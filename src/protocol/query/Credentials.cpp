#include "protocol/query/Credentials.h"

#include "app/Language.h"
#include "platform/Text.h"

namespace lumora {

Guarded<CredentialField> g_userName;
Guarded<CredentialField> g_password;

namespace {

CredentialField Field(std::string_view text) {
    CredentialField field{};
    CopyToField(field, text);
    return field;
}

}  // namespace

void SetCredentials(std::string_view userName, std::string_view password) {
    g_userName.Set(Field(userName));
    g_password.Set(Field(password));
}

void SetPassword(std::string_view password) { g_password.Set(Field(password)); }

void ClearCredentials() {
    g_userName.Set({});
    g_password.Set({});
}

std::u16string CredentialProblem(std::u16string_view text) {
    std::string bytes = WideToAnsi(text);
    if (AnsiToWide(bytes) != text)
        return Tr(u"The user name and password may only hold characters of Western European languages.");
    if (bytes.size() > CredentialField{}.size() - 1)
        return Tr(u"The user name and password may be at most 16 characters long.");
    return {};
}

std::string CredentialText(const Guarded<CredentialField>& credential) {
    return std::string(FieldText(credential.Get()));
}

}  // namespace lumora
