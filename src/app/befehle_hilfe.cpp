#include "app/befehle.h"

namespace quarvel {

void registriereHilfebefehle(Befehlstabelle&) {}

}  // namespace quarvel
