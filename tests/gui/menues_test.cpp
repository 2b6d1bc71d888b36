#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include "app/listenpflege.h"
#include "gui/hauptfenster.h"
#include "menuehilfen.h"

namespace quarvel {
namespace {

using namespace test;

// Each entry is found by its visible path and runs its command on the fields: what it
// writes into the output field or the hint names the command. The steps and tangents work
// on the current function when the name field is empty.
TEST(Menues, EintraegeFuehrenIhrenBefehlAus) {
  struct Fall {
    const char* pfad;
    const char* kurzwahl;  // as Qt writes it, "" for none
    const char* name;
    const char* erwartet;  // nullptr: only the entry must exist
  };
  const Fall faelle[] = {
      {"Zeige > &Funktionsliste", "Ctrl+L", "", "Die aktuelle Funktion hat die Gleichung"},
      {"Zeige > &Gelöschte Funktionen", "", "", "Bisher wurde noch kein Polynom"},
      {"Zeige > &Protokoll zeigen oder ausblenden", "Ctrl+Shift+O", "",
       "Das Protokoll ist noch (oder wieder) leer."},
      {"Zeige > Punkt&liste zeigen", "Ctrl+Alt+P", "", "Die Punktliste ist leer."},
      {"Berechne > &Werte von <Name>, <Name>' und <Name>'' an der Stelle x", "Ctrl+Shift+W", "akt",
       "akt(0.0) = -2.0"},
      {"Berechne > &Kritische Punkte von <Name> auflisten", "Ctrl+K", "akt",
       "Koordinaten der kritischen Punkte mit Werten von erster und zweiter Ableitung"},
      {"Berechne > Vor&zeichentabelle", "", "",
       "Vorzeichentabelle von akt(x) = 2.0x² - 2.0x - 2.0"},
      {"Berechne > Kritische Punkte be&gründen", "", "", "Begründung der kritischen Punkte von"},
      {"Berechne > Tangente an &der Stelle x", "", "", "Tangente an den Graphen von akt"},
      {"Berechne > Nor&male an der Stelle x", "", "", "Normale an den Graphen von akt"},
      {"Berechne > S&chnittpunkte zweier Funktionen", "", "", nullptr},
      {"Erzeuge > &Polynom aus den Bedingungen der Punktliste", "Ctrl+Alt+B", "", nullptr},
      {"Erzeuge > Steckbrief mit Rechen&weg", "", "", nullptr},
      {"Erzeuge > &Interpolationspolynom zur Punktliste", "Ctrl+Alt+I", "", nullptr},
      {"Erzeuge > &Regressionspolynom <x>ten Grades zur Punktliste", "Ctrl+Alt+R", "", nullptr},
      {"Erzeuge > Kubische &Spline-Funktion zur Punktliste", "Ctrl+Alt+S", "", nullptr},
      {"Optionen > &Umbenennen: <Name> erhält den Namen aus Feld <x>", "F2", "", nullptr},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.pfad);
    Hauptfenster f(1);
    QAction* a = eintrag(f, QString::fromUtf8(fall.pfad));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText), fall.kurzwahl);
    if (fall.erwartet == nullptr) continue;
    f.namensFeld()->setText(QString::fromUtf8(fall.name));
    a->trigger();
    const QString gezeigt = f.ausgabeFeld()->toPlainText() + f.hinweisZeile()->text();
    EXPECT_TRUE(gezeigt.contains(QString::fromUtf8(fall.erwartet))) << gezeigt.toStdString();
  }
}

TEST(Menues, UmfangDerMenues) {
  Hauptfenster f(1);
  int punkte = 0;
  for (QAction* a : eintrag(f, "Punkte")->menu()->actions()) punkte += a->isSeparator() ? 0 : 1;
  EXPECT_EQ(punkte, 11);
  const QRegularExpression rechnung(QString::fromUtf8(
      "Werte|Ableitung|Stammfunktion|Integral|Fläche|Linearfaktor|Quotient|Rest|ggT|verschieben|"
      "spiegeln"));
  int rechnungen = 0;
  for (QAction* a : eintrag(f, "Berechne")->menu()->actions())
    rechnungen += ohneKuerzel(a->text()).contains(rechnung) ? 1 : 0;
  EXPECT_EQ(rechnungen, 14);
}

// The fraction option is a tick, off at start; ticking and unticking switch the state.
TEST(Menues, BruecheSindEinKaestchen) {
  Hauptfenster f(1);
  QAction* brueche = eintrag(f, QString::fromUtf8("Optionen > Ergebnisse als &Brüche"));
  ASSERT_NE(brueche, nullptr);
  EXPECT_FALSE(brueche->isChecked());
  brueche->trigger();
  EXPECT_TRUE(f.zustand().brueche);
  brueche->trigger();
  EXPECT_FALSE(f.zustand().brueche);
}

// Buttons, Enter and the menus act on the state the fields left. Enter reads a point when
// the input starts with a capital letter and a term otherwise, in either field.
TEST(Menues, KnoepfeTastenUndMenueAufDemselbenZustand) {
  Hauptfenster f(1);
  f.show();
  QPushButton* termLesen = knopf(f, "<---");
  QPushButton* punktLesen = knopf(f, "Punkt eingeben");
  QPushButton* punktSetzen = knopf(f, "neu");  // below the graph: places a point, then undoes it
  ASSERT_TRUE(termLesen != nullptr && punktLesen != nullptr && punktSetzen != nullptr);
  punktSetzen->click();
  EXPECT_EQ(punktSetzen->text(), "Undo");
  punktSetzen->click();
  EXPECT_EQ(punktSetzen->text(), "neu");
  f.eingabeFeld()->setText("x^2+1");
  f.namensFeld()->setText("g");
  termLesen->click();
  ASSERT_TRUE(f.zustand().listen.fuExistiert("g"));
  f.namensFeld()->setText("g");
  eintrag(f, "Funktionen > &Farbe > &Rot")->trigger();
  EXPECT_EQ(f.zustand().listen.fuListe().at("g")->color, Farbe::rot);
  eintrag(f, "Funktionen > &Trage <Name> als aktuelle Funktion ein")->trigger();
  EXPECT_EQ(f.zustand().akt, f.zustand().listen.fuListe().at("g"));
  f.eingabeFeld()->setText("x^2");
  f.namensFeld()->setText("q");
  QTest::keyClick(f.namensFeld(), Qt::Key_Return);
  EXPECT_TRUE(f.zustand().listen.fuExistiert("q"));

  f.eingabeFeld()->setText("A(1,3)");
  punktLesen->click();
  EXPECT_EQ(f.hinweisZeile()->text(), "\n(1.0, 3.0) wurde in die Punktliste eingefügt.");
  f.eingabeFeld()->setText("B(2,4)");
  QTest::keyClick(f.eingabeFeld(), Qt::Key_Return);
  EXPECT_TRUE(f.zustand().listen.pktListe().contains("B"));
  f.eingabeFeld()->setText("C(3,0)");
  punktLesen->click();
  f.namensFeld()->setText("s");
  eintrag(f, "Erzeuge > Kubische &Spline-Funktion zur Punktliste")->trigger();
  EXPECT_TRUE(f.zustand().listen.spExistiert("s"));
}

}  // namespace
}  // namespace quarvel
