#pragma once
// The desktop program's message boxes and modal dialogs, shown with wx.

#include "platform/Dialogs.h"

namespace lumora {

class WxDialogService : public DialogService {
public:
    // Shows a wxMessageDialog over the owner (or the active window); from a worker thread
    // the box is shown on the UI thread and the worker waits for the answer.
    DialogAnswer ShowMessageBox(const MessageBoxRequest& request) override;
    // Runs the dialog: wx dialogs run their own modal loop inside `run`.
    int RunModal(std::string_view name, const std::function<int()>& run) override;
};

}  // namespace lumora
