#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "graph/anzeigeliste.h"

namespace quarvel {
namespace {

// How the painters show this list (white ground, black axes, curves in their colours,
// huge values clipped) is checked on real pixels by the window tests, the legend by the
// graph scripts; here stand the order, the geometry and the texts of the list itself.

struct Zeichnung : testing::Test {
  Anzeigeliste zeichneJetzt() { return zeichne(g, {listen, akt, ziel, 2}); }

  Grafikzustand g;
  Objektlisten listen;
  Polynom akt{-2, -2, 2};
  Polynom ziel{1};
};

template <typename T>
std::vector<const T*> alle(const Anzeigeliste& l) {
  std::vector<const T*> v;
  for (const auto& e : l.elemente) {
    if (const auto* t = std::get_if<T>(&e)) v.push_back(t);
  }
  return v;
}

std::vector<const Beschriftung*> beschriftungen(const Anzeigeliste& l, double groesse) {
  std::vector<const Beschriftung*> v;
  for (const Beschriftung* b : alle<Beschriftung>(l)) {
    if (b->schriftgroesse == groesse) v.push_back(b);
  }
  return v;
}

std::vector<std::string> texte(const Anzeigeliste& l, double groesse) {
  std::vector<std::string> v;
  for (const Beschriftung* b : beschriftungen(l, groesse)) v.push_back(b->text);
  return v;
}

// The curves: single long polylines in the curve width.
std::vector<const Pfad*> kurven(const Anzeigeliste& l) {
  std::vector<const Pfad*> v;
  for (const Pfad* p : alle<Pfad>(l)) {
    if (p->linienbreite == kurvenBreite && p->kreise.empty() && p->linienzuege.size() == 1 &&
        p->linienzuege[0].size() > 4)
      v.push_back(p);
  }
  return v;
}

TEST_F(Zeichnung, ReihenfolgeUndLageAmStart) {
  const Anzeigeliste l = zeichneJetzt();
  ASSERT_GE(l.elemente.size(), 5u);
  // Both axes stick out by the arrow size beyond the frame.
  EXPECT_EQ(std::get<Pfad>(l.elemente[1]).linienzuege,
            (std::vector<Linienzug>{{{16, 311}, {644, 311}},
                                    {{330, 48}, {330, 574}},
                                    {{326, 570}, {330, 574}, {334, 570}},
                                    {{640, 315}, {644, 311}, {640, 307}}}));
  // Then the current function: a move and 461 samples.
  const Linienzug& kurve = std::get<Pfad>(l.elemente[2]).linienzuege.at(0);
  EXPECT_EQ(kurve.size(), 462u);
  EXPECT_EQ(kurve[0], kurve[1]);
  EXPECT_DOUBLE_EQ(kurve.back().x, 640);
  // Then the x scale (strokes, labels) and the y scale.
  EXPECT_EQ(std::get<Pfad>(l.elemente[3]).linienzuege.size(), 18u);
  EXPECT_EQ(std::get<Beschriftung>(l.elemente[4]).text, "-4.5");
  EXPECT_EQ(texte(l, skalaSchrift).size(), 36u);
  // x labels sit 8 left of and 16 below their tick, y labels 8 right and 6 below.
  std::vector<Bildpunkt> nullen;
  for (const Beschriftung* b : beschriftungen(l, skalaSchrift)) {
    if (b->text == "0.0") nullen.push_back(b->ort);
  }
  EXPECT_EQ(nullen, (std::vector<Bildpunkt>{{322, 295}, {338, 305}}));
  EXPECT_EQ(l.groesse, (Ansichtsgroesse{650, 580}));
  // Last, on top: the current function's name where it leaves the view.
  EXPECT_EQ(texte(l, namenSchrift), (std::vector<std::string>{"akt"}));
}

TEST_F(Zeichnung, PunkteMitNamenUndVersatz) {
  Punkt p{1, 2, 0, 0};
  p.pos = {6, -4};
  p.aktiv = false;  // inactive points are drawn too
  listen.speicherePunkt("B", teile(p));
  const Anzeigeliste l = zeichneJetzt();
  const Bildpunkt ort = bildPunkt(g, 1, 2);
  // The name comes before the stroke of the path it belongs to.
  const auto& name = std::get<Beschriftung>(l.elemente[1]);
  EXPECT_EQ(name.text, "B");
  EXPECT_EQ(name.ort, (Bildpunkt{ort.x + 6, ort.y - 4}));
  EXPECT_EQ(name.schriftgroesse, punktSchrift);
  const auto& kreise = std::get<Pfad>(l.elemente[2]).kreise;
  ASSERT_EQ(kreise.size(), 1u);
  EXPECT_EQ(kreise[0].mitte, ort);
  EXPECT_EQ(kreise[0].radius, 2);

  g.punkteImGraphenZeigen = false;
  const Anzeigeliste ohne = zeichneJetzt();
  EXPECT_TRUE(texte(ohne, punktSchrift).empty());
  EXPECT_TRUE(std::get<Pfad>(ohne.elemente[1]).kreise.empty());
}

TEST_F(Zeichnung, FunktionenNachGrafikDimension) {
  auto f = teile(Polynom{0, 1});
  f->name = "f";
  f->color = Farbe::rot;
  f->kritPunkte = {{0, 0}, {1, 1}};
  auto h = teile(Polynom{0, 0, 1});
  h->name = "h";
  h->sichtbar = false;
  h->kritPunkte = {{0, 0}};
  listen.speichereFunktion("f", f);
  listen.speichereFunktion("h", h);
  g.kritischePunkteImGraphenZeigen = true;

  // Current mode: stored functions stay away even when visible.
  EXPECT_EQ(kurven(zeichneJetzt()).size(), 1u);

  g.grafikDim = GrafikDimension::allfunktional;
  const Anzeigeliste alle = zeichneJetzt();
  ASSERT_EQ(kurven(alle).size(), 1u) << "the hidden function shows neither curve nor points";
  EXPECT_EQ(kurven(alle)[0]->farbe, (Rgb{1, 0, 0}));
  EXPECT_EQ(texte(alle, kritSchrift), (std::vector<std::string>{"Af", "Bf"}));

  // Degree 14 may have 39 critical positions (roots, extrema, turning points): all lettered.
  f->kritPunkte.assign(39, {0.5, 0.5});
  const auto buchstaben = texte(zeichneJetzt(), kritSchrift);
  ASSERT_EQ(buchstaben.size(), 39u);
  EXPECT_EQ(buchstaben[25], "A1f");
  EXPECT_EQ(buchstaben[38], "N1f");

  g.kritischePunkteImGraphenZeigen = false;
  EXPECT_TRUE(texte(zeichneJetzt(), kritSchrift).empty());

  g.grafikDim = GrafikDimension::nominal;
  ziel = *f;
  EXPECT_EQ(kurven(zeichneJetzt())[0]->farbe, (Rgb{1, 0, 0}));
}

TEST_F(Zeichnung, SplinesInJederArtMitStueckweisenStuetzstellen) {
  auto s = std::make_shared<Spline>(Spline({Polynom{0, 1}, Polynom{2, -1}}, {0, 1, 2}));
  s->color = Farbe::blau;
  listen.speichereSpline("s", s);
  const auto blau = [](const Anzeigeliste& l) {
    std::vector<std::size_t> laengen;
    for (const Pfad* p : alle<Pfad>(l)) {
      if (p->farbe == Rgb{0, 0, 1}) laengen.push_back(p->linienzuege.at(0).size());
    }
    return laengen;
  };
  // Frame width 8: a piece of width 1 gets 1/8 * 466 = 58.25 steps, so samples 0 … 58.
  EXPECT_EQ(blau(zeichneJetzt()), (std::vector<std::size_t>{60, 60}));
  s->zerlegung = {0, 2, 1};  // knots out of order: not drawn
  EXPECT_TRUE(blau(zeichneJetzt()).empty());
  s->zerlegung = {0, 1, 2};
  s->sichtbar = false;
  EXPECT_TRUE(blau(zeichneJetzt()).empty());
}

TEST_F(Zeichnung, RiesigesSplinestueckWirdNurImRahmenAbgetastet) {
  listen.speichereSpline("s", std::make_shared<Spline>(Spline({Polynom{0, 1}}, {-1e6, 1e6})));
  akt.sichtbar = false;
  setzeRahmen(g, 0, 0.5, 0, 0.5);
  const Anzeigeliste l = zeichneJetzt();
  ASSERT_EQ(kurven(l).size(), 1u);
  const Linienzug& stueck = kurven(l)[0]->linienzuege[0];
  EXPECT_GT(stueck.size(), 400u);
  EXPECT_LT(stueck.size(), 1000u);
  EXPECT_LE(stueck.front().x, zeichenflaeche(g.ansicht).links);
  EXPECT_GE(stueck.back().x, zeichenflaeche(g.ansicht).rechts);
  // Sample indices beyond 2^53 must not stall the loop.
  setzeRahmen(g, 0, 1e-12, 0, 1e-12);
  EXPECT_FALSE(zeichneJetzt().elemente.empty());
}

TEST_F(Zeichnung, GitterInBraunUndSchalter) {
  g.gitterpunkteSichtbar = true;
  g.koordinatensystemSichtbar = false;
  g.xSkalapunkteSichtbar = false;
  g.ySkalapunkteSichtbar = false;
  g.funktionsnamenZeigen = false;
  const Anzeigeliste l = zeichneJetzt();
  EXPECT_TRUE(texte(l, namenSchrift).empty());
  const auto& gitter = std::get<Pfad>(l.elemente.back());
  EXPECT_EQ(gitter.farbe, gitterBraun);
  EXPECT_EQ(gitter.kreise.size(), 81u);
  EXPECT_TRUE(texte(l, skalaSchrift).empty());
  for (const Pfad* p : alle<Pfad>(l)) EXPECT_LE(p->linienzuege.size(), 1u) << "no axes, no ticks";
}

TEST_F(Zeichnung, KurvenTragenIhreNamenOhneUeberdeckung) {
  // Five curves ending close together at the right edge, one outside the frame.
  g.grafikDim = GrafikDimension::allfunktional;
  for (const auto& [name, c] : std::vector<std::pair<std::string, double>>{
           {"f", 1}, {"g", 1.05}, {"h", 1.1}, {"k", 1.15}, {"p", 1.2}, {"weg", 100}}) {
    auto f = teile(Polynom{c});
    f->color = Farbe::rot;
    listen.speichereFunktion(name, f);
  }
  listen.speichereSpline(
      "s", std::make_shared<Spline>(Spline({Polynom{0, 1}, Polynom{1, 0}}, {-1, 1, 2})));
  const Anzeigeliste l = zeichneJetzt();
  EXPECT_EQ(texte(l, namenSchrift), (std::vector<std::string>{"f", "g", "h", "k", "p", "s"}));
  const auto n = beschriftungen(l, namenSchrift);
  const Rechteck flaeche = zeichenflaeche(g.ansicht);
  for (std::size_t i = 0; i < n.size(); ++i) {
    const Rechteck a = textKasten(n[i]->ort, n[i]->text, namenSchrift);
    EXPECT_TRUE(a.links >= flaeche.links && a.rechts <= flaeche.rechts &&
                a.unten >= flaeche.unten && a.oben <= flaeche.oben)
        << n[i]->text;
    for (std::size_t j = 0; j < i; ++j) {
      const Rechteck b = textKasten(n[j]->ort, n[j]->text, namenSchrift);
      EXPECT_FALSE(a.links < b.rechts && b.links < a.rechts && a.unten < b.oben && b.unten < a.oben)
          << n[i]->text << " covers " << n[j]->text;
    }
  }
  EXPECT_EQ(n[0]->farbe, farbwahl(Farbe::rot)) << "in the curve's colour";
  // The spline's name sits at its right end (x = 2), not at each piece.
  EXPECT_NEAR(n.back()->ort.x, bildPunkt(g, 2, 0).x + 4, 2);
  g.funktionsnamenZeigen = false;
  EXPECT_TRUE(texte(zeichneJetzt(), namenSchrift).empty());
}

TEST(Clip, RechteckNullBisZehn) {
  const struct {
    Linienzug linie;
    std::vector<Linienzug> erwartet;
  } faelle[] = {
      {{{1, 1}, {2, 2}, {3, 1}}, {{{1, 1}, {2, 2}, {3, 1}}}},                 // inside
      {{{-5, 1}, {-1, 20}}, {}},                                              // outside
      {{{5, 5}, {5, 1e42}, {6, 5}}, {{{5, 5}, {5, 10}}, {{6, 10}, {6, 5}}}},  // out and back
      {{{1, 1}, {2, NAN}, {3, 3}, {4, 4}}, {{{3, 3}, {4, 4}}}},               // not finite: a break
      {{{-10, 5}, {20, 5}}, {{{0, 5}, {10, 5}}}},                             // across
      {{{1, 1}}, {}},                                                         // a single point
  };
  for (const auto& fall : faelle) EXPECT_EQ(clippe(fall.linie, {0, 10, 0, 10}), fall.erwartet);
}

TEST(Vereinfachen, GeradeVerliertInnerePunkteKurveBehaeltSie) {
  Linienzug gerade, parabel;
  for (int i = 0; i <= 100; ++i) {
    gerade.push_back({i * 1.0, i * 0.5});
    parabel.push_back({i * 1.0, i * i * 0.1});
  }
  EXPECT_EQ(vereinfache(gerade, 0.1), (Linienzug{{0, 0}, {100, 50}}));
  const Linienzug p = vereinfache(parabel, 0.1);
  EXPECT_GT(p.size(), 10u);
  EXPECT_EQ(p.front(), parabel.front());
  EXPECT_EQ(p.back(), parabel.back());
  // No sample strays further than the tolerance from the simplified line (a check of
  // each point against its neighbours alone lets the error pile up along a gentle arc).
  for (const Bildpunkt& q : parabel) {
    double naechster = 1e9;
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
      const Bildpunkt a = p[i], b = p[i + 1];
      const double dx = b.x - a.x, dy = b.y - a.y;
      const double t =
          std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
      naechster = std::min(naechster, std::hypot(q.x - a.x - t * dx, q.y - a.y - t * dy));
    }
    EXPECT_LE(naechster, 0.1 + 1e-12);
  }
  // A turning point is kept even on a straight back-and-forth line.
  EXPECT_EQ(vereinfache({{0, 0}, {10, 0}, {5, 0}}, 0.1), (Linienzug{{0, 0}, {10, 0}, {5, 0}}));
}

}  // namespace
}  // namespace quarvel
