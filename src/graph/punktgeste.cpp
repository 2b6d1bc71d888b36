#include "graph/punktgeste.h"

#include "graph/rahmen.h"
#include "model/toleranz.h"
#include "model/zahltext.h"
#include "points/punktauswahl.h"

namespace quarvel {

namespace {

using Phase = Punktgeste::Phase;

void knopfTitelSetzen(Grafikzustand& g) {
  g.punktButton = g.geste.letzteAktion == Rueckgaengig::nichts ? "neu" : "Undo";
}

void undoVerwerfen(Grafikzustand& g) {
  g.geste.letzteAktion = Rueckgaengig::nichts;
  knopfTitelSetzen(g);
}

// The remembered mouse position, with tiny values cleared, shown rounded.
Punkt punktAmMausort(Grafikzustand& g) {
  const double x = korr(g.tempX), y = korr(g.tempY);
  g.maus = "(" + zahlText(rund2(x)) + ";" + zahlText(rund2(y)) + ")";
  return Punkt{x, y, 0, 0};
}

}  // namespace

void rightMouseDown(Grafikzustand& g) {
  g.maus.clear();
  g.geste.phase = Phase::waehlen;
}

void rightMouseDragged(Grafikzustand& g, const Objektlisten& listen, double xw, double yw) {
  const double x = originalXw(g, xw);
  const double y = originalYw(g, yw);
  g.traeger = punktName(listen.pktListe(), x, y);
  g.geste.phase = Phase::waehlen;
  undoVerwerfen(g);
}

void rightMouseUp(Grafikzustand& g, const Objektlisten& listen) {
  g.geste.phase = listen.pktExistiert(g.traeger) ? Phase::verschiebbar : Phase::ruhe;
}

void mouseDragged(Grafikzustand& g, double xw, double yw) {
  g.maus = "(" + originalX(g, xw) + ", " + originalY(g, yw) + ")";
  undoVerwerfen(g);
}

void mouseUp(Grafikzustand& g, Objektlisten& listen) {
  if (g.geste.phase == Phase::verschiebbar) {
    verschiebePunkt(g, listen);
  } else {
    undoVerwerfen(g);
  }
  g.geste.phase = Phase::ruhe;
}

void verschiebePunkt(Grafikzustand& g, Objektlisten& listen) {
  const std::string name = g.traeger;
  const auto alt = listen.pktListe().find(name);
  if (alt == listen.pktListe().end()) return;
  Punkt vorher;
  vorher.ko = alt->second->ko;
  vorher.name = name;
  listen.speicherePunkt(name, teile(punktAmMausort(g)));
  g.geste.backPunkt = std::move(vorher);
  g.geste.letzteAktion = Rueckgaengig::verschoben;
  g.traeger = "?";
  knopfTitelSetzen(g);
}

void neuPunkt(Grafikzustand& g, Objektlisten& listen) {
  std::string name = g.traeger;
  if (listen.namensBewertung(name, ObjektTyp::p) != NamensAttribut::frei) {
    name = listen.freierPunktname();
    if (name.empty()) return;
  }
  Punkt p = punktAmMausort(g);
  p.name = name;
  listen.speicherePunkt(name, teile(p));
  g.geste.undoName = name;
  g.geste.backPunkt = std::move(p);
  g.geste.letzteAktion = Rueckgaengig::neuerPunkt;
  knopfTitelSetzen(g);
}

bool punktUndo(Grafikzustand& g, Objektlisten& listen) {
  bool zurueckgelegt = false;
  Punktgeste& geste = g.geste;
  if (geste.letzteAktion == Rueckgaengig::neuerPunkt && listen.pktExistiert(geste.undoName)) {
    listen.entfernePunkt(geste.undoName);
  }
  if (geste.letzteAktion == Rueckgaengig::verschoben) {
    listen.speicherePunkt(geste.backPunkt.name, teile(geste.backPunkt));
    zurueckgelegt = true;
  }
  undoVerwerfen(g);
  return zurueckgelegt;
}

bool punktSetzen(Grafikzustand& g, Objektlisten& listen) {
  if (g.geste.letzteAktion != Rueckgaengig::nichts) return punktUndo(g, listen);
  neuPunkt(g, listen);
  return false;
}

void buchstabenPos(Grafikzustand& g, Objektlisten& listen, int dx, int dy) {
  const auto p = listen.pktListe().find(g.traeger);
  if (p == listen.pktListe().end()) return;
  p->second->pos.dx += dx;
  p->second->pos.dy += dy;
}

}  // namespace quarvel
