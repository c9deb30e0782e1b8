#pragma once
// The PNG pictures compiled into the program (generated from res/png/<id>.png).
// Plain bytes, no toolkit types: the skin's image loader decodes them.

#include <span>

namespace lumora {

// The application icon at N x N pixels has id kAppIconId + N.
inline constexpr int kAppIconId = 10000;

// The bytes of the PNG file with numeric id `id`; an empty span for an unknown id.
std::span<const unsigned char> FindPngResource(int id);

// Every id of the skin's pictures, in ascending order (the application icon's are not among them).
std::span<const int> PngResourceIds();

}  // namespace lumora
