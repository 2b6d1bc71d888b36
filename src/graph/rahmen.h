#pragma once

#include <string>
#include <utility>
#include <vector>

#include "graph/grafikzustand.h"
#include "model/polynom.h"

namespace quarvel {

// Geometry of the graph view in view units, origin at the lower left. The view's size is
// part of the graph state; the plotting area keeps these margins inside it.
inline constexpr double randLinks = 20;
inline constexpr double randRechts = 10;
inline constexpr double randUnten = 52;
inline constexpr double randOben = 10;

// A point in view coordinates.
struct Bildpunkt {
  double x = 0;
  double y = 0;
  bool operator==(const Bildpunkt&) const = default;
};

// An axis-parallel rectangle in view coordinates.
struct Rechteck {
  double links, rechts, unten, oben;
  bool operator==(const Rechteck&) const = default;
};

// The plotting area of a view of that size: the shown frame maps onto it.
Rechteck zeichenflaeche(Ansichtsgroesse a);

// Sets the view size; false (and nothing changed) outside minAnsicht … maxAnsicht.
bool setzeAnsichtsgroesse(Grafikzustand& g, double breite, double hoehe);

// The mapping between the shown frame and the plotting area of the view, fixed for one
// frame and size: drawing maps thousands of points and needs it only once.
class Abbildung {
 public:
  explicit Abbildung(const Grafikzustand& g);
  Bildpunkt bild(double x, double y) const {
    return {flaeche_.links + sx_ * (x - welt_.links), flaeche_.unten + sy_ * (y - welt_.unten)};
  }
  double weltX(double xw) const {
    return welt_.links + (xw - flaeche_.links) * (welt_.rechts - welt_.links) /
                             (flaeche_.rechts - flaeche_.links);
  }
  double weltY(double yw) const {
    return welt_.unten +
           (yw - flaeche_.unten) * (welt_.oben - welt_.unten) / (flaeche_.oben - flaeche_.unten);
  }
  const Grenzen& welt() const { return welt_; }
  const Rechteck& flaeche() const { return flaeche_; }

 private:
  Grenzen welt_;
  Rechteck flaeche_;
  double sx_, sy_;
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
// maxSkalaPunkte ticks. `pixel` is the length the interval is drawn at: the step is chosen
// as for an interval drawn at `referenzPixel`, so ticks keep their distance on the
// screen when the view grows or shrinks, and are made coarser where they would come
// closer than minTickAbstand. Without a length (the two-argument form) the table holds.
inline constexpr std::size_t maxSkalaPunkte = 1000;
inline constexpr double minTickAbstand = 25;
std::vector<double> skalaErzeugen(double von, double bis, double pixel, double referenzPixel);
std::vector<double> skalaErzeugen(double von, double bis);
// The ticks of the x and y scales of the shown frame, at the view's size.
std::vector<double> xSkala(const Grafikzustand& g);
std::vector<double> ySkala(const Grafikzustand& g);

// The integer points of the shown frame. A frame holding more than maxGitterpunkte of
// them gets no grid: it would fill the view with brown and stall every redraw.
inline constexpr double maxGitterpunkte = 10000;
std::vector<std::pair<double, double>> gitternetz(const Grafikzustand& g);

// The fixed rectangle of the rectangle window, and the title of its radio button.
void setzeXYRahmen(Grafikzustand& g, double xmi, double xma, double ymi, double yma);

}  // namespace quarvel
