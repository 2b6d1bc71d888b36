#include "app/skriptaufruf.h"

#include <charconv>

namespace quarvel {

std::optional<std::uint32_t> alsSeed(std::string_view text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return {};
  std::uint32_t wert = 0;
  const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  if (fehler != std::errc() || ende != text.data() + text.size()) return {};  // out of range
  return wert;
}

Skriptaufruf liesSkriptaufruf(int argc, const char* const argv[]) {
  Skriptaufruf aufruf;
  const auto fehler = [&aufruf](std::string text) {
    aufruf.fehler = std::move(text);
    return aufruf;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      aufruf.hilfe = true;
    } else if (arg == "--seed" || arg == "--skript") {
      if (i + 1 == argc) return fehler("Nach „" + std::string(arg) + "“ fehlt der Wert.");
      const std::string_view wert = argv[++i];
      if (arg == "--seed") {
        aufruf.seed = alsSeed(wert);
        if (!aufruf.seed) {
          return fehler("Der Startwert „" + std::string(wert) +
                        "“ ist keine ganze Zahl von 0 bis 4294967295.");
        }
      } else {
        if (aufruf.skript) return fehler("Nur ein Skript kann laufen.");
        aufruf.skript = std::string(wert);
      }
    } else if (arg == "-" || !arg.starts_with('-')) {
      if (aufruf.skript) return fehler("Nur ein Skript kann laufen.");
      aufruf.skript = std::string(arg);
    } else {
      return fehler("Unbekannte Option „" + std::string(arg) + "“.");
    }
  }
  if (!aufruf.hilfe && !aufruf.skript)
    return fehler("Es fehlt das Skript (DATEI oder - für die Standardeingabe).");
  return aufruf;
}

}  // namespace quarvel
