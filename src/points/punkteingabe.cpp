#include "points/punkteingabe.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

#include "model/objektlisten.h"
#include "model/toleranz.h"
#include "model/utf8.h"
#include "points/punktauswahl.h"
#include "term/zeichen.h"

namespace quarvel {

namespace meldung {
// "/n" is a slash and an n, as the users of this message have always seen it.
constexpr const char* klammerfehler = "Klammerfehler /n";
constexpr const char* koordinatenfehler = "Fehler bei der Koordinateneingabe";
constexpr const char* zuGross =
    "Die Koordinaten sind zu groß: jeder Wert darf höchstens den Betrag 1e15 haben.";

std::string unzulaessigerName(const std::string& name) {
  return "Der Punktname " + name + " ist unzulässig\n";
}
std::string falscheAnzahl(std::size_t anzahl) {
  return "Fehler bei der Anzahl der Koordinaten (" + std::to_string(anzahl) +
         " statt 2 oder - für erweiterte Punkte - 4)";
}
}  // namespace meldung

namespace {

// The characters from position `von` up to, not including, `bis` (counted from 0).
std::vector<char32_t> abschnitt(const std::vector<char32_t>& zeichen, std::size_t von,
                                std::size_t bis) {
  return {zeichen.begin() + static_cast<std::ptrdiff_t>(von),
          zeichen.begin() + static_cast<std::ptrdiff_t>(bis)};
}

bool istZulaessigerPunktname(const std::vector<char32_t>& name) {
  return !name.empty() && istGrossbuchstabe(name.front()) &&
         std::ranges::all_of(name, [](char32_t c) { return istNamensTeil(c); });
}

// Two pieces: x and y, both numbers; z and w are not given.
bool liesEbenenPunkt(const std::vector<std::string>& teile, Punkt& punkt) {
  const auto x = alsZahl(teile[0]);
  const auto y = alsZahl(teile[1]);
  if (!x || !y) return false;
  punkt.ko = {*x, *y, 0, 0};
  punkt.valid = {true, false, false};
  return true;
}

// Four pieces: x must be a number, and at least one of y, z, w. A piece that is not a
// number ("", "-") leaves its component out.
bool liesErweitertenPunkt(const std::vector<std::string>& teile, Punkt& punkt) {
  const auto x = alsZahl(teile[0]);
  std::array<std::optional<double>, 3> rest{alsZahl(teile[1]), alsZahl(teile[2]),
                                            alsZahl(teile[3])};
  if (!x || !(rest[0] || rest[1] || rest[2])) return false;
  punkt.ko = {*x, rest[0].value_or(0), rest[1].value_or(0), rest[2].value_or(0)};
  punkt.valid = {rest[0].has_value(), rest[1].has_value(), rest[2].has_value()};
  return true;
}

}  // namespace

Punkteingabe punktEingabeCheck(std::string_view s) {
  Punkteingabe ergebnis;
  ergebnis.punkt.ko = {0, 0, 0, 0};

  const auto [auf, zu] = klammerpositionen(s);
  if (auf == 0 || zu == 0 || zu < auf) {
    ergebnis.meldung = meldung::klammerfehler;
    return ergebnis;
  }
  // Positions count from 1.
  const std::vector<char32_t> zeichen = codepunkte(s);
  const std::vector<char32_t> name = abschnitt(zeichen, 0, auf - 1);
  ergebnis.name = utf8(name);
  if (!istZulaessigerPunktname(name)) {
    ergebnis.meldung = meldung::unzulaessigerName(ergebnis.name);
    return ergebnis;
  }

  const auto teile = feingehackterString2Stringfeld(utf8(abschnitt(zeichen, auf, zu - 1)));
  bool ok = true;
  switch (teile.size()) {
    case 2:
      ok = liesEbenenPunkt(teile, ergebnis.punkt);
      break;
    case 4:
      ok = liesErweitertenPunkt(teile, ergebnis.punkt);
      break;
    default:
      ergebnis.meldung = meldung::falscheAnzahl(teile.size());
      break;
  }
  if (!ok) {
    ergebnis.meldung = meldung::koordinatenfehler;
  } else if (ergebnis.meldung.empty() &&
             !std::ranges::all_of(ergebnis.punkt.ko, [](double v) { return istHandlich(v); })) {
    ergebnis.meldung = meldung::zuGross;
  }
  return ergebnis;
}

Sammelname istPunktKollektiv(const Punktliste& punkte, std::string_view krzl) {
  const std::vector<char32_t> zeichen = codepunkte(krzl);
  Sammelname ergebnis;
  if (zeichen.size() != 2 || zeichen[1] != U'*' || !istGrossbuchstabe(zeichen[0])) {
    return ergebnis;
  }
  ergebnis.istKollektiv = true;
  const std::string anfang = utf8(zeichen[0]);
  for (const auto& [name, _] : punkte) {
    if (name.starts_with(anfang)) ergebnis.namen.push_back(name);
  }
  return ergebnis;
}

std::vector<std::string> namenEingabeEntfalten(const Punktliste& punkte,
                                               const std::vector<std::string>& rein) {
  std::vector<std::string> namen;
  for (const std::string& name : rein) {
    const Sammelname sammel = istPunktKollektiv(punkte, name);
    if (sammel.istKollektiv) {
      namen.insert(namen.end(), sammel.namen.begin(), sammel.namen.end());
    } else {
      namen.push_back(name);
    }
  }
  std::ranges::sort(namen);
  return namen;
}

}  // namespace quarvel
