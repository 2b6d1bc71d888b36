#include "model/splinetext.h"

#include "model/polynomtext.h"
#include "model/zahltext.h"

namespace quarvel {

std::string gesamtSplineliste(const Objektlisten& listen) {
  std::string text = "Liste der gespeicherten Spline-Funktionen \n\n";
  for (const auto& [name, s] : listen.spListe()) {
    const std::string farbe = s->sichtbar ? std::string(rohText(s->color)) : "unsichtbar";
    text += name + " (" + farbe + ") \n";
  }
  return text + "\n";
}

std::string splineKomponentenAnzeigen(const Objektlisten& listen, const std::string& name,
                                      int dezimalen, bool brueche) {
  const auto eintrag = listen.spListe().find(name);
  if (eintrag == listen.spListe().end()) {
    return "Dieser Fall müsste vorher abgefangen werden. Schwerer Fehler!!";
  }
  const Spline& s = *eintrag->second;
  std::string text = "Beschreibung der Komponenten der Splinefunktion " + name + " \n\n";
  if (s.stuecke.size() + 1 != s.zerlegung.size()) return text;
  for (std::size_t i = 0; i < s.stuecke.size(); ++i) {
    const double von = s.zerlegung[i];
    const double bis = s.zerlegung[i + 1];
    text += "[" + bruchOderText(von, brueche, zahlText(von)) + ", " +
            bruchOderText(bis, brueche, zahlText(bis)) +
            "]: y = " + polynomString(s.stuecke[i], dezimalen, brueche) + "\n";
  }
  return text;
}

}  // namespace quarvel
