#pragma once

#include <string>
#include <vector>

#include "graph/grafikzustand.h"
#include "model/polynom.h"

namespace quarvel {

// Geometry of the graph view in view units, origin at the lower left.
inline constexpr double fensterBreite = 650;
inline constexpr double fensterHoehe = 580;
inline constexpr double randLinks = 20;
inline constexpr double randRechts = 10;
inline constexpr double randUnten = 52;
inline constexpr double randOben = 10;
// Corners of the plotting area.
inline constexpr double lux = randLinks;
inline constexpr double luy = randUnten;
inline constexpr double rox = fensterBreite - randRechts;
inline constexpr double roy = fensterHoehe - randOben;

// A point in view coordinates.
struct Bildpunkt {
  double x = 0;
  double y = 0;
  bool operator==(const Bildpunkt&) const = default;
};

// True when the frame has a finite, positive width and height and no limit beyond
// groessterRahmenBetrag.
bool istBrauchbarerRahmen(const Grenzen& r);

Grenzen gezeigterRahmen(const Grafikzustand& g);
void setzeRahmen(Grafikzustand& g, double li, double re, double unt, double ob);

// The frame the mapping and the scales work with: the shown frame, except that a side of
// zero, negative or non-finite extent is replaced by a span of 0.2 around its middle. So
// the mapping never divides by zero, whatever the shown frame has become.
Grenzen abbildungsRahmen(const Grafikzustand& g);

// World to view and back; the inverses remember the last position in tempX / tempY.
Bildpunkt bildPunkt(const Grafikzustand& g, double x, double y);
double originalXw(Grafikzustand& g, double xw);
double originalYw(Grafikzustand& g, double yw);
// The same results as plain number texts.
std::string originalX(Grafikzustand& g, double xw);
std::string originalY(Grafikzustand& g, double yw);

// Tick values for [von, bis] by the width of the interval; empty for widths up to 1.
// Very wide intervals get a coarser step so that there are never more than
// maxSkalaPunkte ticks.
inline constexpr std::size_t maxSkalaPunkte = 1000;
std::vector<double> skalaErzeugen(double von, double bis);
void aktualisiereXSkala(Grafikzustand& g);
void aktualisiereYSkala(Grafikzustand& g);

// The integer points of the shown frame. A frame holding more than maxGitterpunkte of
// them gets no grid: it would fill the view with brown and stall every redraw.
inline constexpr double maxGitterpunkte = 10000;
void aktualisiereGitternetz(Grafikzustand& g);

// The fixed rectangle of the rectangle window, and the title of its radio button.
void setzeXYRahmen(Grafikzustand& g, double xmi, double xma, double ymi, double yma);

}  // namespace quarvel
