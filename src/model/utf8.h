#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarvel {

// Texts are UTF-8 throughout; the term reader and the name rules work on code points.
// Invalid bytes are taken as one character each (U+FFFD), never read past the end.

std::vector<char32_t> codepunkte(std::string_view text);
std::string utf8(char32_t c);
std::string utf8(const std::vector<char32_t>& zeichen);
std::string utf8(std::u32string_view zeichen);
// The code points of a UTF-8 text as one string.
std::u32string u32Text(std::string_view text);
// The first code point, U+0000 for the empty text.
char32_t ersterCodepunkt(std::string_view text);

}  // namespace quarvel
