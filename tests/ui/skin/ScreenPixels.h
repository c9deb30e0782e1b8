#pragma once
// What the X server shows of a skinned window, compared with the picture the window is
// drawn from. A window's own caches can be right while the screen is not (a paint that
// never reaches the screen, a cache drawn at the wrong size), so the screen is compared.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <wx/image.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "SkinTestSupport.h"

#include "ui/skin/GdipDialog.h"

namespace lumora::test {

// Saves what the X server shows of `window` to `file` (PNG), after letting it paint: its
// screen rectangle in the screen's own pixels, twice the window's size at double scale.
// Whatever lies over the window is in the picture too, as a person would see it.
inline bool SaveScreenArea(wxWindow& window, const std::filesystem::path& file) {
    window.Raise();
    window.Refresh();
    window.Update();
    Pump(std::chrono::milliseconds(300));
    const double scale = window.GetContentScaleFactor();
    const wxRect area = window.GetScreenRect();
    std::filesystem::create_directories(file.parent_path());
    const wxString command =
        wxString::Format("import -window root -crop %dx%d+%d+%d +repage %s",
                         static_cast<int>(area.width * scale), static_cast<int>(area.height * scale),
                         static_cast<int>(area.x * scale), static_cast<int>(area.y * scale), file.string());
    return wxExecute(command, wxEXEC_SYNC | wxEXEC_NOEVENTS) == 0;
}

struct ScreenComparison {
    int sampled = 0;
    std::vector<std::string> differing;  // "x,y screen r,g,b picture r,g,b", client coordinates
};

// Samples the window's free surface in `screen` (its client area as the X server shows it,
// from `import -window root`, say) on a grid (no shown child within `margin` pixels, not
// within `margin` of the outline, whose corners may be rounded off) and lists the spots
// whose screen colour differs from the picture's by more than `tolerance` in a channel.
inline ScreenComparison CompareScreenWithPicture(const wxImage& screen, const wxWindow& window, int pngId,
                                                 int tolerance = 16, int step = 23, int margin = 20) {
    ScreenComparison result;
    const wxImage picture = PictureAsShown(pngId, window.GetClientSize());
    if (!screen.IsOk() || !picture.IsOk() || screen.GetSize() != picture.GetSize()) return result;
    std::vector<wxRect> covered;
    for (const wxWindow* child : window.GetChildren())
        if (child->IsShown() && !child->IsTopLevel()) covered.push_back(child->GetRect().Inflate(margin / 4));
    for (int y = margin; y < picture.GetHeight() - margin; y += step)
        for (int x = margin; x < picture.GetWidth() - margin; x += step) {
            bool free = true;
            for (const wxRect& rect : covered) free = free && !rect.Contains(x, y);
            if (!free) continue;
            ++result.sampled;
            const int shown[3] = {screen.GetRed(x, y), screen.GetGreen(x, y), screen.GetBlue(x, y)};
            const int want[3] = {picture.GetRed(x, y), picture.GetGreen(x, y), picture.GetBlue(x, y)};
            for (int c = 0; c < 3; ++c)
                if (std::abs(shown[c] - want[c]) > tolerance) {
                    result.differing.push_back(std::to_string(x) + "," + std::to_string(y) + " screen " +
                                               std::to_string(shown[0]) + "," + std::to_string(shown[1]) +
                                               "," + std::to_string(shown[2]) + " picture " +
                                               std::to_string(want[0]) + "," + std::to_string(want[1]) + "," +
                                               std::to_string(want[2]));
                    break;
                }
        }
    return result;
}

}  // namespace lumora::test
