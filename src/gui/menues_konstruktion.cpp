#include <QMenu>

#include "gui/hauptfenster.h"

namespace quarvel {

// Constructions from the point list under "Erzeuge"; the spline list's own commands sit
// with them and under "Zeige"; renaming under "Optionen" (old name in the name field, new
// name in the field x).
void baueKonstruktionsmenues(Hauptfenster& f) {
  QMenu* erzeuge = f.menue(QStringLiteral("Erzeuge"));
  f.befehlsEintrag(erzeuge, QStringLiteral("&Polynom aus den Bedingungen der Punktliste"),
                   "pktliste2PolynomB", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_B));
  f.befehlsEintrag(erzeuge, QStringLiteral("&Interpolationspolynom zur Punktliste"),
                   "pktliste2IntPolPolB", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_I));
  f.befehlsEintrag(erzeuge, QStringLiteral("&Regressionspolynom <x>ten Grades zur Punktliste"),
                   "regressionB", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R));
  f.befehlsEintrag(erzeuge, QStringLiteral("Kubische &Spline-Funktion zur Punktliste"),
                   "pktliste2SplineB", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
  erzeuge->addSeparator();
  f.befehlsEintrag(erzeuge, QStringLiteral("&Komponenten des Splines <Name> anzeigen"),
                   "alleSplineKomponentenAnzeigB");
  f.befehlsEintrag(erzeuge, QStringLiteral("Spline&liste löschen …"), "splineListeLoeschB");

  QMenu* zeige = f.menue(QStringLiteral("Zeige"));
  f.befehlsEintrag(zeige, QStringLiteral("Komponenten des &Splines <Name>"),
                   "alleSplineKomponentenAnzeigB");

  QMenu* optionen = f.menue(QStringLiteral("Optionen"));
  optionen->addSeparator();
  f.befehlsEintrag(optionen, QStringLiteral("&Umbenennen: <Name> erhält den Namen aus Feld <x>"),
                   "umbezeichneB", QKeySequence(Qt::Key_F2));
}

}  // namespace quarvel
