#include "ui/skin/PngResources.h"
#include "ui/skin/ImageIds.h"

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/mstream.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace lumora {
namespace {

struct Expected {
    int id;
    std::uint32_t width;
    std::uint32_t height;
};

// Every picture the windows and controls load, at the size they draw it.
constexpr Expected kCatalogue[] = {
    {IDB_HELP_GREY, 30, 30},
    {IDB_HELP_BLUE, 30, 30},
    {IDB_HELP_LIGHT, 30, 30},
    {IDB_BUTTON_BLUE, 110, 34},
    {IDB_SETTINGS_NORMAL, 30, 30},
    {IDB_SETTINGS_HOVER, 30, 30},
    {IDB_SETTINGS_PRESSED, 30, 30},
    {IDB_MINIMIZE_HOVER, 25, 25},
    {IDB_MINIMIZE_NORMAL, 25, 25},
    {IDB_MINIMIZE_PRESSED, 25, 25},
    {IDB_REFRESH_NORMAL, 30, 30},
    {IDB_REFRESH_HOVER, 30, 30},
    {IDB_REFRESH_PRESSED, 30, 30},
    {IDB_CLOSE_BLACK, 25, 25},
    {IDB_CLOSE_BLUE, 25, 25},
    {IDB_CLOSE_DIM, 25, 25},
    {IDB_BUTTON_GREY, 110, 34},
    {IDB_IPADDR_FRAME, 188, 28},
    {IDB_PANEL_SMALL, 606, 400},
    {IDB_LOGIN_KEY, 70, 44},
    {IDB_PENCIL_GREY, 38, 33},
    {IDB_PENCIL_BLUE, 38, 33},
    {IDB_PENCIL_BLACK, 38, 33},
    {IDB_CHECKBOX_OFF, 20, 20},
    {IDB_CHECKBOX_ON, 22, 22},
    {IDB_RADIO_OFF, 18, 18},
    {IDB_RADIO_ON, 18, 18},
    {IDB_PANEL_LARGE, 774, 506},
    {IDB_WIZARD_WAND, 100, 100},
    {IDB_PROGRESS_TRACK, 357, 16},
    {IDB_PROGRESS_LEFT, 10, 16},
    {IDB_PROGRESS_MIDDLE, 10, 16},
    {IDB_PROGRESS_RIGHT, 10, 16},
    {IDB_COMBO_FRAME, 500, 32},
    {IDB_BAR_BACKGROUND, 148, 12},
    {IDB_BAR_FILL, 148, 12},
    {IDB_SETTINGS_GEARS, 100, 100},
    {IDB_DOTTED_LINE, 680, 1},
    {IDB_SC_BACKUP_LIT, 52, 52},
    {IDB_SC_WIZARD, 52, 52},
    {IDB_SC_WIZARD_LIT, 52, 52},
    {IDB_SC_CAMERA, 52, 52},
    {IDB_SC_CAMERA_LIT, 52, 52},
    {IDB_SC_PHOTOS, 52, 52},
    {IDB_SC_PHOTOS_LIT, 52, 52},
    {IDB_SC_DOCUMENTS, 52, 52},
    {IDB_SC_DOCUMENTS_LIT, 52, 52},
    {IDB_SC_TOOLS, 52, 52},
    {IDB_SC_TOOLS_LIT, 52, 52},
    {IDB_SC_GLOBE, 52, 52},
    {IDB_SC_GLOBE_LIT, 52, 52},
    {IDB_SC_DOWNLOAD, 52, 52},
    {IDB_SC_DOWNLOAD_LIT, 52, 52},
    {IDB_SC_DISK, 52, 52},
    {IDB_SC_DISK_LIT, 52, 52},
    {IDB_SHORTCUT_BAR_GREY, 240, 48},
    {IDB_SHORTCUT_BAR_BLUE, 240, 48},
    {IDB_SHORTCUT_BAR_FAINT, 240, 48},
    {IDB_SC_BACKUP, 52, 52},
    {IDB_STEP_DONE, 84, 16},
    {IDB_STEP_CURRENT, 84, 16},
    {IDB_STEP_TO_COME, 84, 16},
    {IDB_ARROW_DOWN, 20, 14},
    {IDB_ARROW_UP, 20, 14},
    {IDB_LAYOUT_STANDALONE, 58, 46},
    {IDB_LAYOUT_JBOD, 58, 46},
    {IDB_LAYOUT_RAID0, 58, 46},
    {IDB_LAYOUT_RAID1, 58, 46},
    {IDB_OPTION_BAR, 680, 38},
    {IDB_BACKGROUND_GREEN, 1280, 720},
    {IDB_USAGE_RIGHT, 10, 14},
    {IDB_USAGE_TRACK, 272, 14},
    {IDB_USAGE_LEFT, 10, 14},
    {IDB_USAGE_MIDDLE, 10, 14},
    {IDB_SCROLL_TRACK, 13, 200},
    {IDB_SCROLL_MIDDLE, 13, 10},
    {IDB_SCROLL_TOP, 13, 10},
    {IDB_SCROLL_BOTTOM, 13, 10},
    {IDB_FOLDER_TILE, 116, 116},
    {IDB_COMBO_FRAME_SMALL, 130, 32},
    {IDB_FOLDER_DISK, 74, 74},
    {IDB_SC_FOLDER, 52, 52},
    {IDB_SC_FOLDER_LIT, 52, 52},
    {IDB_BACKGROUND_MAIN, 1280, 720},
    {IDB_LOGO, 279, 61},
    {IDB_CHECK_MARK, 58, 58},
    {IDB_LOGOUT_PRESSED, 30, 30},
    {IDB_LOGOUT_HOVER, 30, 30},
    {IDB_LOGOUT_NORMAL, 30, 30},
};

std::uint32_t ReadBigEndian32(std::span<const unsigned char> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
           std::uint32_t{bytes[at + 2]} << 8 | std::uint32_t{bytes[at + 3]};
}

std::uint32_t Crc32(std::span<const unsigned char> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// Walks the chunk list: signature, IHDR first, every CRC right, IEND last.
// Returns an empty string when the file is sound, else what is wrong.
std::string CheckPngStructure(std::span<const unsigned char> png) {
    static constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < 8 || std::memcmp(png.data(), kSignature, 8) != 0) return "no PNG signature";
    std::size_t at = 8;
    bool first = true;
    while (at + 12 <= png.size()) {
        std::uint32_t length = ReadBigEndian32(png, at);
        if (length > png.size() - at - 12) return "chunk runs past the end";
        std::string type(reinterpret_cast<const char*>(png.data() + at + 4), 4);
        if (first && (type != "IHDR" || length != 13)) return "IHDR is not the first chunk";
        first = false;
        if (Crc32(png.subspan(at + 4, length + 4)) != ReadBigEndian32(png, at + 8 + length))
            return "bad CRC in " + type;
        at += 12 + length;
        if (type == "IEND") return at == png.size() ? "" : "bytes after IEND";
    }
    return "no IEND";
}

TEST(PngResources, EveryCatalogueImageIsEmbeddedAtItsSize) {
    ASSERT_EQ(std::size(kCatalogue), 89u);
    for (const Expected& e : kCatalogue) {
        SCOPED_TRACE("id " + std::to_string(e.id));
        std::span<const unsigned char> png = FindPngResource(e.id);
        ASSERT_GE(png.size(), 33u);
        EXPECT_EQ(CheckPngStructure(png), "");
        EXPECT_EQ(ReadBigEndian32(png, 16), e.width);
        EXPECT_EQ(ReadBigEndian32(png, 20), e.height);
    }
}

TEST(PngResources, IdListMatchesTheCatalogueInAscendingOrder) {
    std::vector<int> expected;
    for (const Expected& e : kCatalogue) expected.push_back(e.id);
    std::sort(expected.begin(), expected.end());
    std::span<const int> ids = PngResourceIds();
    EXPECT_EQ(std::vector<int>(ids.begin(), ids.end()), expected);
}

TEST(PngResources, UnknownIdsGiveNothing) {
    for (int id : {0, -1, 141, 210, 213, 229, 230, 232, 233, 237, 100000}) {
        EXPECT_TRUE(FindPngResource(id).empty()) << id;
    }
}

wxImage Decode(int id) {
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    std::span<const unsigned char> png = FindPngResource(id);
    wxMemoryInputStream stream(png.data(), png.size());
    wxImage image;
    image.LoadFile(stream, wxBITMAP_TYPE_PNG);
    return image;
}

// The bytes must also decode, with an alpha channel where shapes are round.
TEST(PngResources, EveryImageDecodesWithTheToolkit) {
    for (const Expected& e : kCatalogue) {
        SCOPED_TRACE("id " + std::to_string(e.id));
        wxImage image = Decode(e.id);
        ASSERT_TRUE(image.IsOk());
        EXPECT_EQ(image.GetWidth(), static_cast<int>(e.width));
        EXPECT_EQ(image.GetHeight(), static_cast<int>(e.height));
    }
}

// Round faces leave their corners clear so the window behind shows through.
TEST(PngResources, RoundFacesHaveTransparentCorners) {
    for (int id :
         {IDB_HELP_LIGHT, IDB_SETTINGS_NORMAL, IDB_CLOSE_BLACK, IDB_MINIMIZE_NORMAL, IDB_BUTTON_BLUE,
          IDB_BUTTON_GREY, IDB_RADIO_ON, IDB_PANEL_SMALL, IDB_PANEL_LARGE, IDB_FOLDER_TILE, IDB_CHECK_MARK}) {
        SCOPED_TRACE("id " + std::to_string(id));
        wxImage image = Decode(id);
        ASSERT_TRUE(image.IsOk());
        ASSERT_TRUE(image.HasAlpha());
        EXPECT_EQ(image.GetAlpha(0, 0), 0);
        EXPECT_GT(image.GetAlpha(image.GetWidth() / 2, image.GetHeight() / 2), 128);
    }
}

// Bars are drawn from middle pieces stretched to any length, so a middle piece
// must look the same all along the bar: every column (or row) identical.
TEST(PngResources, MiddlePiecesStretchWithoutSeams) {
    struct Piece {
        int id;
        bool vertical;
    };
    for (Piece piece : {Piece{IDB_PROGRESS_MIDDLE, false}, Piece{IDB_USAGE_MIDDLE, false},
                        Piece{IDB_SCROLL_MIDDLE, true}}) {
        SCOPED_TRACE("id " + std::to_string(piece.id));
        wxImage image = Decode(piece.id);
        ASSERT_TRUE(image.IsOk() && image.HasAlpha());
        int along = piece.vertical ? image.GetHeight() : image.GetWidth();
        int across = piece.vertical ? image.GetWidth() : image.GetHeight();
        for (int a = 1; a < along; ++a) {
            for (int c = 0; c < across; ++c) {
                int x = piece.vertical ? c : a, y = piece.vertical ? a : c;
                int x0 = piece.vertical ? c : 0, y0 = piece.vertical ? 0 : c;
                ASSERT_EQ(image.GetAlpha(x, y), image.GetAlpha(x0, y0)) << x << "," << y;
                ASSERT_EQ(image.GetBlue(x, y), image.GetBlue(x0, y0)) << x << "," << y;
            }
        }
    }
}

// Shortcut icons are 52 high but sit on 48-high bars: the last rows must be empty.
TEST(PngResources, ShortcutIconsFitTheBarHeight) {
    for (const Expected& e : kCatalogue) {
        if (e.width != 52) continue;
        SCOPED_TRACE("id " + std::to_string(e.id));
        wxImage image = Decode(e.id);
        ASSERT_TRUE(image.IsOk() && image.HasAlpha());
        int strongest = 0;
        for (int y = 48; y < 52; ++y)
            for (int x = 0; x < 52; ++x) strongest = std::max<int>(strongest, image.GetAlpha(x, y));
        EXPECT_LT(strongest, 48);
    }
}

}  // namespace
}  // namespace lumora
