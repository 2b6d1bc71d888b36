#include "gui/hauptfenster.h"

namespace quarvel {

void baueKonstruktionsmenues(Hauptfenster&) {}

}  // namespace quarvel
