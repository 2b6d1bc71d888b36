// Feeds arbitrary bytes to the document reader. Any crash, sanitizer report or endless loop
// is a finding, and so is a refusal that changes the open work, a refusal without a reason,
// or an accepted document that does not read back as it writes.

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/dokument.h"
#include "app/schale.h"
#include "stille_oberflaeche.h"

namespace {

using namespace quarvel;

using bench::StilleOberflaeche;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string text(reinterpret_cast<const char*>(daten), groesse);
  StilleOberflaeche ui;
  Zustand z(ui, 1);
  starte(z);
  const std::string vorher = dokumentText(z);
  const std::string grund = dokumentLesen(z, text);
  if (!grund.empty()) {
    if (dokumentText(z) != vorher) __builtin_trap();
    return 0;
  }
  const std::string gelesen = dokumentText(z);
  Zustand zweiter(ui, 1);
  if (!dokumentLesen(zweiter, gelesen).empty() || dokumentText(zweiter) != gelesen)
    __builtin_trap();
  return 0;
}
