#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>

#include "app/listenpflege.h"
#include "app/schale.h"
#include "gui/hauptfenster.h"

namespace quarvel {
namespace {

// Takes the picture of the main window shown in the README when QUARVEL_BILDSCHIRMFOTO
// names a file (run under Xvfb with QT_QPA_PLATFORM=xcb); skipped otherwise.
TEST(Bildschirmfoto, Hauptfenster) {
  const QString datei = qEnvironmentVariable("QUARVEL_BILDSCHIRMFOTO");
  if (datei.isEmpty()) GTEST_SKIP() << "QUARVEL_BILDSCHIRMFOTO not set";
  Hauptfenster f(1);
  Zustand& z = f.zustand();
  auto f1 = teile(Polynom{0, -3, 0, 0.5});
  f1->color = Farbe::blau;
  fuEinlisten(z, "f", f1);
  auto g1 = teile(Polynom{-1, 0, 0.25});
  g1->color = Farbe::rot;
  fuEinlisten(z, "g", g1);
  for (const auto& [name, x, y] : std::vector<std::tuple<std::string, double, double>>{
           {"A", -2, 1}, {"B", 1, -2.5}, {"C", 3, 1.25}}) {
    Punkt p{x, y, 0, 0};
    p.name = name;
    pktEinlisten(z, name, teile(p));
  }
  z.felder.kritPunkteMarkiert = true;
  f.felderZeigen();
  f.ausfuehren("kritPunkteMarkierB");
  f.ausfuehren("allfunktionalWahlB");
  f.ausfuehren("scrollWheel", {"0", "1", "alt", "cmd"});
  f.ausfuehren("scrollWheel", {"0", "1"});
  z.felder.eingabe = "0.5x^3 - 3x";
  z.felder.name = "f";
  ausgabe(z, 0, "f(x) = 0.5x^3 - 3x\ng(x) = 0.25x^2 - 1");
  f.felderZeigen();
  f.show();
  f.resize(f.sizeHint());
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
  ASSERT_TRUE(f.grab().save(datei));
}

}  // namespace
}  // namespace quarvel
