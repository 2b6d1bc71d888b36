#include "gui/hauptfenster.h"

namespace quarvel {

void baueAnalysemenues(Hauptfenster&) {}

}  // namespace quarvel
