#include "model/splinetext.h"

namespace quarvel {

std::string gesamtSplineliste(const Objektlisten& listen, int /*dezimalen*/) {
  std::string text = "Liste der gespeicherten Spline-Funktionen \n\n";
  for (const auto& [name, spline] : listen.spListe) {
    const std::string farbe =
        spline->sichtbar ? std::string(rohText(spline->color)) : std::string("unsichtbar");
    text += name + " (" + farbe + ") \n";
  }
  return text + "\n";
}

}  // namespace quarvel
