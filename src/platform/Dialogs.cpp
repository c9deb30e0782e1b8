#include "platform/Dialogs.h"

#include <atomic>
#include <cstdio>

namespace lumora {
namespace {

// Without a desktop, a message is still worth reading: print it as UTF-8.
std::string toUtf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

class ConsoleDialogs : public DialogService {
public:
    DialogAnswer ShowMessageBox(const MessageBoxRequest& request) override {
        std::fprintf(stderr, "%s%s%s\n", toUtf8(request.caption).c_str(), request.caption.empty() ? "" : ": ",
                     toUtf8(request.text).c_str());
        return request.buttons == MessageButtons::YesNo ? DialogAnswer::Yes : DialogAnswer::Ok;
    }
    int RunModal(std::string_view, const std::function<int()>& run) override { return run(); }
};

ConsoleDialogs& consoleDialogs() {
    static ConsoleDialogs instance;
    return instance;
}

std::atomic<DialogService*> installed{nullptr};

}  // namespace

void SetDialogService(DialogService* service) { installed = service; }

DialogService& Dialogs() {
    DialogService* service = installed.load();
    return service ? *service : consoleDialogs();
}

DialogAnswer MessageBox(std::u16string text, std::u16string caption, MessageButtons buttons, MessageIcon icon,
                        HWND owner) {
    return Dialogs().ShowMessageBox({std::move(text), std::move(caption), buttons, icon, owner});
}

}  // namespace lumora
