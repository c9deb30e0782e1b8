# Writes one PNG file as a C++ byte array: cmake -DID=<id> -DINPUT=<png> -DOUTPUT=<cpp> -P EmbedPng.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f])" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.
#include <cstddef>

namespace lumora::res {

extern const unsigned char png${ID}[];
extern const std::size_t png${ID}Size;

const unsigned char png${ID}[${size}] = {
${bytes}};
const std::size_t png${ID}Size = ${size};

}  // namespace lumora::res
")
