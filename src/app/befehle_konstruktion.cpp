#include "app/befehle.h"

namespace quarvel {

void registriereKonstruktionsbefehle(Befehlstabelle&) {}

}  // namespace quarvel
