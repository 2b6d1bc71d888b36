#include <QBoxLayout>
#include <QMenu>
#include <QPushButton>

#include "app/hilfetexte.h"
#include "gui/hauptfenster.h"
#include "gui/hilfefenster.h"

namespace quarvel {

namespace {

// A menu entry that runs a help command and then shows the help window, also when the
// topic is the one already shown.
void hilfeEintrag(Hauptfenster& f, Hilfefenster* fenster, QMenu* menue, const QString& text,
                  const std::string& befehl, const QKeySequence& kurzwahl = {}) {
  QAction* eintrag = f.befehlsEintrag(menue, text, befehl, kurzwahl);
  QObject::connect(eintrag, &QAction::triggered, fenster,
                   [fenster, &f] { fenster->zeige(QString::fromStdString(f.zustand().hilfe)); });
}

}  // namespace

void baueHilfe(Hauptfenster& f) {
  auto* fenster = new Hilfefenster(f);
  fenster->setObjectName(QStringLiteral("hilfefenster"));

  QMenu* hilfe = f.menue(QStringLiteral("Hilfe"));
  for (const Hilfethema& thema : hilfethemen()) {
    const std::string befehl = thema.befehl;
    // F1 opens the overview of functions, the natural starting point.
    const QKeySequence kurzwahl =
        befehl == "hilfeFunktion" ? QKeySequence(QKeySequence::HelpContents) : QKeySequence();
    hilfeEintrag(f, fenster, hilfe, QString::fromUtf8(thema.titel), befehl, kurzwahl);
  }
  hilfe->addSeparator();
  hilfeEintrag(f, fenster, hilfe, QStringLiteral("&Verlaufsbeschreibung der aktuellen Funktion"),
               "verlaufsBeschreibungB");
  hilfe->addSeparator();
  QAction* ueber = hilfe->addAction(QStringLiteral("Ü&ber Quarvel"));
  ueber->setMenuRole(QAction::AboutRole);
  QObject::connect(ueber, &QAction::triggered, fenster, [fenster] {
    fenster->zeige(QString::fromStdString(info()) +
                   QStringLiteral("\n\nVersion %1\nLizenz: %2")
                       .arg(QStringLiteral(QUARVEL_VERSION), QStringLiteral(QUARVEL_LIZENZ)));
  });

  hilfeEintrag(f, fenster, f.menue(QStringLiteral("Zeige")),
               QStringLiteral("&Verlaufsbeschreibung"), "verlaufsBeschreibungB",
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));

  auto* knopf = new QPushButton(QStringLiteral("&Hilfe"), f.centralWidget());
  knopf->setObjectName(QStringLiteral("hilfeKnopf"));
  knopf->setToolTip(QStringLiteral("Hilfe-Fenster öffnen (F1 zeigt das Thema Funktionen)"));
  f.optionsLeiste()->addWidget(knopf);
  QObject::connect(knopf, &QPushButton::clicked, fenster, &Hilfefenster::hervorholen);
}

}  // namespace quarvel
