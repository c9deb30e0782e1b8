#include "ui/skin/AppIcon.h"

#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/PngResources.h"

namespace lumora {

const wxIconBundle& AppIcons() {
    static const wxIconBundle icons = [] {
        wxIconBundle bundle;
        // The sizes desktops ask for; larger ones cost start-up time and are scaled down anyway.
        for (int size : {16, 24, 32, 48, 64, 128}) {
            const wxImage image = DecodePng(FindPngResource(kAppIconId + size));
            if (!image.IsOk()) continue;  // a missing size is simply not offered
            wxIcon icon;
            icon.CopyFromBitmap(wxBitmap(image));
            bundle.AddIcon(icon);
        }
        return bundle;
    }();
    return icons;
}

}  // namespace lumora
