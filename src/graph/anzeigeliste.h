#pragma once

#include <string>
#include <variant>
#include <vector>

#include "graph/grafikzustand.h"
#include "graph/rahmen.h"
#include "model/farbe.h"
#include "model/objektlisten.h"
#include "model/polynom.h"

namespace quarvel {

// What the graph view paints, in painting order, in view coordinates (origin lower left,
// the view's size from the graph state). The core builds it from the state; a painter of
// the front end only has to map it onto its device, so the window, the printer and every
// export show the same.

using Linienzug = std::vector<Bildpunkt>;

struct Kreis {
  Bildpunkt mitte;
  double radius = 0;
};

// Fills the whole view.
struct Hintergrund {
  Rgb farbe{1, 1, 1};
};

// Polylines and circle outlines stroked together in one colour and line width.
struct Pfad {
  Rgb farbe;
  double linienbreite = 1;
  std::vector<Linienzug> linienzuege;
  std::vector<Kreis> kreise;
};

// A text whose box has its lower left corner at `ort`.
struct Beschriftung {
  Bildpunkt ort;
  std::string text;
  double schriftgroesse = 12;
  Rgb farbe;
};

using Anzeigeelement = std::variant<Hintergrund, Pfad, Beschriftung>;

struct Anzeigeliste {
  Ansichtsgroesse groesse;
  std::vector<Anzeigeelement> elemente;
};

// Colours and sizes of the drawing.
inline constexpr Rgb schwarz{0, 0, 0};
inline constexpr Rgb gitterBraun{0.6, 0.4, 0.2};
inline constexpr double spitz = 4;           // half-size of the arrow heads
inline constexpr double kurvenBreite = 2;    // axes and curves
inline constexpr double punktSchrift = 14;   // names of points
inline constexpr double kritSchrift = 16;    // letters of critical points
inline constexpr double skalaSchrift = 12;   // scale labels
inline constexpr double namenSchrift = 13;   // names of the curves
inline constexpr int maxNamensVersatz = 6;   // lines a curve's name may move to stay free
inline constexpr int fuStuetzstellen = 461;  // samples of a function per drawing
inline constexpr double splineDichte = 466;  // samples of a spline piece per frame width

// What is drawn besides the lists: the current function and the named-mode target.
struct Zeichenquellen {
  const Objektlisten& listen;
  const Polynom& akt;
  const Polynom& grafTarget;
  int dezimalen = 2;
};

// The box a label of that text and size roughly covers, its lower left corner at `ort`.
Rechteck textKasten(Bildpunkt ort, const std::string& text, double schriftgroesse);

// The legend of the shown frame: " -4.0 < x < 4.0,           -4.0 < y < 4.0 ".
std::string legendenText(const Grafikzustand& g, int dezimalen);

// Draws the state: background, axes with arrow heads, points with their names, the
// functions (with their critical points when switched on) and splines, the grid and the
// two scales. Drawing changes no state: the legend, the ticks and the grid follow from
// the frame whenever they are asked for.
Anzeigeliste zeichne(const Grafikzustand& g, const Zeichenquellen& quellen);

// The parts of a polyline inside `r` (edges cut where they leave it); points that are
// not finite break the line. Keeps huge values (a degree-14 function far outside the
// frame) away from the painter.
std::vector<Linienzug> clippe(const Linienzug& linie, const Rechteck& r);

// Drops the points that lie closer than `toleranz` to the straight line through their
// kept neighbours: smooth curves need far fewer vertices than samples, and every vertex
// costs the painter a join. First and last point are always kept.
Linienzug vereinfache(const Linienzug& linie, double toleranz);

}  // namespace quarvel
