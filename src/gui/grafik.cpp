#include "gui/hauptfenster.h"

namespace quarvel {

void baueGrafik(Hauptfenster&) {}

}  // namespace quarvel
