#include "gui/hilfefenster.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <utility>
#include <vector>

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
  QListWidget* themen = hilfe->findChild<QListWidget*>();
};

// Hidden at first with the program text, which the help button brings up. Every topic entry
// shows its text and marks its topic in the window's list, also when the same topic is asked
// for again after the window was closed; a click in the list runs the topic as well.
TEST_F(HilfefensterTest, KnopfMenueUndListeZeigenIhrThema) {
  EXPECT_FALSE(hilfe->isVisible());
  EXPECT_EQ(hilfe->text().toStdString(), info());
  EXPECT_EQ(info().rfind("Zum Programm Quarvel\n\n", 0), 0u);
  auto* knopf = f.findChild<QPushButton*>(QStringLiteral("hilfeKnopf"));
  ASSERT_NE(knopf, nullptr);
  EXPECT_EQ(knopf->text(), QStringLiteral("&Hilfe"));
  knopf->click();
  EXPECT_TRUE(hilfe->isVisible());

  std::vector<std::pair<QString, QString>> eintraege;  // menu path -> topic in the list
  for (const Hilfethema& thema : hilfethemen()) {
    eintraege.emplace_back("Hilfe > " + QString::fromUtf8(thema.titel),
                           QString::fromUtf8(thema.titel));
  }
  for (const char* pfad :
       {"Hilfe > &Verlaufsbeschreibung der aktuellen Funktion", "Zeige > &Verlaufsbeschreibung"})
    eintraege.emplace_back(pfad, "Verlaufsbeschreibung");
  for (const auto& [pfad, thema] : eintraege) {
    SCOPED_TRACE(pfad.toStdString());
    QAction* a = eintrag(f, pfad);
    ASSERT_NE(a, nullptr);
    for (int mal = 0; mal < 2; ++mal) {
      hilfe->close();
      a->trigger();
      EXPECT_TRUE(hilfe->isVisible());
    }
    EXPECT_EQ(hilfe->text().toStdString(), f.zustand().hilfe);
    ASSERT_NE(themen->currentItem(), nullptr);
    EXPECT_EQ(themen->currentItem()->text(), thema);
  }
  EXPECT_EQ(hilfe->text().toStdString(), verlaufsBeschreibung(f.zustand()));
  EXPECT_EQ(eintrag(f, "Hilfe > Funktionen")->shortcut(), QKeySequence(QKeySequence::HelpContents));

  QListWidgetItem* erstes = themen->item(0);
  emit themen->itemClicked(erstes);
  EXPECT_EQ(hilfe->text().toStdString(), hilfethemen().front().text());
  EXPECT_EQ(themen->currentItem(), erstes);

  eintrag(f, "Hilfe > Über Quarvel")->trigger();
  EXPECT_TRUE(hilfe->text().startsWith(QString::fromStdString(info())));
  EXPECT_TRUE(hilfe->text().contains(QStringLiteral("Version " QUARVEL_VERSION)));
  EXPECT_TRUE(hilfe->text().contains(QStringLiteral("Lizenz: " QUARVEL_LIZENZ)));
}

TEST_F(HilfefensterTest, SucheMarkiertTrefferUndSpringtReihum) {
  eintrag(f, "Hilfe > Splines")->trigger();
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
  eintrag(f, "Hilfe > Punkte")->trigger();
  EXPECT_EQ(feld->extraSelections().size(), hilfe->text().count(wort, Qt::CaseInsensitive));
  hilfe->suchfeld()->setText(QStringLiteral("gibt es nicht im Text"));
  EXPECT_TRUE(feld->extraSelections().isEmpty());
  EXPECT_FALSE(hilfe->springeZuTreffer());
}

}  // namespace
}  // namespace quarvel
