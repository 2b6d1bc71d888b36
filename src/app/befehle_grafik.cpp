#include "app/befehle.h"

namespace quarvel {

void registriereGrafikbefehle(Befehlstabelle&) {}

}  // namespace quarvel
