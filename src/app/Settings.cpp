#include "app/Settings.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <mutex>

#include "app/IniFile.h"
#include "app/Language.h"
#include "platform/SecretStore.h"
#include "platform/FileContents.h"
#include "platform/Text.h"

namespace lumora {

namespace fs = std::filesystem;

namespace {

// Reads and writes may come from the UI thread and from the discovery worker at once;
// a write is a read-modify-replace of the whole file, so they take turns.
std::mutex& fileMutex() {
    static std::mutex instance;
    return instance;
}

std::optional<fs::path> configHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/') return fs::path(xdg);
    const char* home = std::getenv("HOME");
    if (home && *home == '/') return fs::path(home) / ".config";
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir && *entry->pw_dir == '/')
        return fs::path(entry->pw_dir) / ".config";
    return std::nullopt;
}

// Makes a missing folder, and its missing parents (a fresh account may have no
// configuration folder yet), readable by the owner only: the file holds credentials.
bool makePrivateFolder(const fs::path& folder) {
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return true;
    if (fs::path parent = folder.parent_path(); parent != folder && !makePrivateFolder(parent)) return false;
    // Another process may make it at the same moment; what counts is that it is there.
    return ::mkdir(folder.c_str(), 0700) == 0 || fs::is_directory(folder, ec);
}

}  // namespace

// --- Access

std::optional<fs::path> GetSettingsPath() {
    // Worked out on every call, which is cheap: a folder removed while the program
    // runs is made again, and a failed attempt is simply tried again next time.
    std::optional<fs::path> base = configHome();
    if (!base) return std::nullopt;
    fs::path folder = *base / "Tessil";
    if (!makePrivateFolder(folder)) return std::nullopt;
    return folder / "Tessil.ini";
}

bool ReadSetting(std::u16string_view section, std::u16string_view key, std::u16string& out) {
    if (section.empty() || key.empty()) return false;
    std::lock_guard lock(fileMutex());
    std::optional<fs::path> path = GetSettingsPath();
    if (!path) return false;
    std::string file;
    if (ReadFileContents(*path, file) != FileRead::Ok) return false;
    std::optional<std::u16string> value = ini::Lookup(file, section, key);
    if (!value || value->empty()) return false;
    if (value->size() > kMaxSettingLength) value->resize(kMaxSettingLength);
    out = std::move(*value);
    return true;
}

void WriteSetting(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    if (section.empty() || key.empty()) return;
    std::lock_guard lock(fileMutex());
    std::optional<fs::path> path = GetSettingsPath();
    if (!path) return;
    std::string file;
    // A file that exists but cannot be read is not replaced: its contents would be lost.
    if (ReadFileContents(*path, file) == FileRead::Failed) return;
    std::string updated = ini::Update(file, section, key, value);
    if (updated != file) ReplaceFileContents(*path, updated);
}

void ClearSetting(std::u16string_view section, std::u16string_view key) { WriteSetting(section, key, u""); }

// --- Inactivity logout period

unsigned InterpretLoginOutTime(std::optional<std::u16string_view> text) {
    if (!text) return 3600000;
    const std::int32_t number = LeadingInteger(*text);
    // Whole minutes, cut toward zero; any period the settings dialog does not offer means 60 minutes.
    switch (number / 60000) {
        case 0: return 0;
        case 5: return 300000;
        case 15: return 900000;
        case 30: return 1800000;
        default: return 3600000;
    }
}

std::u16string FormatLoginOutTime(unsigned milliseconds) {
    std::string digits = std::to_string(milliseconds) + ":";
    return std::u16string(digits.begin(), digits.end());
}

unsigned ReadLoginOutTime() {
    std::u16string text;
    if (!ReadSetting(kSectionCurrent, kKeyLoginOutTime, text)) return InterpretLoginOutTime(std::nullopt);
    return InterpretLoginOutTime(text);
}

void WriteLoginOutTime(unsigned milliseconds) {
    WriteSetting(kSectionCurrent, kKeyLoginOutTime, FormatLoginOutTime(milliseconds));
}

// --- Remembered credentials

std::u16string EncodePassword(std::u16string_view password) {
    return AnsiToWide(Base64Encode(WideToAnsi(password)));
}

std::u16string DecodePassword(std::u16string_view stored) {
    return AnsiToWide(Base64Decode(WideToAnsi(stored)));
}

// --- Remembered credentials, with the password in the desktop keyring where one answers

namespace {

std::atomic<bool> g_keyringFailed{false};
std::atomic<bool> g_keyringNoticeTaken{false};

// The keyring when one is installed and answers now; null means the settings file.
SecretStore* AnsweringKeyring() {
    SecretStore* keyring = InstalledSecretStore();
    return keyring && keyring->Available() ? keyring : nullptr;
}

void NoteKeyringFailure() { g_keyringFailed.store(true); }

}  // namespace

RememberedLogin ReadRememberedLogin(std::u16string_view applianceName) {
    RememberedLogin login;
    if (applianceName.empty()) return login;
    ReadSetting(applianceName, kKeyUserName, login.userName);
    std::u16string stored;
    const bool inFile = ReadSetting(applianceName, kKeyPassWord, stored);
    if (inFile) login.password = DecodePassword(stored);
    SecretStore* keyring = AnsweringKeyring();
    if (!keyring) return login;
    const std::u16string name(applianceName);
    if (inFile) {
        // A password from before the keyring moves there; the file keeps it until the keyring has it.
        if (keyring->Store(name, login.password))
            ClearSetting(applianceName, kKeyPassWord);
        else
            NoteKeyringFailure();
    } else if (auto kept = keyring->Lookup(name)) {
        login.password = *kept;
    } else {
        NoteKeyringFailure();
    }
    return login;
}

void RememberLogin(std::u16string_view applianceName, std::u16string_view userName,
                   std::u16string_view password) {
    WriteSetting(applianceName, kKeyUserName, userName);
    if (SecretStore* keyring = AnsweringKeyring()) {
        if (keyring->Store(std::u16string(applianceName), std::u16string(password))) {
            ClearSetting(applianceName, kKeyPassWord);
            return;
        }
        NoteKeyringFailure();
    }
    WriteSetting(applianceName, kKeyPassWord, EncodePassword(password));
}

void ForgetLogin(std::u16string_view applianceName) {
    ClearSetting(applianceName, kKeyUserName);
    ClearSetting(applianceName, kKeyPassWord);
    if (SecretStore* keyring = AnsweringKeyring())
        if (!keyring->Clear(std::u16string(applianceName))) NoteKeyringFailure();
}

bool PasswordsInKeyring() { return AnsweringKeyring() != nullptr; }

std::u16string PasswordPlaceText() {
    return PasswordsInKeyring() ? Tr(u"Passwords are kept in the desktop keyring.")
                                : Tr(u"Passwords are kept in the settings file.");
}

std::u16string TakeKeyringNotice() {
    if (!g_keyringFailed.load() || g_keyringNoticeTaken.exchange(true)) return {};
    return Tr(u"The desktop keyring did not answer; passwords are kept in the settings file for now.");
}

}  // namespace lumora
