#include "graph/anzeigeliste.h"

#include <algorithm>
#include <cmath>

#include "model/punktbuchstaben.h"
#include "model/utf8.h"
#include "model/zahltext.h"

namespace quarvel {

namespace {

bool ueberlappen(const Rechteck& a, const Rechteck& b);

// Builds the list in drawing order.
class Zeichner {
 public:
  Zeichner(const Grafikzustand& g, const Zeichenquellen& q)
      : g_(g), q_(q), abbildung_(g), r_(abbildung_.welt()) {}

  Anzeigeliste zeichne() {
    liste_.groesse = g_.ansicht;
    liste_.elemente.emplace_back(Hintergrund{});
    achsenUndPunkte();
    funktionen();
    for (const auto& [name, s] : q_.listen.spListe()) {
      if (s->sichtbar) splineZeichnen(*s, name);
    }
    gitter();
    xSkala();
    ySkala();
    namenZeichnen();
    return std::move(liste_);
  }

 private:
  Bildpunkt bild(double x, double y) const { return abbildung_.bild(x, y); }
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
      for (const auto& [name, p] : q_.listen.pktListe()) {
        const Bildpunkt ort = bild(p->x(), p->y());
        pfad.kreise.push_back({ort, 2});
        text({ort.x + p->pos.dx, ort.y + p->pos.dy}, name, punktSchrift);
      }
    }
    if (!pfad.linienzuege.empty() || !pfad.kreise.empty())
      liste_.elemente.emplace_back(std::move(pfad));
  }

  // The current function is called "akt" until it is stored under a name.
  static std::string anzeigename(const Polynom& p) { return p.name.empty() ? "akt" : p.name; }

  void funktionen() {
    switch (g_.grafikDim) {
      case GrafikDimension::aktuell:
        fuZeichnen(q_.akt, anzeigename(q_.akt));
        break;
      case GrafikDimension::nominal:
        fuZeichnen(q_.grafTarget, anzeigename(q_.grafTarget));
        break;
      case GrafikDimension::allfunktional:
        for (const auto& [name, f] : q_.listen.fuListe()) fuZeichnen(*f, name);
        break;
    }
  }

  void fuZeichnen(const Polynom& poly, const std::string& name) {
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
    namensortMerken(kurve, name, farbwahl(poly.color));
    liste_.elemente.emplace_back(Pfad{farbwahl(poly.color), kurvenBreite, {std::move(kurve)}, {}});
  }

  void kritischeStellenMarkieren(const Polynom& p) {
    if (p.kritPunkte.empty() || !g_.kritischePunkteImGraphenZeigen) return;
    Pfad kreise{schwarz, 1, {}, {}};
    for (std::size_t k = 0; k < p.kritPunkte.size(); ++k) {
      const Bildpunkt q = bild(p.kritPunkte[k].x, p.kritPunkte[k].y);
      kreise.kreise.push_back({q, 4});
      text(q, kritPunktBuchstabe(k) + p.name, kritSchrift);
    }
    liste_.elemente.emplace_back(std::move(kreise));
  }

  void splineZeichnen(const Spline& s, const std::string& name) {
    if (!s.istKorrekt()) return;
    const std::size_t vorher = namen_.size();
    for (std::size_t k = 0; k + 1 < s.zerlegung.size(); ++k) {
      fuAusschnittZeichnen(s.stuecke[k], s.zerlegung[k], s.zerlegung[k + 1], farbwahl(s.color),
                           name);
    }
    // One name per spline: the place found in its rightmost visible piece.
    if (namen_.size() > vorher + 1)
      namen_.erase(namen_.begin() + static_cast<long>(vorher), namen_.end() - 1);
  }

  // Samples one spline piece in steps of a 466th of the frame width. Only the samples
  // over the shown x range (and one step beyond) are taken: a piece many frames wide
  // would otherwise take millions of samples.
  void fuAusschnittZeichnen(const Polynom& f, double von, double bis, Rgb farbe,
                            const std::string& name) {
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
    namensortMerken(stueck, name, farbe);
    liste_.elemente.emplace_back(Pfad{farbe, kurvenBreite, {std::move(stueck)}, {}});
  }

  void gitter() {
    if (!g_.gitterpunkteSichtbar) return;
    const auto netz = gitternetz(g_);
    Pfad punkte{gitterBraun, 1, {}, {}};
    punkte.kreise.reserve(netz.size());
    for (const auto& [i, j] : netz) punkte.kreise.push_back({bild(i, j), 2});
    liste_.elemente.emplace_back(std::move(punkte));
  }

  void xSkala() {
    if (!g_.xSkalapunkteSichtbar) return;
    const std::vector<double> ticks = quarvel::xSkala(g_);
    Pfad striche{schwarz, 1, {}, {}};
    for (double t : ticks) {
      const Bildpunkt p = bild(t, 0);
      striche.linienzuege.push_back({p, {p.x, p.y + 10}});
    }
    liste_.elemente.emplace_back(std::move(striche));
    for (double t : ticks) {
      const Bildpunkt p = bild(t, 0);
      text({p.x - 8, p.y - 16}, zahlText(t), skalaSchrift);
    }
  }

  void ySkala() {
    if (!g_.ySkalapunkteSichtbar) return;
    const std::vector<double> ticks = quarvel::ySkala(g_);
    Pfad striche{schwarz, 1, {}, {}};
    for (double t : ticks) {
      const Bildpunkt p = bild(0, t);
      striche.linienzuege.push_back({{p.x - 6, p.y}, {p.x + 6, p.y}});
    }
    liste_.elemente.emplace_back(std::move(striche));
    for (double t : ticks) {
      const Bildpunkt p = bild(0, t);
      text({p.x + 8, p.y - 6}, zahlText(t), skalaSchrift);
    }
  }

  // Where a curve's name goes: at the last sample inside the plotting area, which is
  // where the graph leaves the view, or its right end. Curves not in view get no name.
  void namensortMerken(const Linienzug& kurve, const std::string& name, Rgb farbe) {
    if (!g_.funktionsnamenZeigen || name.empty()) return;
    const Rechteck& f = abbildung_.flaeche();
    for (auto p = kurve.rbegin(); p != kurve.rend(); ++p) {
      if (p->x >= f.links && p->x <= f.rechts && p->y >= f.unten && p->y <= f.oben) {
        namen_.push_back({*p, name, farbe});
        return;
      }
    }
  }

  // The names go last, on top, each where it covers no label placed before it: beside
  // its place, else moved up or down by a line at a time.
  void namenZeichnen() {
    std::vector<Rechteck> belegt;
    for (const Anzeigeelement& e : liste_.elemente) {
      if (const auto* b = std::get_if<Beschriftung>(&e))
        belegt.push_back(textKasten(b->ort, b->text, b->schriftgroesse));
    }
    const Rechteck& f = abbildung_.flaeche();
    for (const Namensort& n : namen_) {
      const Rechteck probe = textKasten({}, n.name, namenSchrift);
      const double breite = probe.rechts - probe.links, hoehe = probe.oben - probe.unten;
      const auto kasten = [&](int stufe) {
        // 0, +1, -1, +2, -2, … lines away from the curve's place.
        const int versatz = stufe % 2 == 1 ? (stufe + 1) / 2 : -(stufe / 2);
        const Bildpunkt ort{
            std::clamp(n.ort.x + 4, f.links, std::max(f.links, f.rechts - breite)),
            std::clamp(n.ort.y + 4 + versatz * hoehe, f.unten, std::max(f.unten, f.oben - hoehe))};
        return textKasten(ort, n.name, namenSchrift);
      };
      Rechteck wahl = kasten(0);
      for (int stufe = 0; stufe < 2 * maxNamensVersatz + 1; ++stufe) {
        const Rechteck k = kasten(stufe);
        if (std::none_of(belegt.begin(), belegt.end(),
                         [&k](const Rechteck& b) { return ueberlappen(k, b); })) {
          wahl = k;
          break;
        }
      }
      belegt.push_back(wahl);
      liste_.elemente.emplace_back(
          Beschriftung{{wahl.links, wahl.unten}, n.name, namenSchrift, n.farbe});
    }
  }

  struct Namensort {
    Bildpunkt ort;
    std::string name;
    Rgb farbe;
  };

  const Grafikzustand& g_;
  const Zeichenquellen& q_;
  const Abbildung abbildung_;
  const Grenzen r_;
  Anzeigeliste liste_;
  std::vector<Namensort> namen_;
};

bool ueberlappen(const Rechteck& a, const Rechteck& b) {
  return a.links < b.rechts && b.links < a.rechts && a.unten < b.oben && b.unten < a.oben;
}

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

// Squared distance of p from the segment a-b (squared: simplifying a frame's curves
// compares thousands of distances, and a square root for each shows in the frame time).
double abstandZurStrecke2(Bildpunkt p, Bildpunkt a, Bildpunkt b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double laenge2 = dx * dx + dy * dy;
  const double t =
      laenge2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / laenge2, 0.0, 1.0) : 0.0;
  const double ex = p.x - (a.x + t * dx), ey = p.y - (a.y + t * dy);
  return ex * ex + ey * ey;
}

}  // namespace

Rechteck textKasten(Bildpunkt ort, const std::string& text, double schriftgroesse) {
  // Without the painter's fonts: an average glyph of a serif face is about half as wide
  // as the font is high.
  const double breite = 0.55 * schriftgroesse * static_cast<double>(codepunkte(text).size());
  return {ort.x, ort.x + breite, ort.y, ort.y + schriftgroesse};
}

std::string legendenText(const Grafikzustand& g, int dezimalen) {
  const auto zahl = [dezimalen](double v) { return gerundetText(v, dezimalen); };
  return " " + zahl(g.xlinks) + " < x < " + zahl(g.xrechts) + ",           " + zahl(g.yunten) +
         " < y < " + zahl(g.yoben) + " ";
}

Anzeigeliste zeichne(const Grafikzustand& g, const Zeichenquellen& quellen) {
  return Zeichner(g, quellen).zeichne();
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
    double weitester = toleranz * toleranz;
    std::size_t index = von;
    for (std::size_t i = von + 1; i < bis; ++i) {
      const double d = abstandZurStrecke2(linie[i], linie[von], linie[bis]);
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
