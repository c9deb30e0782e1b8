#pragma once
// Where the gallery puts its controls; the pixel tests read the screenshot at these places.

#include <wx/gdicmn.h>

namespace lumora::gallery {

inline constexpr int kWidth = 1280;
inline constexpr int kHeight = 1000;

// Push buttons: normal, hover, pressed, disabled, side by side 130 apart.
inline const wxPoint kPushRow(20, 40);
inline constexpr int kPushStep = 130;
inline const wxSize kPushSize(110, 34);
// Check boxes (off, on, disabled) and a radio group (off, on, off) with a disabled radio.
inline const wxPoint kCheckRow(560, 40);
inline const wxPoint kRadioRow(560, 80);
// Shortcut buttons: normal, hover, selected section, pressed, disabled, 250 apart.
inline const wxPoint kShortcutRow(20, 130);
inline constexpr int kShortcutStep = 250;
inline const wxSize kShortcutSize(240, 48);
// Links, text-only buttons and wizard steps.
inline const wxPoint kLinkRow(20, 195);
inline const wxPoint kBottomRow(20, 235);
inline const wxPoint kStepRow(640, 195);
// Volume-layout choices.
inline const wxPoint kIconRadioRow(20, 280);
// Combo boxes, address controls.
inline const wxPoint kComboRow(20, 460);
inline const wxPoint kAddressRow(20, 590);
// The time-zone names with "&&" in a list without header (4 rows).
inline const wxPoint kTimeZoneAt(600, 362);
inline const wxSize kTimeZoneSize(420, 4 * 30);
// The report list with its header (7 rows below the header).
inline const wxPoint kListAt(600, 506);
inline const wxSize kListSize(420, 22 + 7 * 30);
// A combo box of 30 entries, its list opened and scrolled to the last entry.
inline const wxPoint kLongComboAt(1060, 270);
inline const wxSize kLongComboSize(130, 30 + 6 * 24);
inline constexpr int kLongComboId = 7001;
inline constexpr int kListId = 7002;
// Sliders: empty, half (range 0-120 at 60), full, empty range.
inline const wxPoint kSliderRow(1060, 460);
inline constexpr int kSliderStep = 40;
// Progress bars at 0, 50 and 100 percent (357 wide), the volume controls, the folder list.
inline const wxPoint kProgressRow(20, 650);
inline const wxPoint kVolumeRow(20, 750);
inline const wxPoint kFolderListAt(600, 760);
// Labels and pictures.
inline const wxPoint kStaticRow(600, 275);
inline const wxPoint kWandAt(1190, 190);

}  // namespace lumora::gallery
