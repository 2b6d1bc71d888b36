#include "app/befehle.h"

namespace quarvel {

void registrierePunktbefehle(Befehlstabelle&) {}

}  // namespace quarvel
