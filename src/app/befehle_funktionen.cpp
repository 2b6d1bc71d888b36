#include "app/befehle.h"

namespace quarvel {

void registriereFunktionsbefehle(Befehlstabelle&) {}

}  // namespace quarvel
