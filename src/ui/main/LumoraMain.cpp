// The desktop program `lumora`.

#include "ui/main/TessilApp.h"

wxIMPLEMENT_APP(lumora::CTessilApp);
