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
  EXPECT_EQ(info().rfind("Zum Programm Quarvel\n\n", 0), 0u);
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

}  // namespace
}  // namespace quarvel
