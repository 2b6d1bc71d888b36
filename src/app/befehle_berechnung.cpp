#include "app/befehle_berechnung.h"

namespace quarvel {

void registriereBerechnungsbefehle(Befehlstabelle& t) {
  berechnung::registriereDivisionsbefehle(t);
  berechnung::registriereIntegralbefehle(t);
  berechnung::registriereVerschiebungsbefehle(t);
}

}  // namespace quarvel
