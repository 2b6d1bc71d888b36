#include "gui/hauptfenster.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "graph/rahmen.h"
#include "gui/grafikansicht.h"
#include "gui/uebersetzung.h"
#include "menuehilfen.h"

namespace quarvel {
namespace {

using namespace test;

// The icon is drawn, not empty.
TEST(Hauptfenster, HatEinSymbol) {
  Hauptfenster f(1);
  const QImage symbol = f.windowIcon().pixmap(64, 64).toImage();
  ASSERT_FALSE(symbol.isNull());
  EXPECT_NE(symbol.pixelColor(32, 32).alpha(), 0);
}

void warte() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// Small screens: the window fits with every button reachable; the graph grows with the
// window while its frame stays; long hints neither widen the window nor get cut off.
TEST(Hauptfenster, PasstAufJedenBildschirm) {
  const QString langerTerm = QString(QStringLiteral("x")).repeated(301);
  QString vieleZeilen;
  for (int i = 0; i < 200; ++i)
    vieleZeilen += QStringLiteral("Kein Punkt namens Q%1 in der Liste.\n").arg(i);
  for (const QRect verfuegbar : {QRect(0, 0, 1024, 600), QRect(0, 0, 1366, 768)}) {
    SCOPED_TRACE(verfuegbar.width());
    Hauptfenster f(1);
    f.einpassen(verfuegbar);
    f.show();
    warte();
    EXPECT_LE(f.minimumSizeHint().width(), 800);
    EXPECT_LE(f.minimumSizeHint().height(), 560);
    EXPECT_TRUE(verfuegbar.contains(f.frameGeometry()));
    for (QAbstractButton* k : f.findChildren<QAbstractButton*>()) {
      const QRect ort(k->mapTo(&f, QPoint(0, 0)), k->size());
      EXPECT_TRUE(!k->isVisibleTo(&f) || f.rect().contains(ort)) << k->text().toStdString();
    }

    auto* ansicht = f.findChild<Grafikansicht*>();
    ASSERT_NE(ansicht, nullptr);
    const Grafikzustand& g = f.zustand().grafik;
    const QSize vorher = ansicht->size();
    const Grenzen rahmen = gezeigterRahmen(g);
    const int breite = f.width();
    f.resize(1600, 1000);
    warte();
    EXPECT_GT(ansicht->width(), vorher.width());
    EXPECT_GT(ansicht->height(), vorher.height());
    EXPECT_EQ(g.ansicht, (Ansichtsgroesse{static_cast<double>(ansicht->width()),
                                          static_cast<double>(ansicht->height())}));
    EXPECT_EQ(gezeigterRahmen(g), rahmen);

    f.resize(breite, 600);
    warte();
    for (const QString& hinweis : {langerTerm, vieleZeilen}) {
      f.zustand().felder.hinweis = hinweis.toStdString();
      f.felderZeigen();
      warte();
      EXPECT_EQ(f.width(), breite);
      EXPECT_EQ(f.hinweisZeile()->text(), hinweis) << "nothing is cut off";
      EXPECT_LE(f.hinweisZeile()->height(), 300) << "it scrolls instead";
    }
  }
}

// Every menu, whoever fills it: each title and entry can be reached by its letter, no letter
// twice in one menu, no shortcut on two actions (one action may sit in two menus).
void pruefeKuerzel(QWidget* menue, const QString& pfad, QMap<QString, QAction*>& kurzwahlen) {
  QMap<QChar, QString> buchstaben;
  for (QAction* a : menue->actions()) {
    if (a->isSeparator() || !a->isVisible()) continue;
    const QString wo = pfad + " > " + ohneKuerzel(a->text());
    const QChar k = kuerzel(a->text());
    EXPECT_FALSE(k.isNull()) << "ohne Kürzel: " << wo.toStdString();
    if (!k.isNull()) {
      EXPECT_FALSE(buchstaben.contains(k))
          << "Kürzel " << QString(k).toStdString() << " doppelt: " << wo.toStdString() << " und "
          << buchstaben.value(k).toStdString();
      buchstaben.insert(k, wo);
    }
    if (!a->shortcut().isEmpty()) {
      const QString taste = a->shortcut().toString();
      QAction* frueher = kurzwahlen.value(taste, a);
      EXPECT_EQ(frueher, a) << taste.toStdString() << ": "
                            << ohneKuerzel(frueher->text()).toStdString() << " und "
                            << wo.toStdString();
      kurzwahlen.insert(taste, a);
    }
    if (a->menu() != nullptr) pruefeKuerzel(a->menu(), wo, kurzwahlen);
  }
}

TEST(Hauptfenster, JedesMenueIstPerTastaturErreichbar) {
  Hauptfenster f(1);
  f.show();
  QMap<QString, QAction*> kurzwahlen;
  pruefeKuerzel(f.menuBar(), "Menüleiste", kurzwahlen);

  QStringList datei;
  for (QAction* a : eintrag(f, "Datei")->menu()->actions()) datei << ohneKuerzel(a->text());
  EXPECT_EQ(datei.front(), "Neustart …");
  EXPECT_EQ(datei.mid(datei.size() - 4),
            (QStringList{"Drucken …", "Grafik exportieren …", "", "Beenden …"}));
  EXPECT_EQ(eintrag(f, "Datei > Drucken …")->shortcut(), QKeySequence(QKeySequence::Print));
  EXPECT_EQ(eintrag(f, "Datei > Beenden …")->shortcut(), QKeySequence(QKeySequence::Quit));

  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  QTest::keyClick(f.eingabeFeld(), Qt::Key_F10);
  ASSERT_NE(f.menuBar()->activeAction(), nullptr);
  EXPECT_EQ(ohneKuerzel(f.menuBar()->activeAction()->text()), "Datei");
  f.menuBar()->activeAction()->menu()->close();
}

TEST(Hauptfenster, QtsEigeneTexteSindDeutsch) {
  QTranslator* deutsch =
      ladeQtUebersetzung(*QCoreApplication::instance(), QLocale(QLocale::German));
  ASSERT_NE(deutsch, nullptr) << "qtbase_de fehlt (Paket qt6-translations-l10n)";
  const QString rueckgaengig = deutsch->translate("QLineEdit", "&Undo");
  QLineEdit feld;
  std::unique_ptr<QMenu> kontextmenue(feld.createStandardContextMenu());
  EXPECT_EQ(kontextmenue->actions().front()->text().section(u'\t', 0, 0), rueckgaengig);
  QCoreApplication::removeTranslator(deutsch);
  delete deutsch;
}

}  // namespace
}  // namespace quarvel

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Settings and recovery copies of the tests stay out of the user's folders.
  QStandardPaths::setTestModeEnabled(true);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
