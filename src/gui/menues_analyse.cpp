#include <QMenu>

#include "gui/hauptfenster.h"

namespace quarvel {

void baueAnalysemenues(Hauptfenster& f) {
  QMenu* berechne = f.menue(QStringLiteral("Berechne"));
  f.befehlsEintrag(berechne, QStringLiteral("&Kritische Punkte von <Name> auflisten"), "tuEs",
                   QKeySequence(Qt::CTRL | Qt::Key_K));
  f.befehlsEintrag(berechne,
                   QStringLiteral("Kritische Punkte von <Name> in die &Punktliste eintragen"),
                   "kritPunkteEintragB", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
  berechne->addSeparator();
  f.befehlsEintrag(berechne, QStringLiteral("Kurvenverlauf der &aktuellen Funktion beschreiben"),
                   "beschreibeGraphB", QKeySequence(Qt::CTRL | Qt::Key_D));
  f.befehlsEintrag(berechne, QStringLiteral("Kurvenverlauf der Funktion <&Name> beschreiben"),
                   "beschreibeGraphNameB", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
}

}  // namespace quarvel
