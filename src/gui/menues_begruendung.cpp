#include <QMenu>

#include "gui/hauptfenster.h"

namespace quarvel {

// The entries under "Berechne" that show the steps of a curve discussion. They work on the
// function of the name field (the current one when it is empty); intersections take two
// names there, tangent and normal the position from the field x.
void baueBegruendungsmenues(Hauptfenster& f) {
  QMenu* berechne = f.menue(QStringLiteral("Berechne"));
  f.befehlsEintrag(berechne, QStringLiteral("Vor&zeichentabelle"), "vorzeichentabelleB");
  f.befehlsEintrag(berechne, QStringLiteral("Kritische Punkte be&gründen"), "begruendeB");
  f.befehlsEintrag(berechne, QStringLiteral("S&chnittpunkte zweier Funktionen"), "schnittpunkteB");
  f.befehlsEintrag(berechne, QStringLiteral("Schnittpunkte in die P&unktliste eintragen"),
                   "schnittpunkteEintragB");
  f.befehlsEintrag(berechne, QStringLiteral("Tangente an &der Stelle x"), "tangenteB");
  f.befehlsEintrag(berechne, QStringLiteral("Nor&male an der Stelle x"), "normaleB");
  berechne->addSeparator();
}

}  // namespace quarvel
