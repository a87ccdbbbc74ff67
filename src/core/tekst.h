// UTF-8 texts inside the program and Windows-1252 at the file boundary.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace taglo
{

// The em dash that rule lines of the report and the log consist of (0x97 in Windows-1252).
inline constexpr std::string_view kTankestreg = "\xE2\x80\x94";

// Number of characters (code points) in a UTF-8 text. A byte that does not start a
// well-formed sequence counts as one character.
[[nodiscard]] std::size_t AntalTegn(std::string_view utf8);

// The first `antal` characters of a UTF-8 text; never splits a character.
[[nodiscard]] std::string ForsteTegn(std::string_view utf8, std::size_t antal);

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, so
// a file read and written again keeps its bytes.
[[nodiscard]] std::string FraWindows1252(std::string_view bytes);

// UTF-8 to Windows-1252 bytes. A character that Windows-1252 cannot hold, and a byte
// that is not well-formed UTF-8, is written as "?"; the conversion never fails.
[[nodiscard]] std::string TilWindows1252(std::string_view utf8);

} // namespace taglo
