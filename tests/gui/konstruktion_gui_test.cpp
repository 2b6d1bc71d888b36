#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "app/listenpflege.h"
#include "gui/hauptfenster.h"

namespace quarvel {
namespace {

QMenu* menue(Hauptfenster& f, const QString& titel) {
  for (QAction* m : f.menuBar()->actions()) {
    if (m->text() == titel && m->menu() != nullptr) return m->menu();
  }
  return nullptr;
}

QAction* eintrag(QMenu* m, const QString& text) {
  for (QAction* a : m->actions()) {
    if (a->text() == text) return a;
  }
  return nullptr;
}

TEST(Konstruktionsmenue, ErzeugeBietetDieVierKonstruktionen) {
  Hauptfenster f(1);
  QMenu* erzeuge = menue(f, "Erzeuge");
  ASSERT_NE(erzeuge, nullptr);
  for (const char* text : {"&Polynom aus den Bedingungen der Punktliste",
                           "&Interpolationspolynom zur Punktliste",
                           "&Regressionspolynom <x>ten Grades zur Punktliste",
                           "Kubische &Spline-Funktion zur Punktliste"}) {
    EXPECT_NE(eintrag(erzeuge, QString::fromUtf8(text)), nullptr) << text;
  }
  QMenu* optionen = menue(f, "Optionen");
  ASSERT_NE(optionen, nullptr);
  QAction* umbenennen =
      eintrag(optionen, QString::fromUtf8("&Umbenennen: <Name> erhält den Namen aus Feld <x>"));
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
  eintrag(menue(f, "Erzeuge"), "Kubische &Spline-Funktion zur Punktliste")->trigger();
  EXPECT_TRUE(f.zustand().listen.spExistiert("s"));
  EXPECT_TRUE(f.hinweisZeile()->text().contains("Die Funktion s wurde als Spline zur Punktliste bestimmt."));
}

}  // namespace
}  // namespace quarvel
