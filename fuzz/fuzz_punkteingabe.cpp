// Feeds arbitrary text to the point entry. An accepted entry must carry a name and only
// coordinates the view can show; a refused one must say why; reading twice gives the same.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/toleranz.h"
#include "points/punkteingabe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace quarvel;
  const std::string text(reinterpret_cast<const char*>(daten), groesse);
  const Punkteingabe erste = punktEingabeCheck(text);
  if (erste.meldung.empty()) {
    if (erste.name.empty()) __builtin_trap();
    for (double v : erste.punkt.ko) {
      if (!istHandlich(v)) __builtin_trap();
    }
  }
  const Punkteingabe zweite = punktEingabeCheck(text);
  if (zweite.meldung != erste.meldung || zweite.name != erste.name ||
      zweite.punkt.ko != erste.punkt.ko || zweite.punkt.valid != erste.punkt.valid) {
    __builtin_trap();
  }
  return 0;
}
