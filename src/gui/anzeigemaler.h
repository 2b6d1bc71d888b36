#pragma once

#include <QFont>
#include <QPointF>
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
};

// Writes the picture as PNG, PDF or SVG. Returns why it failed (German), empty on success.
QString grafikSchreiben(const Anzeigeliste& liste, const QString& datei, Grafikformat format);
// The print dialog; on acceptance the picture is printed, fitted to the page. Returns why
// printing failed, empty when it worked or the user cancelled.
QString grafikDrucken(const Anzeigeliste& liste, QWidget* eltern);

}  // namespace quarvel
