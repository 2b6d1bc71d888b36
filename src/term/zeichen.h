#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel {

// Small text helpers shared by the term reader, the point entry and the list commands.
// Texts are walked one code point at a time.

using Zeichenmenge = std::set<char32_t>;

// Letters and digits: the characters allowed inside names.
const Zeichenmenge& namensTeile();
// The term alphabet: x, digits, brackets, + - * , . ^
const Zeichenmenge& erlaubteZeichen();

// Keeps the characters of `ziel` that are in `zMenge` or are one-letter names of stored
// functions. When `ziel` ends in "+" or "-", "0" is appended; when it ends in "*", "1".
std::string filtereZeichenMenge(std::string_view ziel, const Zeichenmenge& zMenge,
                                const std::set<std::string>& funktionsnamen);

// Splits at comma, blank and semicolon, dropping empty pieces but always keeping the last
// one: "A, B" -> {"A", "B"}; "A,B," -> {"A", "B", ""}; "" -> {""}.
std::vector<std::string> gehackterString2Stringfeld(std::string_view s);
// Splits at comma, blank and semicolon, keeping every piece: "1,,3" -> {"1", "", "3"}.
std::vector<std::string> feingehackterString2Stringfeld(std::string_view s);

// Positions (from 1) of the last "(" and of the first ")" after it; 0 where there is none.
struct Klammerpaar {
  std::size_t auf = 0;
  std::size_t zu = 0;
  bool operator==(const Klammerpaar&) const = default;
};
Klammerpaar klammerpositionen(std::string_view quelle);

}  // namespace quarvel
