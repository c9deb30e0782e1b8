#pragma once
// The per-user settings file, $XDG_CONFIG_HOME/Tessil/Tessil.ini (~/.config
// when the variable is unset, empty or not an absolute path).
//
// There is no copy in memory: every read goes to the file and every write is
// on disk when it returns. A write goes to a temporary file in the same folder
// which then replaces the old one, so the file is never lost half-written; a
// read-only file is left alone. Failures are silent: a read that finds nothing
// reports false and the caller keeps its default. Every function here may be
// called from any thread; calls are serialised.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// --- Sections and keys

inline constexpr std::u16string_view kSectionLanguage = u"Language";
inline constexpr std::u16string_view kKeyLanguage = u"Language";
inline constexpr std::u16string_view kSectionCurrent = u"Current";
inline constexpr std::u16string_view kKeyLoginOutTime = u"LoginOutTime";
inline constexpr std::u16string_view kKeyServName = u"ServName";
inline constexpr std::u16string_view kKeyUserName = u"UserName";  // in the appliance's own section
inline constexpr std::u16string_view kKeyPassWord = u"PassWord";  // in the appliance's own section
inline constexpr std::u16string_view kSectionUsed = u"Used";
inline constexpr std::u16string_view kKeyFirstOpen = u"FirstOpen";

// At most this many characters of a value are read back.
inline constexpr std::size_t kMaxSettingLength = 1023;

// --- Access

// The path of the file, creating its folder when missing; nothing when the folder cannot be had.
std::optional<std::filesystem::path> GetSettingsPath();
// Reads a value into `out`; false (and `out` untouched) when the file, section or key is
// missing or the value is empty. Longer values come back cut to kMaxSettingLength characters.
bool ReadSetting(std::u16string_view section, std::u16string_view key, std::u16string& out);
// Writes a value, adding the section and key when missing. Nothing is reported.
void WriteSetting(std::u16string_view section, std::u16string_view key, std::u16string_view value);
// Writes an empty value: the key stays in the file.
void ClearSetting(std::u16string_view section, std::u16string_view key);

// --- Inactivity logout period ("Current"/"LoginOutTime")

// The period in milliseconds for a stored text; `text` is nothing when no value was read.
unsigned InterpretLoginOutTime(std::optional<std::u16string_view> text);
// The stored form of a period: the decimal number followed by a colon.
std::u16string FormatLoginOutTime(unsigned milliseconds);
// Reads and interprets the stored period (60 minutes when there is none).
unsigned ReadLoginOutTime();
// Stores a period.
void WriteLoginOutTime(unsigned milliseconds);

// --- Remembered credentials (one section per appliance name)

// The stored form of a password: Base64 of its Windows-1252 bytes.
std::u16string EncodePassword(std::u16string_view password);
// The password a stored text stands for; empty for an empty text.
std::u16string DecodePassword(std::u16string_view stored);

struct RememberedLogin {
    std::u16string userName;
    std::u16string password;  // decoded
};
// Where a keyring is installed (SetSecretStore) and answers, the password lives
// there and the file keeps only the user name (its password key stays, empty);
// otherwise the file keeps both as it always did. A keyring that stops answering
// costs nothing stored: the file is used again and TakeKeyringNotice says so once.

// The credentials remembered for an appliance; empty fields when there are none.
// A password still in the file moves to an answering keyring here.
RememberedLogin ReadRememberedLogin(std::u16string_view applianceName);
// Remembers the credentials for an appliance (the user name in plain text, the password encoded).
void RememberLogin(std::u16string_view applianceName, std::u16string_view userName,
                   std::u16string_view password);
// Forgets them: both keys stay, with empty values; the keyring item goes.
void ForgetLogin(std::u16string_view applianceName);
// True when remembered passwords go to the desktop keyring now.
bool PasswordsInKeyring();
// A sentence for the settings dialog saying where remembered passwords are kept.
std::u16string PasswordPlaceText();
// Once after a keyring failed, the message telling the user so; empty otherwise.
std::u16string TakeKeyringNotice();

}  // namespace lumora
