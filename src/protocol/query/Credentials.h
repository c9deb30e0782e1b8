#pragma once
// The credentials of the active login, shared by every request.
//
// 8-bit texts in the tool's ANSI code page, at most 16 characters each. The UI
// thread sets them at login and reads them to build requests while a worker may
// replace the password (an accepted password change), so each sits behind a lock
// of its own: read them with CredentialText, change them with the functions below.

#include <array>
#include <string>
#include <string_view>

#include "platform/Guarded.h"

namespace lumora {

using CredentialField = std::array<char, 17>;

// User name of the active login: name= of the share list and user access, uname= of a password change.
extern Guarded<CredentialField> g_userName;
// Password of the active login: the password of every CGI request's authorisation.
extern Guarded<CredentialField> g_password;

// Stores both (8-bit texts; longer ones are cut to 16 characters).
void SetCredentials(std::string_view userName, std::string_view password);
// Replaces the password alone (an accepted password change).
void SetPassword(std::string_view password);
// Empties both fields.
void ClearCredentials();
// Why a typed user name or password cannot be sent as it stands, or an empty text
// when it can: every character needs a byte of the 8-bit code page (a substitute
// would change the credential), and the text must fit its 16-byte field. The
// login dialog, the password page and lumora-cli all check with this; the login
// and password-change commands refuse what it refuses.
std::u16string CredentialProblem(std::u16string_view text);
// A copy of a credential's text, up to its terminator.
std::string CredentialText(const Guarded<CredentialField>& credential);

}  // namespace lumora
