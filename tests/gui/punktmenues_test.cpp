#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui/hauptfenster.h"
#include "menuehilfen.h"

namespace quarvel {
namespace {

using namespace test;

TEST(Punktmenues, MenuePunkteHatJedenPunktbefehl) {
  Hauptfenster f(1);
  QMenu* punkte = hauptmenue(f, "Punkte");
  ASSERT_NE(punkte, nullptr);
  int eintraege = 0;
  for (QAction* a : punkte->actions()) eintraege += a->isSeparator() ? 0 : 1;
  EXPECT_EQ(eintraege, 11);
  EXPECT_NE(eintragIn(hauptmenue(f, "Zeige"), "Punkt&liste zeigen"), nullptr);
}

TEST(Punktmenues, KnopfUndEnterNehmenDenPunktAuf) {
  Hauptfenster f(1);
  f.show();
  QPushButton* knopf = nullptr;
  for (QPushButton* k : f.findChildren<QPushButton*>()) {
    if (k->text() == "Punkt eingeben") knopf = k;
  }
  ASSERT_NE(knopf, nullptr);
  f.eingabeFeld()->setText("A(1,3)");
  knopf->click();
  EXPECT_EQ(f.hinweisZeile()->text(), "\n(1.0, 3.0) wurde in die Punktliste eingefügt.");

  f.eingabeFeld()->setText("B(2,4)");
  QTest::keyClick(f.eingabeFeld(), Qt::Key_Return);
  EXPECT_TRUE(f.zustand().listen.pktListe().contains("B"));

  eintragIn(hauptmenue(f, "Zeige"), "Punkt&liste zeigen")->trigger();
  EXPECT_TRUE(f.ausgabeFeld()->toPlainText().startsWith("Liste der gespeicherten Punkte"));
}

}  // namespace
}  // namespace quarvel
