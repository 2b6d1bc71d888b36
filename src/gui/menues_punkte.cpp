#include "gui/hauptfenster.h"

namespace quarvel {

void bauePunktmenues(Hauptfenster&) {}

}  // namespace quarvel
