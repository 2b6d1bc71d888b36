#include <gtest/gtest.h>

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QMap>

#include "gui/hauptfenster.h"
#include "menuehilfen.h"

namespace quarvel {
namespace {

using namespace test;

TEST(BerechneMenue, EintragFuehrtDenBefehlAus) {
  Hauptfenster f(1);
  QMenu* menue = hauptmenue(f, "Berechne");
  ASSERT_NE(menue, nullptr);
  QAction* werte = nullptr;
  int rechnungen = 0;
  for (QAction* a : menue->actions()) {
    const QString t = a->text().remove(QLatin1Char('&'));
    if (t.contains("Werte") || t.contains("Ableitung") || t.contains("Stammfunktion") ||
        t.contains("Integral") || t.contains("Fläche") || t.contains("Linearfaktor") ||
        t.contains("Quotient") || t.contains("Rest") || t.contains("ggT") ||
        t.contains("verschieben") || t.contains("spiegeln")) {
      ++rechnungen;
    }
    if (t.startsWith("Werte")) werte = a;
  }
  EXPECT_EQ(rechnungen, 14);
  ASSERT_NE(werte, nullptr);
  f.namensFeld()->setText("akt");
  werte->trigger();
  EXPECT_TRUE(f.ausgabeFeld()->toPlainText().contains("akt(0.0) = -2.0"));
}

TEST(BerechneMenue, KeineKurzwahlIstDoppeltVergeben) {
  Hauptfenster f(1);
  // One action may sit in two menus; two actions must not share a shortcut.
  QMap<QString, QAction*> vergeben;
  for (QAction* m : f.menuBar()->actions()) {
    if (m->menu() == nullptr) continue;
    for (QAction* a : m->menu()->actions()) {
      if (a->shortcut().isEmpty()) continue;
      const QString taste = a->shortcut().toString();
      QAction* frueher = vergeben.value(taste, a);
      EXPECT_EQ(frueher, a) << taste.toStdString() << ": " << frueher->text().toStdString()
                            << " und " << a->text().toStdString();
      vergeben.insert(taste, a);
    }
  }
}

}  // namespace
}  // namespace quarvel
