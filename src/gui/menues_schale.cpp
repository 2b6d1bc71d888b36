#include <QActionGroup>
#include <QMenu>
#include <QSignalBlocker>

#include "gui/hauptfenster.h"

namespace quarvel {

void baueSchalenmenues(Hauptfenster& f) {
  QMenu* datei = f.menue(QStringLiteral("Datei"));
  f.befehlsEintrag(datei, QStringLiteral("&Neustart …"), "neuB", QKeySequence::New);

  QMenu* bearbeiten = f.menue(QStringLiteral("Bearbeiten"));
  f.befehlsEintrag(bearbeiten, QStringLiteral("&Ausgabefenster leeren"), "clearAusgabeF",
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
  f.befehlsEintrag(bearbeiten, QStringLiteral("&Eingabefeld leeren"), "fuEingabeFLoeschen",
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
  f.befehlsEintrag(bearbeiten, QStringLiteral("&Namensfeld leeren"), "fuNameFLoeschen",
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
  f.befehlsEintrag(bearbeiten, QStringLiteral("Felder &x und y leeren"), "punktFLoeschen");

  QMenu* zeige = f.menue(QStringLiteral("Zeige"));
  // Ctrl+P prints, as everywhere else.
  f.befehlsEintrag(zeige, QStringLiteral("&Protokoll zeigen oder ausblenden"), "zeigProtokollB",
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));

  QMenu* optionen = f.menue(QStringLiteral("Optionen"));
  QMenu* stellen = optionen->addMenu(QStringLiteral("&Nachkommastellen"));
  auto* gruppe = new QActionGroup(stellen);
  for (const auto& [anzahl, befehl] :
       {std::pair{1, "dezimalS1"}, std::pair{2, "dezimalS2"}, std::pair{3, "dezimalS3"},
        std::pair{6, "dezimalS6"}, std::pair{8, "dezimalS8"}}) {
    QAction* eintrag = f.befehlsEintrag(stellen, QString::number(anzahl), befehl);
    eintrag->setCheckable(true);
    eintrag->setChecked(anzahl == 2);
    gruppe->addAction(eintrag);
    // An opened document brings its own number of decimals.
    QObject::connect(&f, &Hauptfenster::befehlAusgefuehrt, eintrag, [&f, eintrag, anzahl] {
      eintrag->setChecked(f.zustand().dezimalen == anzahl);
    });
  }
  // Off by default; the tick chooses between the two commands.
  QAction* brueche = optionen->addAction(QStringLiteral("Ergebnisse als &Brüche"));
  brueche->setCheckable(true);
  QObject::connect(brueche, &QAction::toggled, &f,
                   [&f](bool an) { f.ausfuehren(an ? "bruecheS1" : "bruecheS0"); });
  QObject::connect(&f, &Hauptfenster::befehlAusgefuehrt, brueche, [&f, brueche] {
    const QSignalBlocker still(brueche);  // showing the state runs no command
    brueche->setChecked(f.zustand().brueche);
  });
}

void baueDateiende(Hauptfenster& f) {
  QMenu* datei = f.menue(QStringLiteral("Datei"));
  datei->addSeparator();
  f.befehlsEintrag(datei, QStringLiteral("&Beenden …"), "quitB", QKeySequence::Quit);
}

}  // namespace quarvel
