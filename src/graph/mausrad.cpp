#include "graph/mausrad.h"

#include "graph/rahmen.h"

namespace quarvel {

namespace {

double vorzeichen(double s) {
  return s < 0 ? -1.0 : 1.0;
}

}  // namespace

void zoom(Grafikzustand& g, double wert) {
  if (g.xrechts - g.xlinks > 0.2) {
    g.xlinks += wert;
    g.xrechts -= wert;
    if (g.yoben - g.yunten - 2 * wert > 0) {
      g.yunten += wert;
      g.yoben -= wert;
    }
  } else {
    setzeRahmen(g, -3, 3, -3, 3);
  }
}

void horiShift(Grafikzustand& g, double st) {
  const double w = g.xrechts - g.xlinks;
  g.xlinks += vorzeichen(st) * w / 20;
  g.xrechts = g.xlinks + w;
}

void vertiShift(Grafikzustand& g, double st) {
  const double h = g.yoben - g.yunten;
  g.yunten += vorzeichen(st) * h / 100;
  g.yoben = g.yunten + h;
}

void yDehnungStauchung(Grafikzustand& g, double st) {
  const double delta = vorzeichen(st) * (g.yoben - g.yunten) / 100;
  g.yunten -= delta;
  g.yoben += delta;
}

void klarSchiff(Grafikzustand& g) {
  if (g.neuG) {
    Grenzen quelle = g.fuRahmen;
    if (g.fensterTyp == FensterW::rechteckig) quelle = g.xyRahmen;
    if (g.fensterTyp == FensterW::nachpunkten) quelle = g.pRahmen;
    // A frame of no extent (nothing visible, a function without extents) would show
    // nothing: the view keeps what it shows.
    if (istBrauchbarerRahmen(quelle))
      setzeRahmen(g, quelle.links, quelle.rechts, quelle.unten, quelle.oben);
  }
  g.neuG = false;
}

void scrollWheel(Grafikzustand& g, double dx, double dy, Tasten tasten) {
  g.xValue += dx;
  g.yValue = dy;
  const double d = g.yValue;
  if (tasten.ctrl) {
    horiShift(g, d);
  } else if (tasten.alt && !tasten.cmd) {
    vertiShift(g, d);
  } else if (tasten.cmd && !tasten.alt) {
    yDehnungStauchung(g, d);
  } else if (!tasten.cmd && !tasten.alt) {
    zoom(g, d < 0 ? 0.1 : -0.1);
  }
  klarSchiff(g);
}

}  // namespace quarvel
