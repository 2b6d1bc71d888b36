#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/listenpflege.h"
#include "gui/hauptfenster.h"
#include "menuehilfen.h"

namespace quarvel {
namespace {

using namespace test;

QPushButton* knopf(Hauptfenster& f, const QString& text) {
  for (QPushButton* k : f.findChildren<QPushButton*>()) {
    if (k->text() == text) return k;
  }
  return nullptr;
}

int eintraege(QMenu* m) {
  int n = 0;
  for (QAction* a : m->actions()) n += a->isSeparator() ? 0 : 1;
  return n;
}

// Each entry is found by its visible text and runs its command on the fields.
TEST(Menues, EintraegeFuehrenIhrenBefehlAus) {
  struct Fall {
    const char* menue;
    const char* untermenue;  // nullptr: the entry sits in the menu itself
    const char* eintrag;
    QKeySequence kurzwahl;
    const char* name;
    const char* ausgabeTeil;  // nullptr: only the entry must exist
  };
  const Fall faelle[] = {
      {"Zeige", nullptr, "&Funktionsliste", QKeySequence(Qt::CTRL | Qt::Key_L), "",
       "Die aktuelle Funktion hat die Gleichung"},
      {"Zeige", nullptr, "&Gelöschte Funktionen", {}, "", nullptr},
      {"Zeige", nullptr, "Punkt&liste zeigen", {}, "", nullptr},
      {"Berechne",
       nullptr,
       "&Werte von <Name>, <Name>' und <Name>'' an der Stelle x",
       {},
       "akt",
       "akt(0.0) = -2.0"},
      {"Berechne",
       nullptr,
       "&Kritische Punkte von <Name> auflisten",
       {},
       "akt",
       "Koordinaten der kritischen Punkte mit Werten von erster und zweiter Ableitung"},
      {"Erzeuge", nullptr, "&Polynom aus den Bedingungen der Punktliste", {}, "", nullptr},
      {"Erzeuge", nullptr, "&Interpolationspolynom zur Punktliste", {}, "", nullptr},
      {"Erzeuge", nullptr, "&Regressionspolynom <x>ten Grades zur Punktliste", {}, "", nullptr},
      {"Erzeuge", nullptr, "Kubische &Spline-Funktion zur Punktliste", {}, "", nullptr},
      {"Optionen", nullptr, "&Umbenennen: <Name> erhält den Namen aus Feld <x>",
       QKeySequence(Qt::Key_F2), "", nullptr},
      {"Funktionen", "&Farbe", "&Rot", {}, "", nullptr},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.eintrag);
    Hauptfenster f(1);
    QMenu* menue = hauptmenue(f, QString::fromUtf8(fall.menue));
    if (fall.untermenue) menue = untermenue(menue, QString::fromUtf8(fall.untermenue));
    QAction* a = eintragIn(menue, QString::fromUtf8(fall.eintrag));
    ASSERT_NE(a, nullptr);
    if (!fall.kurzwahl.isEmpty()) {
      EXPECT_EQ(a->shortcut(), fall.kurzwahl);
    }
    if (fall.ausgabeTeil == nullptr) continue;
    f.namensFeld()->setText(QString::fromUtf8(fall.name));
    a->trigger();
    EXPECT_TRUE(f.ausgabeFeld()->toPlainText().contains(QString::fromUtf8(fall.ausgabeTeil)))
        << f.ausgabeFeld()->toPlainText().toStdString();
  }
}

TEST(Menues, UmfangDerMenues) {
  Hauptfenster f(1);
  EXPECT_EQ(eintraege(hauptmenue(f, "Punkte")), 11);
  int rechnungen = 0;
  for (QAction* a : hauptmenue(f, "Berechne")->actions()) {
    const QString t = a->text().remove(QLatin1Char('&'));
    for (const char* wort :
         {"Werte", "Ableitung", "Stammfunktion", "Integral", "Fläche", "Linearfaktor", "Quotient",
          "Rest", "ggT", "verschieben", "spiegeln"}) {
      if (t.contains(QString::fromUtf8(wort))) {
        ++rechnungen;
        break;
      }
    }
  }
  EXPECT_EQ(rechnungen, 14);
}

// The menus act on the state the fields and buttons left.
TEST(Menues, KnoepfeUndMenueAufDemselbenZustand) {
  Hauptfenster f(1);
  f.show();
  f.eingabeFeld()->setText("x^2+1");
  f.namensFeld()->setText("g");
  ASSERT_NE(knopf(f, "<---"), nullptr);
  knopf(f, "<---")->click();
  ASSERT_TRUE(f.zustand().listen.fuExistiert("g"));
  EXPECT_EQ(f.ausgabeFeld()->toPlainText(), "g(x) =  1  + x^2\n");

  QMenu* funktionen = hauptmenue(f, "Funktionen");
  f.namensFeld()->setText("g");
  eintragIn(untermenue(funktionen, "&Farbe"), "&Rot")->trigger();
  EXPECT_EQ(f.zustand().listen.fuListe().at("g")->color, Farbe::rot);
  eintragIn(funktionen, "&Trage <Name> als aktuelle Funktion ein")->trigger();
  EXPECT_EQ(f.zustand().akt, f.zustand().listen.fuListe().at("g"));

  ASSERT_NE(knopf(f, "Punkt eingeben"), nullptr);
  f.eingabeFeld()->setText("A(1,3)");
  knopf(f, "Punkt eingeben")->click();
  EXPECT_EQ(f.hinweisZeile()->text(), "\n(1.0, 3.0) wurde in die Punktliste eingefügt.");
  f.eingabeFeld()->setText("B(2,4)");
  QTest::keyClick(f.eingabeFeld(), Qt::Key_Return);
  EXPECT_TRUE(f.zustand().listen.pktListe().contains("B"));
  eintragIn(hauptmenue(f, "Zeige"), "Punkt&liste zeigen")->trigger();
  EXPECT_TRUE(f.ausgabeFeld()->toPlainText().startsWith("Liste der gespeicherten Punkte"));

  f.eingabeFeld()->setText("C(3,0)");
  knopf(f, "Punkt eingeben")->click();
  f.namensFeld()->setText("s");
  eintragIn(hauptmenue(f, "Erzeuge"), "Kubische &Spline-Funktion zur Punktliste")->trigger();
  EXPECT_TRUE(f.zustand().listen.spExistiert("s"));
}

}  // namespace
}  // namespace quarvel
