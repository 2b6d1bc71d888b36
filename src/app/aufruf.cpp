#include "app/aufruf.h"

#include <charconv>
#include <fstream>
#include <ostream>
#include <string_view>

namespace quarvel {

namespace {

std::optional<std::uint32_t> alsSeed(std::string_view text) {
  std::uint32_t wert = 0;
  const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  if (fehler != std::errc{} || ende != text.data() + text.size()) return std::nullopt;
  return wert;
}

}  // namespace

Aufruf liesAufruf(int argc, const char* const argv[], DateiOhneSchalter bloss) {
  Aufruf aufruf;
  const auto skriptSetzen = [&aufruf](const std::string& pfad) {
    if (aufruf.skript) aufruf.fehlerhaft = true;
    aufruf.skript = pfad;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--skript" && i + 1 < argc) {
      skriptSetzen(argv[++i]);
    } else if (arg == "--seed" && i + 1 < argc) {
      aufruf.seed = alsSeed(argv[++i]);
      if (!aufruf.seed) aufruf.fehlerhaft = true;
    } else if (arg == "--help" || arg == "-h") {
      aufruf.hilfe = true;
    } else if (bloss == DateiOhneSchalter::ja && (arg == "-" || !arg.starts_with('-'))) {
      skriptSetzen(std::string(arg));
    } else if (bloss == DateiOhneSchalter::ja) {
      aufruf.fehlerhaft = true;
    }
  }
  return aufruf;
}

int skriptStarten(const std::string& pfad, std::optional<std::uint32_t> seed, std::istream& ein,
                  std::ostream& aus, std::ostream& fehler, Grafikexport grafikexport) {
  if (pfad == "-") return fuehreSkriptAus(ein, aus, fehler, seed, std::move(grafikexport));
  std::ifstream datei(pfad);
  if (!datei) {
    fehler << "fehler: Skript " << pfad << " lässt sich nicht öffnen\n";
    return 1;
  }
  return fuehreSkriptAus(datei, aus, fehler, seed, std::move(grafikexport));
}

}  // namespace quarvel
