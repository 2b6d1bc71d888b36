#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "app/listenpflege.h"
#include "gui/hauptfenster.h"
#include "menuehilfen.h"

namespace quarvel {
namespace {

using namespace test;

TEST(Konstruktionsmenue, ErzeugeBietetDieVierKonstruktionen) {
  Hauptfenster f(1);
  QMenu* erzeuge = hauptmenue(f, "Erzeuge");
  ASSERT_NE(erzeuge, nullptr);
  for (const char* text : {"&Polynom aus den Bedingungen der Punktliste",
                           "&Interpolationspolynom zur Punktliste",
                           "&Regressionspolynom <x>ten Grades zur Punktliste",
                           "Kubische &Spline-Funktion zur Punktliste"}) {
    EXPECT_NE(eintragIn(erzeuge, QString::fromUtf8(text)), nullptr) << text;
  }
  QMenu* optionen = hauptmenue(f, "Optionen");
  ASSERT_NE(optionen, nullptr);
  QAction* umbenennen =
      eintragIn(optionen, QString::fromUtf8("&Umbenennen: <Name> erhält den Namen aus Feld <x>"));
  ASSERT_NE(umbenennen, nullptr);
  EXPECT_EQ(umbenennen->shortcut(), QKeySequence(Qt::Key_F2));
}

TEST(Konstruktionsmenue, SplineAusDemMenueLandetInDerListe) {
  Hauptfenster f(1);
  for (const auto& [name, x, y] : {std::tuple{"A", 0.0, 0.0}, {"B", 1.0, 1.0}, {"C", 2.0, 0.0}}) {
    auto p = teile(Punkt{x, y, 0, 0});
    p->name = name;
    pktEinlisten(f.zustand(), name, p);
  }
  f.namensFeld()->setText("s");
  eintragIn(hauptmenue(f, "Erzeuge"), "Kubische &Spline-Funktion zur Punktliste")->trigger();
  EXPECT_TRUE(f.zustand().listen.spExistiert("s"));
  EXPECT_TRUE(f.hinweisZeile()->text().contains("Die Funktion s wurde als Spline zur Punktliste bestimmt."));
}

}  // namespace
}  // namespace quarvel
