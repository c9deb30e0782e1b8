#include "ui/skin/AppIcon.h"

#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include "ui/skin/PngResources.h"

namespace lumora {

const wxIconBundle& AppIcons() {
    static const wxIconBundle icons = [] {
        wxIconBundle bundle;
        if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
        wxLogNull quiet;  // a missing size is simply not offered
        // The sizes desktops ask for; larger ones cost start-up time and are scaled down anyway.
        for (int size : {16, 24, 32, 48, 64, 128}) {
            const auto bytes = FindPngResource(kAppIconId + size);
            if (bytes.empty()) continue;
            wxMemoryInputStream stream(bytes.data(), bytes.size());
            wxImage image;
            if (!image.LoadFile(stream, wxBITMAP_TYPE_PNG)) continue;
            wxIcon icon;
            icon.CopyFromBitmap(wxBitmap(image));
            bundle.AddIcon(icon);
        }
        return bundle;
    }();
    return icons;
}

}  // namespace lumora
