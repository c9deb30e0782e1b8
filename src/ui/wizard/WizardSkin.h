#pragma once
// Building blocks shared by the configuration windows: rectangles given as edges,
// skinned buttons and labels made in one call, and ending a dialog that may run
// modally or, in tests, modeless.

#include <string_view>

#include <wx/dialog.h>

#include "ui/skin/GdipButton.h"
#include "ui/skin/TransStatic.h"

namespace lumora {

// A rectangle from its left, top, right and bottom edges (right and bottom excluded).
inline wxRect Edges(int left, int top, int right, int bottom) {
    return wxRect(left, top, right - left, bottom - top);
}

// A skinned button over `rect` with three faces, a tooltip and a translated caption.
CGdipButton* MakeSkinButton(wxWindow* parent, int id, const wxRect& rect, std::u16string_view caption,
                            std::u16string_view tooltip, int first, int second, int third,
                            ButtonKind kind = ButtonKind::Push);
// The dialogs' push button: grey face, blue when hovered or pressed.
CGdipButton* MakePushButton(wxWindow* parent, int id, const wxRect& rect, std::u16string_view caption,
                            std::u16string_view tooltip);
// A field caption drawn as one line, right- and bottom-aligned.
CTransStatic* MakeFieldLabel(wxWindow* parent, int id, const wxRect& rect, std::u16string_view text,
                             int fontHeight);
// Shows and enables, or hides and disables, a window.
void ShowAndEnable(wxWindow* window, bool show);

// Ends a skinned dialog with `code`: the modal loop when it runs modally, otherwise it
// only hides (tests drive the windows modeless) and remembers the code.
void EndSkinDialog(wxDialog& dialog, int code, int& endCode);

}  // namespace lumora
