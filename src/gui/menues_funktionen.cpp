#include <QMenu>
#include <QPixmap>
#include <QPushButton>

#include "gui/hauptfenster.h"
#include "model/farbe.h"

namespace quarvel {

namespace {

// A small swatch of the drawing colour for the colour menu.
QIcon farbmuster(Farbe farbe) {
  const Rgb rgb = farbwahl(farbe);
  QPixmap muster(16, 16);
  muster.fill(QColor::fromRgbF(static_cast<float>(rgb.rot), static_cast<float>(rgb.gruen),
                               static_cast<float>(rgb.blau)));
  return QIcon(muster);
}

void baueFarbmenue(Hauptfenster& f, QMenu* funktionen) {
  // Colours the function or spline named in the name field.
  QMenu* farbe = funktionen->addMenu(QStringLiteral("&Farbe"));
  const struct {
    const char* text;
    const char* befehl;
    Farbe farbe;
  } eintraege[] = {
      {"&Rot", "farbeRot", Farbe::rot},
      {"&Grün", "farbeGruen", Farbe::gruen},
      {"&Blau", "farbeBlau", Farbe::blau},
      {"Br&aun", "farbeBraun", Farbe::braun},
      {"&Schwarz", "farbeSchwarz", Farbe::schwarz},
      {"&Orange", "farbeOrange", Farbe::orange},
  };
  for (const auto& eintrag : eintraege) {
    QAction* aktion = f.befehlsEintrag(farbe, QString::fromUtf8(eintrag.text), eintrag.befehl);
    aktion->setIcon(farbmuster(eintrag.farbe));
  }
}

}  // namespace

void baueFunktionsmenues(Hauptfenster& f) {
  QPushButton* lesen = f.befehlsKnopf(QStringLiteral("<---"), "liesTermB");
  lesen->setToolTip(QStringLiteral("Den Term im Eingabefeld lesen (Eingabetaste)"));

  QMenu* funktionen = f.menue(QStringLiteral("Funktionen"));
  f.befehlsEintrag(funktionen, QStringLiteral("Term &lesen"), "liesTermB",
                   QKeySequence(Qt::CTRL | Qt::Key_Return));
  funktionen->addSeparator();
  f.befehlsEintrag(funktionen,
                   QStringLiteral("Kopie der aktuellen Funktion in die Liste &eintragen"),
                   "einlistB", QKeySequence(Qt::CTRL | Qt::Key_E));
  f.befehlsEintrag(funktionen, QStringLiteral("&Aktuelle Funktion selbst in die Liste eintragen"),
                   "aktuelleFunktionEinlistB");
  f.befehlsEintrag(funktionen, QStringLiteral("&Trage <Name> als aktuelle Funktion ein"),
                   "istAktuellB", QKeySequence(Qt::CTRL | Qt::Key_T));
  funktionen->addSeparator();
  f.befehlsEintrag(funktionen, QStringLiteral("Graph von <Name> &sichtbar machen"),
                   "macheFsichtbarB");
  f.befehlsEintrag(funktionen, QStringLiteral("Graph von <Name> &unsichtbar machen"),
                   "macheFUnsichtbarB");
  baueFarbmenue(f, funktionen);
  funktionen->addSeparator();
  f.befehlsEintrag(funktionen, QStringLiteral("<Name> aus der Liste l&öschen"), "auslistB");
  f.befehlsEintrag(funktionen, QStringLiteral("Gesamte Funktionsliste löschen …"),
                   "fktnListeLoeschB");

  QMenu* zeige = f.menue(QStringLiteral("Zeige"));
  zeige->addSeparator();
  f.befehlsEintrag(zeige, QStringLiteral("&Funktionsliste"), "alleFuAnzeigB",
                   QKeySequence(Qt::CTRL | Qt::Key_L));
  f.befehlsEintrag(zeige, QStringLiteral("&Gelöschte Funktionen"), "zeigeGelFunktionenB");
}

}  // namespace quarvel
