#include "app/befehle.h"

namespace quarvel {

void registriereAnalysebefehle(Befehlstabelle&) {}

}  // namespace quarvel
