#include "gui/hauptfenster.h"

namespace quarvel {

void baueBerechnungsmenues(Hauptfenster&) {}

}  // namespace quarvel
