#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "model/punkt.h"

namespace quarvel {

// A text that converts completely to a double: optional sign, digits with an optional
// decimal point, optional exponent. No decimal comma, no blanks.
std::optional<double> alsZahl(std::string_view text);

// Name of the stored point nearest to (x, y), if closer than 1.0; "?" when none is near.
std::string punktName(const Punktliste& punkte, double x, double y);

// "a, b" (or "a;b", "a b") with two numbers and b > a.
bool istIntervall(std::string_view s);
// The two numbers of a text accepted by istIntervall.
std::pair<double, double> entpacke(std::string_view s);

}  // namespace quarvel
