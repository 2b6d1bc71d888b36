#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "gui/hauptfenster.h"

namespace quarvel {

void bauePunktmenues(Hauptfenster& f) {
  QPushButton* eingeben = f.befehlsKnopf(QStringLiteral("Punkt eingeben"), "pktEingabe2B");
  eingeben->setToolTip(
      QStringLiteral("Den Punkt im Eingabefeld in die Punktliste aufnehmen, z. B. A(1,3) "
                     "oder C(3,4,5,6)"));

  QMenu* punkte = f.menue(QStringLiteral("Punkte"));
  f.befehlsEintrag(punkte, QStringLiteral("Punkt &eingeben"), "pktEingabe2B",
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  QAction* liste =
      f.befehlsEintrag(punkte, QStringLiteral("Punkt&liste zeigen"), "allePunkteAnzeigeB",
                       QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P));
  punkte->addSeparator();
  f.befehlsEintrag(punkte, QStringLiteral("Punkte &aktivieren (Namen oder „alle“ im Feld Name)"),
                   "punktAktivierB");
  f.befehlsEintrag(punkte, QStringLiteral("Punkte &deaktivieren (Namen oder „alle“ im Feld Name)"),
                   "punktDeaktivierB");
  punkte->addSeparator();
  f.befehlsEintrag(punkte, QStringLiteral("Punkte l&öschen (Namen im Feld Name, z. B. A, B*)"),
                   "pktAuslistB");
  f.befehlsEintrag(punkte, QStringLiteral("Aktivierte Punkte löschen …"),
                   "aktiviertePunkteLoeschB");
  f.befehlsEintrag(punkte, QStringLiteral("Deaktivierte Punkte löschen …"),
                   "deaktiviertePunkteLoeschB");
  f.befehlsEintrag(punkte, QStringLiteral("Ganze Punktliste löschen …"), "pktListeLoeschB");
  punkte->addSeparator();
  f.befehlsEintrag(
      punkte, QStringLiteral("Punkte auf einer &Funktion erzeugen (Anzahl in x, Funktion in y)"),
      "genWPunkteAufFB");
  f.befehlsEintrag(punkte, QStringLiteral("&Zufallspunkte im Fenster erzeugen (Anzahl in x)"),
                   "genWZufallsPunkteB");
  f.befehlsEintrag(punkte, QStringLiteral("&Testpunkte P1 … P6"), "nurTestB");

  f.menue(QStringLiteral("Zeige"))->addAction(liste);
}

}  // namespace quarvel
