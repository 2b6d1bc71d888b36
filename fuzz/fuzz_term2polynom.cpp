// Feeds arbitrary bytes to the term reader. Any crash, sanitizer report, endless loop or
// broken result (a non-finite coefficient, a different answer on a second reading) is a
// finding.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "term/termleser.h"

namespace {

using namespace quarvel;

const Funktionsliste& gespeicherteFunktionen() {
  static const Funktionsliste liste = [] {
    Funktionsliste l;
    l["f"] = teile(Polynom{0.0, 1.0});
    l["g"] = teile(Polynom{-1.0, 0.0, 1.0});
    l["h"] = teile(Polynom{0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0});
    l["akt"] = teile(Polynom{2.0});
    return l;
  }();
  return liste;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string term = "0+" + std::string(reinterpret_cast<const char*>(daten), groesse);
  const Termergebnis erstes = term2Polynom(term, gespeicherteFunktionen());
  if (erstes.ok) {
    for (double c : erstes.p.koeff) {
      if (!std::isfinite(c)) __builtin_trap();
    }
    if (!erstes.testString.empty()) __builtin_trap();
  } else if (erstes.meldung.empty()) {
    __builtin_trap();
  }
  const Termergebnis zweites = term2Polynom(term, gespeicherteFunktionen());
  if (zweites.ok != erstes.ok || zweites.meldung != erstes.meldung ||
      (erstes.ok && zweites.p.koeff != erstes.p.koeff)) {
    __builtin_trap();
  }
  return 0;
}
