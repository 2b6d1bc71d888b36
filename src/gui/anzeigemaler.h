#pragma once

#include <QFont>
#include <QPointF>
#include <QString>

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

// Writes the picture as PDF, PNG or SVG, by the file's extension (upper or lower case).
// False for another extension or when the file cannot be written.
bool grafikSchreiben(const Anzeigeliste& liste, const QString& datei);
// The print dialog; on acceptance the picture is printed, fitted to the page.
void grafikDrucken(const Anzeigeliste& liste, QWidget* eltern);

}  // namespace quarvel
