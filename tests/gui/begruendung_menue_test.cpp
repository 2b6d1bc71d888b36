#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>

#include "gui/hauptfenster.h"
#include "menuehilfen.h"

namespace quarvel {
namespace {

using namespace test;

// Each entry that shows the steps runs its command on the current function (empty name
// field) and writes its answer into the output field.
TEST(BegruendungsMenue, EintraegeFuehrenIhreBefehleAus) {
  struct Fall {
    const char* menue;
    const char* eintrag;
    const char* anfang;
  };
  const Fall faelle[] = {
      {"Berechne", "Vor&zeichentabelle", "Vorzeichentabelle von akt(x) = 2.0x² - 2.0x - 2.0"},
      {"Berechne", "Kritische Punkte be&gründen", "Begründung der kritischen Punkte von"},
      {"Berechne", "Tangente an &der Stelle x", "Tangente an den Graphen von akt"},
      {"Berechne", "Nor&male an der Stelle x", "Normale an den Graphen von akt"},
  };
  Hauptfenster f(1);
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.eintrag);
    QAction* a = eintrag(f, QString::fromUtf8(fall.menue), QString::fromUtf8(fall.eintrag));
    ASSERT_NE(a, nullptr);
    f.namensFeld()->clear();
    a->trigger();
    EXPECT_TRUE(f.ausgabeFeld()->toPlainText().startsWith(QString::fromUtf8(fall.anfang)))
        << f.ausgabeFeld()->toPlainText().toStdString();
  }
  EXPECT_NE(eintrag(f, "Berechne", QString::fromUtf8("S&chnittpunkte zweier Funktionen")), nullptr);
  EXPECT_NE(eintrag(f, "Erzeuge", "Steckbrief mit Rechen&weg"), nullptr);
}

// The fraction option is a tick, off at start; ticking and unticking switch the state.
TEST(BegruendungsMenue, BruecheSindEinKaestchen) {
  Hauptfenster f(1);
  QAction* brueche = eintrag(f, "Optionen", QString::fromUtf8("Ergebnisse als &Brüche"));
  ASSERT_NE(brueche, nullptr);
  EXPECT_FALSE(brueche->isChecked());
  brueche->trigger();
  EXPECT_TRUE(f.zustand().brueche);
  brueche->trigger();
  EXPECT_FALSE(f.zustand().brueche);
}

}  // namespace
}  // namespace quarvel
