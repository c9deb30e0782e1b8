#pragma once
// The one seam through which message boxes and modal dialogs are shown.
//
// The desktop program installs a wx implementation; tests install a scripted
// one that records every question and gives the answers the test chose.
// Without an installed implementation, message boxes go to standard error
// and are answered with their default (first) button.

#include <functional>
#include <string>
#include <string_view>

#include "platform/WindowMessages.h"

namespace lumora {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Information, Exclamation, Error, Question };
enum class DialogAnswer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    std::u16string text;
    std::u16string caption;  // empty: the program's name
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    HWND owner = kNoWindow;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    // Shows a message box and returns the button pressed. May be called from worker threads.
    virtual DialogAnswer ShowMessageBox(const MessageBoxRequest& request) = 0;
    // Runs a modal dialog named `name` (its class name) by calling `run`, or answers for it.
    // Returns the dialog's end code (IDOK = 1, IDCANCEL = 2).
    virtual int RunModal(std::string_view name, const std::function<int()>& run) = 0;
};

// Installs the service (null restores the standard-error fallback).
void SetDialogService(DialogService* service);
DialogService& Dialogs();

// Shorthand for a message box through the installed service.
DialogAnswer MessageBox(std::u16string text, std::u16string caption = {},
                        MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None,
                        HWND owner = kNoWindow);

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

}  // namespace lumora
