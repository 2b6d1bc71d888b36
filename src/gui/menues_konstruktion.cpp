#include <QMenu>

#include "gui/hauptfenster.h"

namespace quarvel {

// The constructions from the point list under "Erzeuge"; deleting all splines beside
// deleting all functions; a spline's pieces under "Zeige"; renaming under "Optionen" (old
// name in the name field, new name in the field x).
void baueKonstruktionsmenues(Hauptfenster& f) {
  QMenu* erzeuge = f.menue(QStringLiteral("Erzeuge"));
  f.befehlsEintrag(erzeuge, QStringLiteral("&Polynom aus den Bedingungen der Punktliste"),
                   "pktliste2PolynomB", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_B));
  f.befehlsEintrag(erzeuge, QStringLiteral("Steckbrief mit Rechen&weg"), "steckbriefRechenwegB");
  f.befehlsEintrag(erzeuge, QStringLiteral("&Interpolationspolynom zur Punktliste"),
                   "pktliste2IntPolPolB", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_I));
  f.befehlsEintrag(erzeuge, QStringLiteral("&Regressionspolynom <x>ten Grades zur Punktliste"),
                   "regressionB", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R));
  f.befehlsEintrag(erzeuge, QStringLiteral("Kubische &Spline-Funktion zur Punktliste"),
                   "pktliste2SplineB", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));

  f.befehlsEintrag(f.menue(QStringLiteral("Funktionen")),
                   QStringLiteral("Gesamte Splineliste löschen …"), "splineListeLoeschB");

  f.befehlsEintrag(f.menue(QStringLiteral("Zeige")),
                   QStringLiteral("Komponenten des &Splines <Name>"),
                   "alleSplineKomponentenAnzeigB");

  QMenu* optionen = f.menue(QStringLiteral("Optionen"));
  optionen->addSeparator();
  f.befehlsEintrag(optionen, QStringLiteral("&Umbenennen: <Name> erhält den Namen aus Feld <x>"),
                   "umbezeichneB", QKeySequence(Qt::Key_F2));
}

}  // namespace quarvel
