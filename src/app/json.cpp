#include "app/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quarvel {

std::string jsonText(std::string_view text) {
  std::string s = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        s += "\\\"";
        break;
      case '\\':
        s += "\\\\";
        break;
      case '\n':
        s += "\\n";
        break;
      case '\t':
        s += "\\t";
        break;
      case '\r':
        s += "\\r";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char puffer[8];
          std::snprintf(puffer, sizeof puffer, "\\u%04x", static_cast<unsigned char>(c));
          s += puffer;
        } else {
          s += c;
        }
    }
  }
  return s + "\"";
}

std::string jsonZahl(double x) {
  if (!std::isfinite(x)) return "null";
  if (x == 0.0) x = 0.0;  // no "-0"
  char puffer[64];
  const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x);
  return fehler == std::errc{} ? std::string(puffer, ende) : "null";
}

}  // namespace quarvel
