#include "points/punkterzeugung.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <optional>
#include <set>

#include "points/nummerierung.h"
#include "points/punktauswahl.h"

namespace quarvel {

namespace meldung {
constexpr const char* keinPolynomImFeldZ =
    "Im Feld z ist kein Name eines existierenden Polynoms eingetragen.\n";
constexpr const char* punktnameNichtEinBuchstabe =
    "Der Punktname darf nur aus einen einzigen (Groß-)Buchstaben bestehen.\n";
constexpr const char* keinIntervall = "x und y müssen Zahlen sein mit x < y.";
constexpr const char* fensterZuGross =
    "Das sichtbare Fenster ist zu groß für Zufallspunkte im Raster von 0.01.\n";

std::string fehlerhafteAnzahl(const char* feld) {
  return std::string("Fehlerhafte Anzahlangabe im Feld ") + feld + "\n";
}
std::string anzahlZuGross(const char* feld) {
  return std::string("Die Anzahl im Feld ") + feld + " ist zu groß: höchstens " +
         std::to_string(hoechsteErzeugungsanzahl) + " Punkte auf einmal.\n";
}
std::string zuWenigRasterwerte(unsigned long long anzahl) {
  return "Im sichtbaren x-Bereich gibt es nur " + std::to_string(anzahl) +
         " verschiedene x-Werte im Abstand 0.01.\n";
}
}  // namespace meldung

namespace {

// The grid steps of a random coordinate must fit an unsigned 32-bit count, and the grid
// values must stay exact and distinct as doubles (|v| well below 2^45 · 0.01).
constexpr double groessteSpanne = 4294967295.0;
constexpr double groessterBetrag = 1e12;

// A text that is an integer: optional sign, digits; refused beyond the range of a count.
std::optional<long long> alsGanzzahl(std::string_view text) {
  const auto wert = alsZahl(text, ganzeZahl);
  if (!wert || std::abs(*wert) >= 0x1p63) return std::nullopt;
  return static_cast<long long>(*wert);
}

// 100 · v cut toward zero. A product that misses a whole number only by the binary
// rounding of v (100 · 0.29 = 28.999999999999996) counts as that number, so a bound that is
// a multiple of 0.01 stays on the grid.
double hundertstel(double v) {
  const double h = 100.0 * v;
  const double naechste = std::round(h);
  if (std::abs(h - naechste) <= 1e-9 * std::max(1.0, std::abs(h))) return naechste;
  return std::trunc(h);
}

bool passtInsRaster(double von, double bis) {
  return std::isfinite(von) && std::isfinite(bis) && std::abs(von) <= groessterBetrag &&
         std::abs(bis) <= groessterBetrag && hundertstel(bis - von) <= groessteSpanne;
}

std::uint32_t rasterschritte(double von, double bis) {
  const double schritte = hundertstel(bis - von);
  // Also false for NaN.
  if (!(schritte >= 1)) return 0;
  return static_cast<std::uint32_t>(std::min(schritte, groessteSpanne));
}

Punkt erzeugterPunkt(double x, double y, std::string name) {
  Punkt p{x, y, 0, 0};
  p.valid = {true, false, false};
  p.name = std::move(name);
  return p;
}

}  // namespace

bool istGrossbuchstabe(std::string_view s) {
  return s.size() == 1 && s[0] >= 'A' && s[0] <= 'Z';
}

Erzeugungspruefung testPunkteAufF(const Funktionsliste& funktionen, std::string_view x,
                                  std::string_view y, std::string_view z, std::string_view w,
                                  std::string_view name) {
  Erzeugungspruefung pruefung;
  const auto scheitern = [&pruefung](const std::string& text) {
    pruefung.ok = false;
    pruefung.meldung += text;
  };
  const auto anzahl = alsGanzzahl(w);
  if (!anzahl || *anzahl <= 0) {
    scheitern(meldung::fehlerhafteAnzahl("w"));
  } else if (*anzahl > hoechsteErzeugungsanzahl) {
    scheitern(meldung::anzahlZuGross("w"));
  }
  if (!funktionen.contains(std::string(z))) scheitern(meldung::keinPolynomImFeldZ);
  if (!istGrossbuchstabe(name)) scheitern(meldung::punktnameNichtEinBuchstabe);
  const auto a = alsZahl(x);
  const auto b = alsZahl(y);
  if (!a || !b || !(*a < *b)) scheitern(meldung::keinIntervall);
  return pruefung;
}

std::vector<Punkt> genPunkteAufF(const Objektlisten& listen, std::string_view x, std::string_view y,
                                 std::string_view z, std::string_view w, std::string_view name) {
  assert(testPunkteAufF(listen.fuListe(), x, y, z, w, name).ok);
  const Polynom& p = *listen.fuListe().at(std::string(z));
  const double a = alsZahl(x).value_or(0);
  const double b = alsZahl(y).value_or(0);
  const long long n = alsGanzzahl(w).value_or(0);
  const double d = (b - a) / static_cast<double>(n + 1);

  FreieNummern nummern(listen.pktListe(), std::string(name));
  std::vector<Punkt> punkte;
  for (long long i = 1; i <= n; ++i) {
    const double xi = a + static_cast<double>(i) * d;
    punkte.push_back(erzeugterPunkt(xi, p.wert(xi), nummern.naechster()));
  }
  return punkte;
}

Erzeugungspruefung testZufallsPunkte(std::string_view w, std::string_view name,
                                     const Grenzen& fenster) {
  Erzeugungspruefung pruefung;
  const auto scheitern = [&pruefung](const std::string& text) {
    pruefung.ok = false;
    pruefung.meldung += text;
  };
  const std::optional<long long> gelesen = alsGanzzahl(w);
  unsigned long long anzahl = 0;  // stays 0 when the count is refused
  if (!gelesen || *gelesen <= 0) {
    scheitern(meldung::fehlerhafteAnzahl("x"));
  } else if (*gelesen > hoechsteErzeugungsanzahl) {
    scheitern(meldung::anzahlZuGross("x"));
  } else {
    anzahl = static_cast<unsigned long long>(*gelesen);
  }
  if (!istGrossbuchstabe(name)) scheitern(meldung::punktnameNichtEinBuchstabe);
  if (!passtInsRaster(fenster.links, fenster.rechts) ||
      !passtInsRaster(fenster.unten, fenster.oben)) {
    scheitern(meldung::fensterZuGross);
  } else if (const auto vorrat = rasterwerte(fenster.links, fenster.rechts); anzahl > vorrat) {
    // Drawing different x values could never finish.
    scheitern(meldung::zuWenigRasterwerte(vorrat));
  }
  return pruefung;
}

std::vector<Punkt> genZufallsPunkte(const Punktliste& punkte, std::string_view w,
                                    std::string_view name, const Grenzen& fenster,
                                    std::mt19937& zufall) {
  assert(testZufallsPunkte(w, name, fenster).ok);
  // Never more than the grid holds, so the drawing always ends.
  const auto n = std::min(static_cast<unsigned long long>(alsGanzzahl(w).value_or(0)),
                          rasterwerte(fenster.links, fenster.rechts));
  std::set<double> xWerte;
  while (xWerte.size() < n)
    xWerte.insert(zufallsZahlImIntervall(fenster.links, fenster.rechts, zufall));

  FreieNummern nummern(punkte, std::string(name));
  std::vector<Punkt> erzeugt;
  for (const double x : xWerte) {
    const double y = zufallsZahlImIntervall(fenster.unten, fenster.oben, zufall);
    erzeugt.push_back(erzeugterPunkt(x, y, nummern.naechster()));
  }
  return erzeugt;
}

double zufallsZahlImIntervall(double von, double bis, std::mt19937& zufall) {
  const std::uint32_t schritte = rasterschritte(von, bis);
  std::uint32_t r = 0;
  if (schritte > 0) r = std::uniform_int_distribution<std::uint32_t>(0, schritte - 1)(zufall);
  return (hundertstel(von) + r) / 100.0;
}

unsigned long long rasterwerte(double von, double bis) {
  return std::max<unsigned long long>(rasterschritte(von, bis), 1);
}

std::string namensliste(const std::vector<std::string>& namen) {
  const std::size_t gezeigt = std::min(namen.size(), hoechstensGenannt);
  std::string text = "[";
  for (std::size_t i = 0; i < gezeigt; ++i) text += (i == 0 ? "\"" : ", \"") + namen[i] + "\"";
  text += "]";
  if (gezeigt < namen.size())
    text += " … und " + std::to_string(namen.size() - gezeigt) + " weitere";
  return text;
}

std::string namensliste(const std::vector<Punkt>& punkte) {
  std::vector<std::string> namen;
  namen.reserve(punkte.size());
  for (const Punkt& p : punkte) namen.push_back(p.name);
  return namensliste(namen);
}

}  // namespace quarvel
