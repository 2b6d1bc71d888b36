#pragma once

#include <QFont>
#include <QHash>
#include <QPair>
#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <QStaticText>
#include <QString>

#include "app/grafikdatei.h"
#include "graph/anzeigeliste.h"

class QPainter;
class QWidget;

namespace quarvel {

// Paints a display list onto any paint device: the graph view, a printer, a PDF, an SVG,
// an image. The painter stays untransformed: coordinates, pens and fonts are scaled here,
// so lines and text stay sharp at every device resolution.
class Anzeigemaler {
 public:
  // Picks a Palatino-like face: TeX Gyre Pagella, else P052, Palatino, any serif.
  Anzeigemaler();

  // `skala` device units per view unit; `ursprung` is where the view's upper left corner lies.
  void male(QPainter& maler, const Anzeigeliste& liste, double skala = 1.0,
            QPointF ursprung = {}) const;

  QFont schrift(double pixelGroesse) const;
  const QString& schriftfamilie() const { return familie_; }

 private:
  QString familie_;
  // Laid-out labels by text and pixel size: a view repaints the same names and scale
  // numbers on every frame, and laying out text costs far more than drawing it.
  mutable QHash<QPair<QString, int>, QStaticText> texte_;
};

// Writes the picture as PNG, PDF or SVG. Returns why it failed (German), empty on success.
// PDF and SVG stay vector at the view's size; a PNG has the view's size times the
// screen's pixel ratio, but at least minPngBreite pixels across and at most maxPngPixel
// pixels in all.
inline constexpr double minPngBreite = 1300;
inline constexpr double maxPngPixel = 40e6;
QString grafikSchreiben(const Anzeigeliste& liste, const QString& datei, Grafikformat format,
                        double pixelVerhaeltnis = 1);
QSize pngGroesse(Ansichtsgroesse ansicht, double pixelVerhaeltnis);

// Where a printed picture goes on a page of that size: across the printable width at the
// top, the aspect ratio kept, scaled down when it would not fit the height.
struct DruckPlatz {
  double skala;
  QPointF ursprung;
};
DruckPlatz druckPlatz(Ansichtsgroesse ansicht, QSizeF seite);
// The print dialog; on acceptance the picture is printed, fitted to the page. Returns why
// printing failed, empty when it worked or the user cancelled.
QString grafikDrucken(const Anzeigeliste& liste, QWidget* eltern);

}  // namespace quarvel
