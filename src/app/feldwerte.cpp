#include "app/feldwerte.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/zahltext.h"
#include "term/zeichen.h"

namespace quarvel {

double feldZahl(std::string_view text) {
  std::string zahl(ohneRand(text, leerraum));
  // A German decimal comma, as long as it is the only separator.
  if (std::ranges::count(zahl, ',') == 1 && zahl.find('.') == std::string::npos) {
    std::ranges::replace(zahl, ',', '.');
  }
  const auto wert = alsZahl(zahl);
  return wert && std::isfinite(*wert) ? *wert : 0.0;
}

}  // namespace quarvel
