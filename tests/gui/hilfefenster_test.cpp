#include "gui/hilfefenster.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/hilfetexte.h"
#include "app/verlaufsbeschreibung.h"
#include "gui/hauptfenster.h"
#include "menuehilfen.h"

namespace quarvel {
namespace {

using namespace test;

class HilfefensterTest : public testing::Test {
 protected:
  Hauptfenster f{1};
  Hilfefenster* hilfe = f.findChild<Hilfefenster*>(QStringLiteral("hilfefenster"));
};

TEST_F(HilfefensterTest, OeffnetMitDemProgrammtextUndDemKnopf) {
  ASSERT_NE(hilfe, nullptr);
  EXPECT_FALSE(hilfe->isVisible());
  EXPECT_EQ(hilfe->text().toStdString(), info());
  auto* knopf = f.findChild<QPushButton*>(QStringLiteral("hilfeKnopf"));
  ASSERT_NE(knopf, nullptr);
  EXPECT_EQ(knopf->text(), QStringLiteral("&Hilfe"));
  knopf->click();
  EXPECT_TRUE(hilfe->isVisible());
  EXPECT_EQ(hilfe->text().toStdString(), info());
}

TEST_F(HilfefensterTest, JedesThemaAusDemMenueErscheintImFenster) {
  for (const Hilfethema& thema : hilfethemen()) {
    QAction* a = eintrag(f, QStringLiteral("Hilfe"), QString::fromUtf8(thema.titel));
    ASSERT_NE(a, nullptr) << thema.titel;
    hilfe->close();
    a->trigger();
    EXPECT_TRUE(hilfe->isVisible()) << thema.titel;
    EXPECT_EQ(hilfe->text().toStdString(), thema.text()) << thema.titel;
    EXPECT_EQ(f.zustand().hilfe, thema.text());
    ASSERT_NE(hilfe->findChild<QListWidget*>()->currentItem(), nullptr);
    EXPECT_EQ(hilfe->findChild<QListWidget*>()->currentItem()->text(),
              QString::fromUtf8(thema.titel));
  }
  EXPECT_EQ(eintrag(f, QStringLiteral("Hilfe"), QStringLiteral("Funktionen"))->shortcut(),
            QKeySequence(QKeySequence::HelpContents));
}

TEST_F(HilfefensterTest, SucheMarkiertTrefferUndSpringtReihum) {
  eintrag(f, QStringLiteral("Hilfe"), QStringLiteral("Splines"))->trigger();
  const QString text = hilfe->text();
  const QString wort = QStringLiteral("Spline");
  const qsizetype anzahl = text.count(wort, Qt::CaseInsensitive);
  ASSERT_GE(anzahl, 2);
  auto* feld = hilfe->findChild<QPlainTextEdit*>();
  hilfe->suchfeld()->setText(wort);
  EXPECT_EQ(feld->extraSelections().size(), anzahl);
  const qsizetype erster = feld->textCursor().selectionStart();
  EXPECT_EQ(erster, text.indexOf(wort, 0, Qt::CaseInsensitive));
  // Onwards through every match and round to the first again.
  for (qsizetype i = 1; i < anzahl; ++i) ASSERT_TRUE(hilfe->springeZuTreffer());
  EXPECT_EQ(feld->textCursor().selectionStart(), text.lastIndexOf(wort, -1, Qt::CaseInsensitive));
  ASSERT_TRUE(hilfe->springeZuTreffer());
  EXPECT_EQ(feld->textCursor().selectionStart(), erster);
  // A new topic keeps the search and marks its own matches.
  eintrag(f, QStringLiteral("Hilfe"), QStringLiteral("Punkte"))->trigger();
  EXPECT_EQ(feld->extraSelections().size(), hilfe->text().count(wort, Qt::CaseInsensitive));
  hilfe->suchfeld()->setText(QStringLiteral("gibt es nicht im Text"));
  EXPECT_TRUE(feld->extraSelections().isEmpty());
  EXPECT_FALSE(hilfe->springeZuTreffer());
}

TEST_F(HilfefensterTest, UeberQuarvelNenntVersionUndLizenz) {
  eintrag(f, QStringLiteral("Hilfe"), QStringLiteral("Über Quarvel"))->trigger();
  EXPECT_TRUE(hilfe->text().startsWith(QString::fromStdString(info())));
  EXPECT_TRUE(hilfe->text().contains(QStringLiteral("Version " QUARVEL_VERSION)));
  EXPECT_TRUE(hilfe->text().contains(QStringLiteral("Lizenz: " QUARVEL_LIZENZ)));
}

TEST_F(HilfefensterTest, DasselbeThemaHoltDasGeschlosseneFensterWiederHervor) {
  QAction* a = eintrag(f, QStringLiteral("Hilfe"), QStringLiteral("Splines"));
  a->trigger();
  hilfe->close();
  a->trigger();
  EXPECT_TRUE(hilfe->isVisible());
}

TEST_F(HilfefensterTest, ThemenlisteDesFenstersFuehrtDieBefehleAus) {
  auto* liste = hilfe->findChild<QListWidget*>();
  ASSERT_NE(liste, nullptr);
  const auto gefunden = liste->findItems(QStringLiteral("Verlaufsbeschreibung"), Qt::MatchExactly);
  ASSERT_EQ(gefunden.size(), 1);
  emit liste->itemClicked(gefunden.front());
  EXPECT_EQ(hilfe->text().toStdString(), verlaufsBeschreibung(f.zustand()));
  EXPECT_EQ(liste->currentItem(), gefunden.front());
}

TEST_F(HilfefensterTest, VerlaufsbeschreibungAuchAusDemZeigeMenue) {
  QAction* a = eintrag(f, QStringLiteral("Zeige"), QStringLiteral("&Verlaufsbeschreibung"));
  ASSERT_NE(a, nullptr);
  a->trigger();
  EXPECT_TRUE(hilfe->isVisible());
  EXPECT_EQ(hilfe->text().toStdString(), verlaufsBeschreibung(f.zustand()));
}

TEST_F(HilfefensterTest, AnalyseMenueListetKritischePunkte) {
  f.namensFeld()->setText(QStringLiteral("akt"));
  QAction* a = eintrag(f, QStringLiteral("Berechne"),
                       QStringLiteral("&Kritische Punkte von <Name> auflisten"));
  ASSERT_NE(a, nullptr);
  a->trigger();
  EXPECT_TRUE(f.ausgabeFeld()->toPlainText().contains(QStringLiteral(
      "Koordinaten der kritischen Punkte mit Werten von erster und zweiter Ableitung")));
  EXPECT_FALSE(hilfe->isVisible()) << "no help command ran";
}

}  // namespace
}  // namespace quarvel
