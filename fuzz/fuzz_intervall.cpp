// Feeds arbitrary text to the interval and number readers of the fields. An accepted
// interval has two finite ends in ascending order; a number read is finite.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "points/punktauswahl.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace quarvel;
  const std::string text(reinterpret_cast<const char*>(daten), groesse);
  if (istIntervall(text)) {
    const auto [a, b] = entpacke(text);
    if (!std::isfinite(a) || !std::isfinite(b) || !(a < b)) __builtin_trap();
  }
  if (const auto zahl = alsZahl(text); zahl && !std::isfinite(*zahl)) __builtin_trap();
  return 0;
}
