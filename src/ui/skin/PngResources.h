#pragma once
// The PNG pictures compiled into the program (generated from res/png/<id>.png).
// Plain bytes, no toolkit types: the skin's image loader decodes them.

#include <span>

namespace lumora {

// The bytes of the PNG file with numeric id `id`; an empty span for an unknown id.
std::span<const unsigned char> FindPngResource(int id);

// Every embedded id, in ascending order.
std::span<const int> PngResourceIds();

}  // namespace lumora
