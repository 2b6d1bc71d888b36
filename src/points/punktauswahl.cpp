#include "points/punktauswahl.h"

#include <cctype>
#include <charconv>

#include "term/zeichen.h"

namespace quarvel {

std::optional<double> alsZahl(std::string_view text) {
  // Sign, then a digit or a point: this keeps out "inf" and "nan", which from_chars would
  // read, and signs doubled like "+-5".
  std::string_view ziffern = text;
  if (ziffern.starts_with('+') || ziffern.starts_with('-')) ziffern.remove_prefix(1);
  if (ziffern.empty() || !(std::isdigit(static_cast<unsigned char>(ziffern.front())) ||
                           ziffern.front() == '.')) {
    return std::nullopt;
  }
  // from_chars takes no leading '+', which a typed number may have.
  if (text.starts_with('+')) text.remove_prefix(1);
  double wert = 0;
  const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  if (fehler != std::errc{} || ende != text.data() + text.size()) return std::nullopt;
  return wert;
}

std::string punktName(const Punktliste& punkte, double x, double y) {
  std::string name = "?";
  double bester = 1.0;
  const Punkt ort{x, y, 0, 0};
  for (const auto& [n, p] : punkte) {
    const double d = p->dist(ort);
    if (d < bester) {
      bester = d;
      name = n;
    }
  }
  return name;
}

bool istIntervall(std::string_view s) {
  const auto teile = gehackterString2Stringfeld(s);
  if (teile.size() != 2) return false;
  const auto a = alsZahl(teile[0]);
  const auto b = alsZahl(teile[1]);
  return a && b && *b > *a;
}

std::pair<double, double> entpacke(std::string_view s) {
  const auto teile = gehackterString2Stringfeld(s);
  if (teile.size() != 2) return {0, 0};
  return {alsZahl(teile[0]).value_or(0), alsZahl(teile[1]).value_or(0)};
}

}  // namespace quarvel
