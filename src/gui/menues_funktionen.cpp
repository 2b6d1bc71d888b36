#include "gui/hauptfenster.h"

namespace quarvel {

void baueFunktionsmenues(Hauptfenster&) {}

}  // namespace quarvel
