#include "app/grafikanzeige.h"

namespace quarvel {

Anzeigeliste grafikZeichnen(const Zustand& z) {
  return zeichne(z.grafik, Zeichenquellen{z.listen, *z.akt, *z.grafTarget, z.dezimalen});
}

std::string grafikLegende(const Zustand& z) {
  return legendenText(z.grafik, z.dezimalen);
}

}  // namespace quarvel
