#include "app/feldwerte.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "points/punktauswahl.h"

namespace quarvel {

double feldZahl(std::string_view text) {
  constexpr std::string_view leerraum = " \t\r\n";
  const auto anfang = text.find_first_not_of(leerraum);
  if (anfang == std::string_view::npos) return 0.0;
  text = text.substr(anfang, text.find_last_not_of(leerraum) - anfang + 1);

  std::string zahl(text);
  // A German decimal comma, as long as it is the only separator.
  if (std::ranges::count(zahl, ',') == 1 && zahl.find('.') == std::string::npos) {
    std::ranges::replace(zahl, ',', '.');
  }
  const auto wert = alsZahl(zahl);
  return wert && std::isfinite(*wert) ? *wert : 0.0;
}

}  // namespace quarvel
