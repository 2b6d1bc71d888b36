#include "gui/hauptfenster.h"

namespace quarvel {

void baueHilfe(Hauptfenster&) {}

}  // namespace quarvel
