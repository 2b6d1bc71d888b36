#include <gtest/gtest.h>

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QLineEdit>

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

}  // namespace
}  // namespace quarvel
