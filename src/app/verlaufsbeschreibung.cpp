#include "app/verlaufsbeschreibung.h"

#include "analysis/kurvendiskussion.h"
#include "app/schale.h"

namespace quarvel {

std::string verlaufsBeschreibung(const Zustand& z) {
  return "Beschreibung des Kurvenverlaufs zur aktuellen Funktion mit der Gleichung \n y =  " +
         text(z, *z.akt) + "\n\n" + kurvendiskussion2fu(*z.akt, z.dezimalen, z.brueche);
}

}  // namespace quarvel
