#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel {

// Small text helpers shared by the term reader, the point entry and the list commands.
// Texts are UTF-8 and are walked one code point at a time; positions count from 1, and 0
// means "not found". `funktionsnamen` is the set of names of the stored functions; only
// names of exactly one character take part in the character rewrites.

using Zeichenmenge = std::set<char32_t>;

// Letters and digits: the characters allowed inside names.
const Zeichenmenge& namensTeile();
// The term alphabet: x, digits, brackets, + - * , . ^
const Zeichenmenge& erlaubteZeichen();
// Blanks may stand anywhere in a term; they are dropped with the characters outside the
// alphabet. Besides the blank itself, tabs and no-break spaces from pasted text count.
bool istLeerzeichen(char32_t c);

// Copy of `ziel` with every occurrence of the one-character text `alt` replaced by `neu`.
std::string ersetzeZeichen(std::string_view ziel, std::string_view alt, std::string_view neu);
// Keeps the characters of `ziel` that are in `zMenge` or are one-letter names of stored
// functions. When `ziel` ends in "+" or "-", "0" is appended; when it ends in "*", "1", so a
// trailing operator still gets an operand.
std::string filtereZeichenMenge(std::string_view ziel, const Zeichenmenge& zMenge,
                                const std::set<std::string>& funktionsnamen);

// `text` without the characters of `rand` at both ends. Name fields drop only blanks; a
// number field drops all white space (leerraum).
inline constexpr std::string_view leerraum = " \t\r\n";
std::string_view ohneRand(std::string_view text, std::string_view rand = " ");

// Splits at comma, blank and semicolon, dropping empty pieces but always keeping the last
// one: "A, B" -> {"A", "B"}; "A,B," -> {"A", "B", ""}; "" -> {""}.
std::vector<std::string> gehackterString2Stringfeld(std::string_view s);
// Splits at comma, blank and semicolon, keeping every piece: "1,,3" -> {"1", "", "3"}.
std::vector<std::string> feingehackterString2Stringfeld(std::string_view s);

// How often the one-character text `zeichen` occurs in `name`.
std::size_t nameEnthaeltZeichen(std::string_view name, std::string_view zeichen);

// Positions (from 1) of a "(" and of the ")" that closes it; 0 where there is none.
struct Klammerpaar {
  std::size_t auf = 0;
  std::size_t zu = 0;
  bool operator==(const Klammerpaar&) const = default;
};

// The brackets of a text, each ")" closing the latest open "(": every "(" in text order
// with its ")" (zu = 0 while unclosed). Not balanced when a ")" closes nothing or a "("
// stays open. The one bracket matcher of the term reader and the point entry.
struct Klammerung {
  std::vector<Klammerpaar> paare;
  bool ausgeglichen = true;
};
Klammerung klammerung(std::u32string_view text);

// True when every ")" closes an earlier "(" and every "(" is closed.
bool klammerTest(std::string_view q);

// The last "(" with the ")" that closes it; (0, 0) without brackets. For a balanced text
// this is an innermost pair.
Klammerpaar klammerpositionen(std::string_view quelle);

// Makes implicit multiplication explicit and turns a unary minus into a product:
// "2(x+1)" -> "2*(x+1)", "x2" -> "x*2", "-(x)" -> "-1*(x)", "3*-x" -> "3*(0-1)*x".
// A caret followed by anything but a digit reads as the first power ("x^-2" -> "x^1-2");
// blanks between a caret and its digit are passed over ("x^ 2" stays a square). Works on
// the raw typed text, so a blank in "2 (x+1)" prevents the star.
std::string sterneEinschieben(std::string_view q, const std::set<std::string>& funktionsnamen);

// Collapses pairs of signs from left to right ("--" -> "+", "-+" -> "-", "**" -> "*", ...),
// drops blanks and puts "0" before a leading sign: "-x" -> "0-x", "--x" -> "+x".
std::string doppelZeichenTilgen(std::string_view q);

// The normalisation chain of the term reader: decimal comma to point, filter to the term
// alphabet (and one-letter function names), collapse signs, wrap as "1*" ... "*1".
std::string trimmString(std::string_view quelle, const std::set<std::string>& funktionsnamen);

}  // namespace quarvel
