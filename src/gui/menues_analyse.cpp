#include <QMenu>

#include "gui/hauptfenster.h"

namespace quarvel {

// The analysis entries of the menu "Berechne": the critical points of the function named in
// the name field, and the curve descriptions.
void baueAnalysemenues(Hauptfenster& f) {
  QMenu* berechne = f.menue(QStringLiteral("Berechne"));
  f.befehlsEintrag(berechne, QStringLiteral("&Kritische Punkte von <Name> auflisten"), "tuEs",
                   QKeySequence(Qt::CTRL | Qt::Key_K));
  f.befehlsEintrag(berechne,
                   QStringLiteral("Kritische Punkte von <Name> in die Punktliste &eintragen"),
                   "kritPunkteEintragB");
  f.befehlsEintrag(berechne, QStringLiteral("Kurvenverlauf von akt &beschreiben"),
                   "beschreibeGraphB", QKeySequence(Qt::CTRL | Qt::Key_D));
  f.befehlsEintrag(berechne, QStringLiteral("Kurvenverlauf von <Name> besc&hreiben"),
                   "beschreibeGraphNameB", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
  berechne->addSeparator();
}

}  // namespace quarvel
