#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/hauptfenster.h"
#include "menuehilfen.h"

namespace quarvel {
namespace {

using namespace test;

TEST(Funktionsmenue, PfeilknopfLiestDenTerm) {
  Hauptfenster f(1);
  QPushButton* pfeil = nullptr;
  for (QPushButton* knopf : f.findChildren<QPushButton*>()) {
    if (knopf->text() == "<---") pfeil = knopf;
  }
  ASSERT_NE(pfeil, nullptr);
  f.eingabeFeld()->setText("x^2+1");
  f.namensFeld()->setText("g");
  pfeil->click();
  ASSERT_TRUE(f.zustand().listen.fuExistiert("g"));
  EXPECT_EQ(f.ausgabeFeld()->toPlainText(), "g(x) =  1  + x^2\n");
}

TEST(Funktionsmenue, TrageAlsAktuelleFunktionEinUndFarbe) {
  Hauptfenster f(1);
  f.eingabeFeld()->setText("x");
  f.namensFeld()->setText("g");
  f.ausfuehren("liesTermB");

  QMenu* funktionen = hauptmenue(f, "Funktionen");
  ASSERT_NE(funktionen, nullptr);
  f.namensFeld()->setText("g");
  QAction* rot = eintragIn(untermenue(funktionen, "&Farbe"), "&Rot");
  ASSERT_NE(rot, nullptr);
  rot->trigger();
  EXPECT_EQ(f.zustand().listen.fuListe().at("g")->color, Farbe::rot);

  QAction* aktuell = eintragIn(funktionen, "&Trage <Name> als aktuelle Funktion ein");
  ASSERT_NE(aktuell, nullptr);
  aktuell->trigger();
  EXPECT_EQ(f.zustand().akt, f.zustand().listen.fuListe().at("g"));
  EXPECT_EQ(f.eingabeFeld()->text(), "x");
}

TEST(Funktionsmenue, ZeigeFunktionsliste) {
  Hauptfenster f(1);
  QAction* liste = eintragIn(hauptmenue(f, "Zeige"), "&Funktionsliste");
  ASSERT_NE(liste, nullptr);
  EXPECT_EQ(liste->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
  liste->trigger();
  EXPECT_TRUE(f.ausgabeFeld()->toPlainText().startsWith("Die aktuelle Funktion hat die Gleichung"));
  EXPECT_NE(eintragIn(hauptmenue(f, "Zeige"), "&Gelöschte Funktionen"), nullptr);
}

}  // namespace
}  // namespace quarvel
