#pragma once

#include <string>
#include <string_view>

namespace quarvel {

// A JSON string literal: only '"', '\' and control characters are escaped.
std::string jsonText(std::string_view text);
// A JSON number in the shortest round-trip form; null for infinities and NaN.
std::string jsonZahl(double x);

}  // namespace quarvel
