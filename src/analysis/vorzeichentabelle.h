#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "model/polynom.h"
#include "model/schultext.h"

namespace quarvel {

enum class Vorzeichen { minus, null, plus };
// "−", "0" or "+".
std::string vorzeichenText(Vorzeichen v);

// The signs of f, f' and f'' between and at the real roots of all three. Columns alternate:
// the interval left of the first position, the first position, the next interval, …, the
// interval right of the last position (2n + 1 columns for n positions). Positions closer
// than 0.0001 to the previous one are taken as one, as in the curve description.
struct Vorzeichentabelle {
  std::vector<double> stellen;
  // Row k holds the signs of the k-th derivative, one per column.
  std::array<std::vector<Vorzeichen>, 3> zeilen;
};

Vorzeichentabelle vorzeichentabelle(const Polynom& p, int dezimalen);

// A point inside interval column i (0 … n) of the table: the midpoint between its two
// positions, or one unit beyond the outermost position.
double intervallMitte(const std::vector<double>& stellen, std::size_t i);

// The table as text for a fixed-width font, one column per interval and per position, with
// the rows f(x), f'(x), f''(x) and whether the graph rises or falls and how it bends; a
// sentence instead for degrees below 2. `name` is the function's name in the row labels.
std::string vorzeichentabellenText(const Polynom& p, const std::string& name, Zahlformat format);

}  // namespace quarvel
