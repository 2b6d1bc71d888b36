#include "app/befehle.h"

namespace quarvel {

void registriereBerechnungsbefehle(Befehlstabelle&) {}

}  // namespace quarvel
