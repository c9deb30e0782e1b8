#pragma once
// The desktop program's message boxes and modal dialogs, shown with wx.

#include "platform/Dialogs.h"

class wxWindow;

namespace lumora {

// The window a message box is shown over: the top-level window of `owner`; without one, the
// innermost modal dialog still open (the window the user is working in), else the
// program's top window. Left to the toolkit, a box without an owner was put over the main
// window, which then rose above an open wizard and hid it once the box had gone.
wxWindow* MessageBoxParent(HWND owner);

class WxDialogService : public DialogService {
public:
    // Shows a wxMessageDialog over MessageBoxParent(owner); from a worker thread
    // the box is shown on the UI thread and the worker waits for the answer.
    DialogAnswer ShowMessageBox(const MessageBoxRequest& request) override;
    // Runs the dialog: wx dialogs run their own modal loop inside `run`.
    int RunModal(std::string_view name, const std::function<int()>& run) override;
};

}  // namespace lumora
