#include "app/grafikanzeige.h"

namespace quarvel {

Anzeigeliste grafikZeichnen(Zustand& z) {
  return zeichne(z.grafik, Zeichenquellen{z.listen, *z.akt, *z.grafTarget, z.dezimalen});
}

void grafikstandAktualisieren(Zustand& z) { zeichenstandAktualisieren(z.grafik, z.dezimalen); }

}  // namespace quarvel
