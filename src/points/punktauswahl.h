#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "model/punkt.h"
#include "model/zahltext.h"

namespace quarvel {

// Name of the stored point nearest to (x, y), if closer than 1.0; "?" when none is near.
std::string punktName(const Punktliste& punkte, double x, double y);

// "a, b" (or "a;b", "a b") with two numbers and b > a.
bool istIntervall(std::string_view s);
// The two numbers of a text accepted by istIntervall.
std::pair<double, double> entpacke(std::string_view s);

}  // namespace quarvel
