#include "app/fensterwahl.h"

#include <algorithm>
#include <optional>

#include "app/schale.h"
#include "model/toleranz.h"

namespace quarvel {

bool punktDeckelSetzen(Zustand& z) {
  Fensterwahl& knoepfe = z.grafik.wahl;
  const Punktliste& punkte = z.listen.pktListe();
  // The bounds start at the first active point: an inactive one must not widen them.
  std::optional<Grenzen> r;
  for (const auto& [_, p] : punkte) {
    if (!p->aktiv) continue;
    if (!r) r = Grenzen{p->x(), p->x(), p->y(), p->y()};
    r->links = std::min(r->links, p->x());
    r->rechts = std::max(r->rechts, p->x());
    r->unten = std::min(r->unten, p->y());
    r->oben = std::max(r->oben, p->y());
  }
  const bool brauchbar =
      punkte.size() >= 2 && r && !istNull(r->rechts - r->links) && !istNull(r->oben - r->unten);
  if (!brauchbar) {
    // The window stays as it is: a refused choice must not leave the view waiting for a
    // frame that was never set.
    ausgabe(z, 0,
            "Für diese Anweisung müssen mindestens zwei Punkte eingetragen sein, die ein "
            "achsenparalleles Rechteck aufspannen.");
    return false;
  }
  knoepfe.nachPunktenGB = true;
  knoepfe.rechteckGB = false;
  knoepfe.nachFunktion = false;
  z.grafik.pRahmen = *r;
  z.grafik.fensterTyp = FensterW::nachpunkten;
  return true;
}

void fensterWahl(Zustand& z, FensterW wahl) {
  Fensterwahl& knoepfe = z.grafik.wahl;
  switch (wahl) {
    case FensterW::rechteckig:
      knoepfe = {
          knoepfe.aktuellB,     knoepfe.funktionalB, knoepfe.allfunktionalB, false, true, false,
          knoepfe.rechteckTitel};
      z.grafik.fensterTyp = FensterW::rechteckig;
      break;
    case FensterW::grafbedingt:
      knoepfe = {
          knoepfe.aktuellB,     knoepfe.funktionalB, knoepfe.allfunktionalB, true, false, false,
          knoepfe.rechteckTitel};
      z.grafik.fensterTyp = FensterW::grafbedingt;
      break;
    case FensterW::nachpunkten:
      if (!punktDeckelSetzen(z)) return;
      break;
  }
  z.grafik.neuG = true;
}

void grafWahl(Zustand& z, GrafikDimension wahl) {
  Fensterwahl& knoepfe = z.grafik.wahl;
  const auto ankreuzen = [&knoepfe](GrafikDimension d) {
    knoepfe.aktuellB = d == GrafikDimension::aktuell;
    knoepfe.funktionalB = d == GrafikDimension::nominal;
    knoepfe.allfunktionalB = d == GrafikDimension::allfunktional;
  };
  z.grafik.grafikDim = wahl;
  switch (wahl) {
    case GrafikDimension::aktuell:
      ankreuzen(wahl);
      z.grafTarget = z.akt;
      break;
    case GrafikDimension::nominal: {
      const std::string& name = z.felder.name;
      if (const auto f = z.listen.fuListe().find(name); f != z.listen.fuListe().end()) {
        z.grafTarget = f->second;
        ankreuzen(wahl);
      } else if (z.listen.spExistiert(name)) {
        ankreuzen(wahl);
      } else {
        auswahl(z, "Im Feld <Name> ist kein Polynom der Funktionsliste eingetragen. ", "schade",
                "");
        z.grafTarget = z.akt;
        grafWahl(z, GrafikDimension::aktuell);
      }
      break;
    }
    case GrafikDimension::allfunktional:
      ankreuzen(wahl);
      if (z.listen.fuListe().empty() && z.listen.spListe().empty()) {
        auswahl(z, "Die Funktionsliste ist leer. ", "ok", "");
      }
      break;
  }
}

}  // namespace quarvel
