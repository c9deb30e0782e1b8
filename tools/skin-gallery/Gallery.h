#pragma once
// The skin gallery's window and the sections it is filled with.

#include "ui/skin/GdipDialog.h"

namespace lumora::gallery {

// Adds a small grey caption at a point of the window.
void Caption(wxWindow* parent, const wxPoint& at, const wxString& text);
// The buttons of every class in each of their states.
void AddButtons(CGdipDialog& window);
// Lists, combos, slider, bars, labels, address and folder controls.
void AddPanels(CGdipDialog& window);
// Opens the long combo box's list at its last entry (once the window is on the screen).
void OpenLongComboList(CGdipDialog& window);

}  // namespace lumora::gallery
