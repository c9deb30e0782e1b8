#include "ui/main/MainWindowState.h"

namespace lumora {

bool g_isAdmin = false;
HWND g_hOpenModal = kNoWindow;
unsigned g_logoutPeriod = 0;

}  // namespace lumora
