#pragma once
// Numeric ids of the pictures compiled into the program, named for their role.
// Sizes in pixels are given after each id; controls draw several at fixed sizes.
// Generated from res/catalogue.txt by res/generate.py.

namespace lumora {

inline constexpr int IDB_HELP_GREY = 142;         // 30x30 help button, pressed face (grey)
inline constexpr int IDB_HELP_BLUE = 143;         // 30x30 help button, hover face (blue)
inline constexpr int IDB_HELP_LIGHT = 144;        // 30x30 help button, normal face (light)
inline constexpr int IDB_BUTTON_BLUE = 145;       // 110x34 rounded push button, hover and pressed faces
inline constexpr int IDB_SETTINGS_NORMAL = 146;   // 30x30 gear button, normal face
inline constexpr int IDB_SETTINGS_HOVER = 147;    // 30x30 gear button, hover face
inline constexpr int IDB_SETTINGS_PRESSED = 148;  // 30x30 gear button, pressed face
inline constexpr int IDB_MINIMIZE_HOVER = 149;    // 25x25 minimize button, hover face
inline constexpr int IDB_MINIMIZE_NORMAL = 150;   // 25x25 minimize button, normal face
inline constexpr int IDB_MINIMIZE_PRESSED = 151;  // 25x25 minimize button, pressed face
inline constexpr int IDB_REFRESH_NORMAL = 152;    // 30x30 circular-arrow button, normal face
inline constexpr int IDB_REFRESH_HOVER = 153;     // 30x30 circular-arrow button, hover face
inline constexpr int IDB_REFRESH_PRESSED = 154;   // 30x30 circular-arrow button, pressed face
inline constexpr int IDB_CLOSE_BLACK = 155;       // 25x25 close box, normal face (white on black)
inline constexpr int IDB_CLOSE_BLUE = 156;        // 25x25 close box, hover face
inline constexpr int IDB_CLOSE_DIM = 157;         // 25x25 close box, pressed face
inline constexpr int IDB_BUTTON_GREY = 158;       // 110x34 rounded push button, normal face
inline constexpr int IDB_IPADDR_FRAME = 159;      // 188x28 address field frame
inline constexpr int IDB_PANEL_SMALL = 160;       // 606x400 dark rounded panel (login, change address)
inline constexpr int IDB_LOGIN_KEY = 161;         // 70x44 key
inline constexpr int IDB_PENCIL_GREY = 162;       // 38x33 pencil, grey
inline constexpr int IDB_PENCIL_BLUE = 163;       // 38x33 pencil, blue
inline constexpr int IDB_PENCIL_BLACK = 164;      // 38x33 pencil, black
inline constexpr int IDB_CHECKBOX_OFF = 165;      // 20x20 check box, off mark
inline constexpr int IDB_CHECKBOX_ON = 166;       // 22x22 check box, on mark (drawn over the off mark)
inline constexpr int IDB_RADIO_OFF = 167;         // 18x18 radio button, off mark
inline constexpr int IDB_RADIO_ON = 168;          // 18x18 radio button, on mark
inline constexpr int IDB_PANEL_LARGE = 169;     // 774x506 dark rounded large panel (wizard, settings, format)
inline constexpr int IDB_WIZARD_WAND = 170;     // 100x100 wand with stars
inline constexpr int IDB_PROGRESS_TRACK = 171;  // 357x16 progress track
inline constexpr int IDB_PROGRESS_LEFT = 172;   // 10x16 progress fill, left end
inline constexpr int IDB_PROGRESS_MIDDLE = 173;     // 10x16 progress fill, middle piece
inline constexpr int IDB_PROGRESS_RIGHT = 174;      // 10x16 progress fill, right end
inline constexpr int IDB_COMBO_FRAME = 175;         // 500x32 combo box frame with arrow
inline constexpr int IDB_BAR_BACKGROUND = 176;      // 148x12 small bar, background
inline constexpr int IDB_BAR_FILL = 177;            // 148x12 small bar, fill
inline constexpr int IDB_SETTINGS_GEARS = 178;      // 100x100 gears
inline constexpr int IDB_DOTTED_LINE = 179;         // 680x1 dotted underline
inline constexpr int IDB_SC_BACKUP_LIT = 180;       // 52x52 shortcut icon: backup arrows, lit
inline constexpr int IDB_SC_WIZARD = 181;           // 52x52 shortcut icon: wand
inline constexpr int IDB_SC_WIZARD_LIT = 182;       // 52x52 shortcut icon: wand, lit
inline constexpr int IDB_SC_CAMERA = 183;           // 52x52 shortcut icon: camera
inline constexpr int IDB_SC_CAMERA_LIT = 184;       // 52x52 shortcut icon: camera, lit
inline constexpr int IDB_SC_PHOTOS = 185;           // 52x52 shortcut icon: photos
inline constexpr int IDB_SC_PHOTOS_LIT = 186;       // 52x52 shortcut icon: photos, lit
inline constexpr int IDB_SC_DOCUMENTS = 187;        // 52x52 shortcut icon: documents
inline constexpr int IDB_SC_DOCUMENTS_LIT = 188;    // 52x52 shortcut icon: documents, lit
inline constexpr int IDB_SC_TOOLS = 189;            // 52x52 shortcut icon: tools
inline constexpr int IDB_SC_TOOLS_LIT = 190;        // 52x52 shortcut icon: tools, lit
inline constexpr int IDB_SC_GLOBE = 191;            // 52x52 shortcut icon: globe
inline constexpr int IDB_SC_GLOBE_LIT = 192;        // 52x52 shortcut icon: globe, lit
inline constexpr int IDB_SC_DOWNLOAD = 193;         // 52x52 shortcut icon: download arrow
inline constexpr int IDB_SC_DOWNLOAD_LIT = 194;     // 52x52 shortcut icon: download arrow, lit
inline constexpr int IDB_SC_DISK = 195;             // 52x52 shortcut icon: disk
inline constexpr int IDB_SC_DISK_LIT = 196;         // 52x52 shortcut icon: disk, lit
inline constexpr int IDB_SHORTCUT_BAR_GREY = 197;   // 240x48 shortcut bar, normal face
inline constexpr int IDB_SHORTCUT_BAR_BLUE = 198;   // 240x48 shortcut bar, pressed or selected face
inline constexpr int IDB_SHORTCUT_BAR_FAINT = 199;  // 240x48 shortcut bar, hover face
inline constexpr int IDB_SC_BACKUP = 200;           // 52x52 shortcut icon: backup arrows
inline constexpr int IDB_STEP_DONE = 201;           // 84x16 wizard step mark, done
inline constexpr int IDB_STEP_CURRENT = 202;        // 84x16 wizard step mark, current
inline constexpr int IDB_STEP_TO_COME = 203;        // 84x16 wizard step mark, to come
inline constexpr int IDB_ARROW_DOWN = 204;          // 20x14 arrow down
inline constexpr int IDB_ARROW_UP = 205;            // 20x14 arrow up
inline constexpr int IDB_LAYOUT_STANDALONE = 206;   // 58x46 disk layout: stand-alone disks
inline constexpr int IDB_LAYOUT_JBOD = 207;         // 58x46 disk layout: JBOD
inline constexpr int IDB_LAYOUT_RAID0 = 208;        // 58x46 disk layout: RAID 0
inline constexpr int IDB_LAYOUT_RAID1 = 209;        // 58x46 disk layout: RAID 1
inline constexpr int IDB_OPTION_BAR = 211;          // 680x38 option bar behind the focused layout choice
inline constexpr int IDB_BACKGROUND_GREEN = 212;    // 1280x720 dark green background
inline constexpr int IDB_USAGE_RIGHT = 214;         // 10x14 usage bar fill, right end
inline constexpr int IDB_USAGE_TRACK = 215;         // 272x14 usage bar track
inline constexpr int IDB_USAGE_LEFT = 216;          // 10x14 usage bar fill, left end
inline constexpr int IDB_USAGE_MIDDLE = 217;        // 10x14 usage bar fill, middle piece
inline constexpr int IDB_SCROLL_TRACK = 218;        // 13x200 scroll track
inline constexpr int IDB_SCROLL_MIDDLE = 219;       // 13x10 scroll fill, middle piece
inline constexpr int IDB_SCROLL_TOP = 220;          // 13x10 scroll fill, top end
inline constexpr int IDB_SCROLL_BOTTOM = 221;       // 13x10 scroll fill, bottom end
inline constexpr int IDB_FOLDER_TILE = 222;         // 116x116 highlight behind the selected folder
inline constexpr int IDB_COMBO_FRAME_SMALL = 223;   // 130x32 small combo box frame with arrow
inline constexpr int IDB_FOLDER_DISK = 224;         // 74x74 disk picture of a shared folder
inline constexpr int IDB_SC_FOLDER = 225;           // 52x52 shortcut icon: folder
inline constexpr int IDB_SC_FOLDER_LIT = 226;       // 52x52 shortcut icon: folder, lit
inline constexpr int IDB_BACKGROUND_MAIN = 227;     // 1280x720 dark grey main background
inline constexpr int IDB_LOGO = 228;                // 279x61 Lumora logo
inline constexpr int IDB_CHECK_MARK = 231;          // 58x58 check mark (format finished)
inline constexpr int IDB_LOGOUT_PRESSED = 234;      // 30x30 log-out button, pressed face
inline constexpr int IDB_LOGOUT_HOVER = 235;        // 30x30 log-out button, hover face
inline constexpr int IDB_LOGOUT_NORMAL = 236;       // 30x30 log-out button, normal face

}  // namespace lumora
