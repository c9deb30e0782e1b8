#pragma once
// The desktop program: chooses the language from the settings file, runs the main
// window modally and ends when it closes.

#include <memory>

#include <wx/app.h>

#include "ui/skin/WxDialogService.h"
#include "ui/skin/WxMessageDispatcher.h"

namespace lumora {

class CTessilApp : public wxApp {
public:
    // Prepares images, the message layer, the dialog service and the catalogue.
    bool OnInit() override;
    // Runs the main window; its modal loop is the program's only loop.
    int OnRun() override;
    // Detaches the message layer and releases the catalogue.
    int OnExit() override;

private:
    WxMessageDispatcher dispatcher_;
    WxDialogService dialogs_;
};

// Builds the catalogue named by the settings file's language code (none: English as written).
void SelectLanguageFromSettings();

}  // namespace lumora
