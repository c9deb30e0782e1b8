#pragma once
// The skinned windows' private messages, carried by the message layer.

namespace lumora {

// Posted by a radio-kind button to the other members of its group: clear your check.
inline constexpr unsigned WM_SKIN_UNCHECKGROUP = 31024;
// Posted by the skinned list to its parent after it scrolled.
inline constexpr unsigned WM_SKIN_LISTSCROLLED = 31025;
// Sent to a parent: paint your background behind window lParam into the wxDC at wParam.
inline constexpr unsigned WM_SKIN_DRAWPARENTBKGND = 31026;
// Sent by the skinned list to its parent: fill the choice list (lParam) for row wParam.
inline constexpr unsigned WM_SKIN_LISTGETCHOICES = 31027;
// Posted by the skinned list to its parent: the cell (row wParam, column lParam) was edited.
inline constexpr unsigned WM_SKIN_LISTITEMEDITED = 31028;
// Posted by the folder list to its parent: folder wParam was double-clicked.
inline constexpr unsigned WM_SKIN_FOLDEROPEN = 31029;
// Sent after an unanswered background request: erase your background into the wxDC at wParam.
inline constexpr unsigned WM_ERASEBKGND = 0x0014;

}  // namespace lumora
