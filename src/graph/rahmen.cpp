#include "graph/rahmen.h"

#include <cmath>

#include "model/toleranz.h"
#include "model/zahltext.h"

namespace quarvel {

namespace {

bool istBrauchbareSpanne(double lo, double hi) {
  return std::isfinite(lo) && std::isfinite(hi) && std::isfinite(hi - lo) && hi - lo > 0;
}

bool imRahmenBereich(double v) {
  return std::abs(v) <= groessterRahmenBetrag;
}

// A usable interval in place of [lo, hi]: unchanged when it is one.
void brauchbarMachen(double& lo, double& hi) {
  if (istBrauchbareSpanne(lo, hi)) return;
  double mitte = lo / 2 + hi / 2;
  if (!std::isfinite(mitte)) mitte = 0;
  lo = mitte - 0.1;
  hi = mitte + 0.1;
}

}  // namespace

bool istBrauchbarerRahmen(const Grenzen& r) {
  return istBrauchbareSpanne(r.links, r.rechts) && istBrauchbareSpanne(r.unten, r.oben) &&
         imRahmenBereich(r.links) && imRahmenBereich(r.rechts) && imRahmenBereich(r.unten) &&
         imRahmenBereich(r.oben);
}

Grenzen gezeigterRahmen(const Grafikzustand& g) {
  return {g.xlinks, g.xrechts, g.yunten, g.yoben};
}

void setzeRahmen(Grafikzustand& g, double li, double re, double unt, double ob) {
  g.xlinks = li;
  g.xrechts = re;
  g.yunten = unt;
  g.yoben = ob;
}

Grenzen abbildungsRahmen(const Grafikzustand& g) {
  Grenzen r = gezeigterRahmen(g);
  brauchbarMachen(r.links, r.rechts);
  brauchbarMachen(r.unten, r.oben);
  return r;
}

Rechteck zeichenflaeche(Ansichtsgroesse a) {
  return {randLinks, a.breite - randRechts, randUnten, a.hoehe - randOben};
}

bool setzeAnsichtsgroesse(Grafikzustand& g, double breite, double hoehe) {
  const auto erlaubt = [](double v) { return v >= minAnsicht && v <= maxAnsicht; };
  if (!erlaubt(breite) || !erlaubt(hoehe)) return false;
  g.ansicht = {breite, hoehe};
  return true;
}

Abbildung::Abbildung(const Grafikzustand& g)
    : welt_(abbildungsRahmen(g)),
      flaeche_(zeichenflaeche(g.ansicht)),
      sx_((flaeche_.rechts - flaeche_.links) / (welt_.rechts - welt_.links)),
      sy_((flaeche_.oben - flaeche_.unten) / (welt_.oben - welt_.unten)) {}

Bildpunkt bildPunkt(const Grafikzustand& g, double x, double y) {
  return Abbildung(g).bild(x, y);
}

double originalXw(Grafikzustand& g, double xw) {
  g.tempX = Abbildung(g).weltX(xw);
  return g.tempX;
}

double originalYw(Grafikzustand& g, double yw) {
  g.tempY = Abbildung(g).weltY(yw);
  return g.tempY;
}

std::string originalX(Grafikzustand& g, double xw) {
  return zahlText(originalXw(g, xw));
}
std::string originalY(Grafikzustand& g, double yw) {
  return zahlText(originalYw(g, yw));
}

std::vector<double> skalaErzeugen(double von, double bis) {
  return skalaErzeugen(von, bis, 0, 0);
}

std::vector<double> skalaErzeugen(double von, double bis, double pixel, double referenzPixel) {
  struct Stufe {
    double spanneUeber;
    double schritt;
    bool gerundet;  // bases below 10 start one step early and their ticks are rounded
  };
  static constexpr Stufe stufen[] = {
      {200, 20, false}, {100, 10, false}, {50, 5, false}, {30, 3, false}, {20, 2, false},
      {10, 1, true},    {5, 0.5, true},   {4, 0.4, true}, {2, 0.2, true}, {1, 0.1, true}};
  const double spanne = bis - von;
  if (!std::isfinite(von) || !std::isfinite(spanne) || pixel < 0) return {};
  // The span as it would look at the reference length chooses the step.
  const double gesehen = pixel > 0 ? spanne * (referenzPixel / pixel) : spanne;
  for (const Stufe& stufe : stufen) {
    if (!(gesehen > stufe.spanneUeber)) continue;
    double s = stufe.schritt;
    // Keep the step of the table, unless the ticks would run into the thousands.
    while (std::trunc(spanne / s) + 2 > static_cast<double>(maxSkalaPunkte)) s *= 10;
    // Beyond the table's widest step, labels would pile up on a short axis.
    while (pixel > 0 && s / spanne * pixel < minTickAbstand) s *= 10;
    const double b = stufe.gerundet ? std::trunc(von - s) : std::trunc(von);
    const int n = static_cast<int>(std::trunc(spanne / s));
    std::vector<double> ticks;
    ticks.reserve(static_cast<std::size_t>(n) + 2);
    for (int i = -1; i <= n; ++i) {
      const double t = b + i * s;
      ticks.push_back(stufe.gerundet ? rund1(t) : t);
    }
    return ticks;
  }
  return {};
}

std::vector<double> xSkala(const Grafikzustand& g) {
  // The default view's plotting area gets the steps of the table.
  const Rechteck referenzFlaeche = zeichenflaeche(Ansichtsgroesse{});
  const Grenzen r = abbildungsRahmen(g);
  const Rechteck f = zeichenflaeche(g.ansicht);
  return skalaErzeugen(r.links, r.rechts, f.rechts - f.links,
                       referenzFlaeche.rechts - referenzFlaeche.links);
}

std::vector<double> ySkala(const Grafikzustand& g) {
  const Rechteck referenzFlaeche = zeichenflaeche(Ansichtsgroesse{});
  const Grenzen r = abbildungsRahmen(g);
  const Rechteck f = zeichenflaeche(g.ansicht);
  return skalaErzeugen(r.unten, r.oben, f.oben - f.unten,
                       referenzFlaeche.oben - referenzFlaeche.unten);
}

std::vector<std::pair<double, double>> gitternetz(const Grafikzustand& g) {
  std::vector<std::pair<double, double>> netz;
  if (!(g.xrechts - g.xlinks > 0)) return netz;
  const double i0 = std::trunc(g.xlinks), i1 = std::trunc(g.xrechts);
  const double j0 = std::trunc(g.yunten), j1 = std::trunc(g.yoben);
  if (!std::isfinite(i0) || !std::isfinite(i1) || !std::isfinite(j0) || !std::isfinite(j1))
    return netz;
  // A frame whose lower integer part exceeds the upper one has no grid rows.
  const double spalten = i1 - i0 + 1, zeilen = j1 - j0 + 1;
  if (zeilen <= 0 || spalten * zeilen > maxGitterpunkte) return netz;
  netz.reserve(static_cast<std::size_t>(spalten * zeilen));
  // Count with integers: near 1e16 adding 1 to a double no longer changes it.
  const int n = static_cast<int>(spalten), m = static_cast<int>(zeilen);
  for (int a = 0; a < n; ++a) {
    for (int b = 0; b < m; ++b) netz.emplace_back(i0 + a, j0 + b);
  }
  return netz;
}

void setzeXYRahmen(Grafikzustand& g, double xmi, double xma, double ymi, double yma) {
  g.wahl.rechteckTitel = ".. als Rechteck [" + zahlText(xmi) + ", " + zahlText(xma) + "] x [" +
                         zahlText(ymi) + ", " + zahlText(yma) + "] ";
  g.xyRahmen = {xmi, xma, ymi, yma};
}

}  // namespace quarvel
