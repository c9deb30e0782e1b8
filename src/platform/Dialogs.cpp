#include "platform/Dialogs.h"

#include <atomic>
#include <cstdio>

#include "platform/Text.h"

namespace lumora {
namespace {

class ConsoleDialogs : public DialogService {
public:
    DialogAnswer ShowMessageBox(const MessageBoxRequest& request) override {
        std::fprintf(stderr, "%s%s%s\n", WideToUtf8(request.caption).c_str(),
                     request.caption.empty() ? "" : ": ", WideToUtf8(request.text).c_str());
        return request.buttons == MessageButtons::YesNo ? DialogAnswer::Yes : DialogAnswer::Ok;
    }
    int RunModal(std::string_view, const std::function<int()>& run) override { return run(); }
};

ConsoleDialogs& consoleDialogs() {
    static ConsoleDialogs instance;
    return instance;
}

std::atomic<DialogService*> g_installed{nullptr};

}  // namespace

void SetDialogService(DialogService* service) { g_installed = service; }

DialogService& Dialogs() {
    DialogService* service = g_installed.load();
    return service ? *service : consoleDialogs();
}

DialogAnswer MessageBox(std::u16string text, std::u16string caption, MessageButtons buttons, MessageIcon icon,
                        HWND owner) {
    return Dialogs().ShowMessageBox({std::move(text), std::move(caption), buttons, icon, owner});
}

}  // namespace lumora
