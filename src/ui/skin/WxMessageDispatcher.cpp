#include "ui/skin/WxMessageDispatcher.h"

#include <wx/app.h>

namespace lumora {

void WxMessageDispatcher::Dispatch(std::function<void()> deliver) {
    // Without an application object there is no loop to run the message: drop it.
    if (wxTheApp != nullptr) wxTheApp->CallAfter(std::move(deliver));
}

}  // namespace lumora
