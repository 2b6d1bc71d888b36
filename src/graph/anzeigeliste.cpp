#include "graph/anzeigeliste.h"

#include <algorithm>
#include <cmath>

#include "model/zahltext.h"

namespace quarvel {

namespace {

// Builds the list in drawing order.
class Zeichner {
 public:
  Zeichner(Grafikzustand& g, const Zeichenquellen& q) : g_(g), q_(q), r_(abbildungsRahmen(g)) {}

  Anzeigeliste zeichne() {
    liste_.elemente.emplace_back(Hintergrund{});
    achsenUndPunkte();
    funktionen();
    for (const auto& [_, s] : q_.listen.spListe) {
      if (s->sichtbar) splineZeichnen(*s);
    }
    g_.legende = legendenText(g_, q_.dezimalen);
    gitter();
    xSkala();
    ySkala();
    return std::move(liste_);
  }

 private:
  Bildpunkt bild(double x, double y) const { return bildPunkt(g_, x, y); }
  void text(Bildpunkt ort, std::string t, double groesse) {
    liste_.elemente.emplace_back(Beschriftung{ort, std::move(t), groesse, schwarz});
  }

  void achsenUndPunkte() {
    Pfad pfad{schwarz, kurvenBreite, {}, {}};
    if (g_.koordinatensystemSichtbar) {
      const Bildpunkt a = bild(r_.links, 0), b = bild(r_.rechts, 0);
      const Bildpunkt c = bild(0, r_.unten), d = bild(0, r_.oben);
      const Bildpunkt bt{b.x + spitz, b.y}, dt{d.x, d.y + spitz};
      pfad.linienzuege.push_back({{a.x - spitz, a.y}, bt});
      pfad.linienzuege.push_back({{c.x, c.y - spitz}, dt});
      pfad.linienzuege.push_back({{dt.x - spitz, dt.y - spitz}, dt, {dt.x + spitz, dt.y - spitz}});
      pfad.linienzuege.push_back({{bt.x - spitz, bt.y + spitz}, bt, {bt.x - spitz, bt.y - spitz}});
    }
    if (g_.punkteImGraphenZeigen) {
      for (const auto& [name, p] : q_.listen.pktListe) {
        const Bildpunkt ort = bild(p->x(), p->y());
        pfad.kreise.push_back({ort, 2});
        text({ort.x + p->pos.dx, ort.y + p->pos.dy}, name, punktSchrift);
      }
    }
    if (!pfad.linienzuege.empty() || !pfad.kreise.empty())
      liste_.elemente.emplace_back(std::move(pfad));
  }

  void funktionen() {
    switch (g_.grafikDim) {
      case GrafikDimension::aktuell:
        fuZeichnen(q_.akt);
        break;
      case GrafikDimension::nominal:
        fuZeichnen(q_.grafTarget);
        break;
      case GrafikDimension::allfunktional:
        for (const auto& [_, f] : q_.listen.fuListe) fuZeichnen(*f);
        break;
    }
  }

  void fuZeichnen(const Polynom& poly) {
    if (!poly.sichtbar) return;
    kritischeStellenMarkieren(poly);
    Linienzug kurve;
    kurve.reserve(fuStuetzstellen + 1);
    kurve.push_back(bild(r_.links, poly.wert(r_.links)));
    const double schritt = (r_.rechts - r_.links) / (fuStuetzstellen - 1);
    for (int i = 0; i < fuStuetzstellen; ++i) {
      const double x = r_.links + i * schritt;
      kurve.push_back(bild(x, poly.wert(x)));
    }
    liste_.elemente.emplace_back(Pfad{farbwahl(poly.color), kurvenBreite, {std::move(kurve)}, {}});
  }

  void kritischeStellenMarkieren(const Polynom& p) {
    if (p.kritPunkte.empty() || !g_.kritischePunkteImGraphenZeigen) return;
    Pfad kreise{schwarz, 1, {}, {}};
    const auto& buchstaben = alphabet();
    for (std::size_t k = 0; k < p.kritPunkte.size(); ++k) {
      const Bildpunkt q = bild(p.kritPunkte[k].x, p.kritPunkte[k].y);
      kreise.kreise.push_back({q, 4});
      // Degree 14 allows at most 25 critical points, one per letter; more get no letter.
      if (k < buchstaben.size()) text(q, buchstaben[k] + p.name, kritSchrift);
    }
    liste_.elemente.emplace_back(std::move(kreise));
  }

  void splineZeichnen(const Spline& s) {
    if (!s.istKorrekt()) return;
    for (std::size_t k = 0; k + 1 < s.zerlegung.size(); ++k) {
      fuAusschnittZeichnen(s.stuecke[k], s.zerlegung[k], s.zerlegung[k + 1], farbwahl(s.color));
    }
  }

  // Samples one spline piece in steps of a 466th of the frame width. Only the samples
  // over the shown x range (and one step beyond) are taken: a piece many frames wide
  // would otherwise take millions of samples.
  void fuAusschnittZeichnen(const Polynom& f, double von, double bis, Rgb farbe) {
    const double m = (bis - von) / (r_.rechts - r_.links) * splineDichte;
    if (!std::isfinite(m) || m <= 0) return;
    const double schritt = (bis - von) / m;
    const double letzter = std::floor(m);
    const double erster = std::clamp(std::floor((r_.links - von) / schritt) - 1, 0.0, letzter);
    const double bisI = std::clamp(std::ceil((r_.rechts - von) / schritt) + 1, 0.0, letzter);
    if (erster > bisI) return;
    Linienzug stueck;
    const double start = erster == 0 ? von : von + erster * schritt;
    stueck.push_back(bild(start, f.wert(start)));
    // Count with an integer: far out, adding 1 to a double index no longer changes it
    // (and the index range itself is rounded, so it is capped too).
    const auto anzahl = static_cast<long long>(std::min(bisI - erster, 2 * splineDichte + 4));
    for (long long k = 0; k <= anzahl; ++k) {
      const double x = von + (erster + static_cast<double>(k)) * schritt;
      stueck.push_back(bild(x, f.wert(x)));
    }
    liste_.elemente.emplace_back(Pfad{farbe, kurvenBreite, {std::move(stueck)}, {}});
  }

  void gitter() {
    if (!g_.gitterpunkteSichtbar) return;
    // The grid follows the frame shown now, not the one of the last wheel event.
    aktualisiereGitternetz(g_);
    Pfad punkte{gitterBraun, 1, {}, {}};
    punkte.kreise.reserve(g_.gitternetz.size());
    for (const auto& [i, j] : g_.gitternetz) punkte.kreise.push_back({bild(i, j), 2});
    liste_.elemente.emplace_back(std::move(punkte));
  }

  void xSkala() {
    if (!g_.xSkalapunkteSichtbar) return;
    aktualisiereXSkala(g_);
    Pfad striche{schwarz, 1, {}, {}};
    for (double t : g_.xSkalaPunkte) {
      const Bildpunkt p = bild(t, 0);
      striche.linienzuege.push_back({p, {p.x, p.y + 10}});
    }
    liste_.elemente.emplace_back(std::move(striche));
    for (double t : g_.xSkalaPunkte) {
      const Bildpunkt p = bild(t, 0);
      text({p.x - 8, p.y - 16}, zahlText(t), skalaSchrift);
    }
  }

  void ySkala() {
    if (!g_.ySkalapunkteSichtbar) return;
    aktualisiereYSkala(g_);
    Pfad striche{schwarz, 1, {}, {}};
    for (double t : g_.ySkalaPunkte) {
      const Bildpunkt p = bild(0, t);
      striche.linienzuege.push_back({{p.x - 6, p.y}, {p.x + 6, p.y}});
    }
    liste_.elemente.emplace_back(std::move(striche));
    for (double t : g_.ySkalaPunkte) {
      const Bildpunkt p = bild(0, t);
      text({p.x + 8, p.y - 6}, zahlText(t), skalaSchrift);
    }
  }

  Grafikzustand& g_;
  const Zeichenquellen& q_;
  const Grenzen r_;
  Anzeigeliste liste_;
};

bool istEndlich(Bildpunkt p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// Liang-Barsky: cuts the segment a-b to r; false when nothing of it lies inside. A cut
// end is put exactly on the edge it was cut at: with huge coordinates the interpolated
// value of that coordinate would be lost to rounding.
bool schneideZu(Bildpunkt& a, Bildpunkt& b, const Rechteck& r) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  double t0 = 0, t1 = 1;
  int kante0 = -1, kante1 = -1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - r.links, r.rechts - a.x, a.y - r.unten, r.oben - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0 && t > t0) {
      t0 = t;
      kante0 = i;
    } else if (p[i] > 0 && t < t1) {
      t1 = t;
      kante1 = i;
    }
    if (t0 > t1) return false;
  }
  const auto aufKante = [&r](Bildpunkt punkt, int kante) {
    if (kante == 0) punkt.x = r.links;
    if (kante == 1) punkt.x = r.rechts;
    if (kante == 2) punkt.y = r.unten;
    if (kante == 3) punkt.y = r.oben;
    return punkt;
  };
  // Uncut ends stay exactly as they are.
  const Bildpunkt start = kante0 < 0 ? a : aufKante({a.x + t0 * dx, a.y + t0 * dy}, kante0);
  const Bildpunkt ende = kante1 < 0 ? b : aufKante({a.x + t1 * dx, a.y + t1 * dy}, kante1);
  a = start;
  b = ende;
  return true;
}

// Distance of p from the segment a-b.
double abstandZurStrecke(Bildpunkt p, Bildpunkt a, Bildpunkt b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double laenge2 = dx * dx + dy * dy;
  const double t =
      laenge2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / laenge2, 0.0, 1.0) : 0.0;
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

std::string legendenText(const Grafikzustand& g, int dezimalen) {
  const auto zahl = [dezimalen](double v) { return zahlText(gerundet(v, dezimalen)); };
  return " " + zahl(g.xlinks) + " < x < " + zahl(g.xrechts) + ",           " + zahl(g.yunten) +
         " < y < " + zahl(g.yoben) + " ";
}

Anzeigeliste zeichne(Grafikzustand& g, const Zeichenquellen& quellen) {
  return Zeichner(g, quellen).zeichne();
}

void zeichenstandAktualisieren(Grafikzustand& g, int dezimalen) {
  g.legende = legendenText(g, dezimalen);
  if (g.gitterpunkteSichtbar) aktualisiereGitternetz(g);
  if (g.xSkalapunkteSichtbar) aktualisiereXSkala(g);
  if (g.ySkalapunkteSichtbar) aktualisiereYSkala(g);
}

std::vector<Linienzug> clippe(const Linienzug& linie, const Rechteck& r) {
  std::vector<Linienzug> teile;
  Linienzug laufend;
  const auto abschliessen = [&] {
    if (laufend.size() >= 2) teile.push_back(std::move(laufend));
    laufend.clear();
  };
  for (std::size_t i = 0; i + 1 < linie.size(); ++i) {
    Bildpunkt a = linie[i], b = linie[i + 1];
    if (!istEndlich(a) || !istEndlich(b) || !schneideZu(a, b, r)) {
      abschliessen();
      continue;
    }
    // A segment continues the running line when it starts where that line ended.
    if (laufend.empty() || !(laufend.back() == a)) {
      abschliessen();
      laufend.push_back(a);
    }
    laufend.push_back(b);
    if (!(b == linie[i + 1])) abschliessen();  // it left the rectangle
  }
  abschliessen();
  return teile;
}

Linienzug vereinfache(const Linienzug& linie, double toleranz) {
  if (linie.size() <= 2) return linie;
  // Douglas-Peucker: keep the point farthest from the segment between two kept points
  // while it is farther than the tolerance, and look at both halves again.
  std::vector<bool> behalten(linie.size(), false);
  behalten.front() = behalten.back() = true;
  std::vector<std::pair<std::size_t, std::size_t>> offen{{0, linie.size() - 1}};
  while (!offen.empty()) {
    const auto [von, bis] = offen.back();
    offen.pop_back();
    double weitester = toleranz;
    std::size_t index = von;
    for (std::size_t i = von + 1; i < bis; ++i) {
      const double d = abstandZurStrecke(linie[i], linie[von], linie[bis]);
      if (d > weitester) {
        weitester = d;
        index = i;
      }
    }
    if (index == von) continue;
    behalten[index] = true;
    offen.emplace_back(von, index);
    offen.emplace_back(index, bis);
  }
  Linienzug ergebnis;
  for (std::size_t i = 0; i < linie.size(); ++i) {
    if (behalten[i]) ergebnis.push_back(linie[i]);
  }
  return ergebnis;
}

}  // namespace quarvel
