#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>

#include "app/listenpflege.h"
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
  const auto befehl = [&f, &z](const std::string& name, const std::string& eingabe,
                               const std::string& feld) {
    z.felder.eingabe = eingabe;
    z.felder.name = feld;
    f.felderZeigen();
    f.ausfuehren(name);
  };
  befehl("liesTermB", "0.5x^3 - 3x", "f");
  befehl("farbeBlau", "", "f");
  befehl("liesTermB", "0.25x^2 - 1", "g");
  befehl("farbeRot", "", "g");
  for (const auto& [name, x, y] : std::vector<std::tuple<std::string, double, double>>{
           {"A", -2, 1}, {"B", 1, -2.5}, {"C", 3, 1.25}}) {
    Punkt p{x, y, 0, 0};
    p.name = name;
    pktEinlisten(z, name, teile(p));
  }
  z.felder.kritPunkteMarkiert = true;
  f.felderZeigen();
  f.ausfuehren("kritPunkteMarkierB");
  befehl("allfunktionalWahlB", "", "");
  f.ausfuehren("rechteckWahlB");
  z.felder.x = "-4.5, 4.5";
  z.felder.y = "-4, 4";
  f.felderZeigen();
  f.ausfuehren("fRahmenWahlB");
  f.ausfuehren("scrollWheel", {"0", "1", "alt", "cmd"});
  z.felder.eingabe = "0.25x^2 - 1";
  z.felder.name = "g";
  f.felderZeigen();
  // A school laptop's screen, less a panel.
  f.einpassen(QRect(0, 0, 1366, 740));
  f.show();
  f.setGeometry(0, 0, 1366, 740);
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
  ASSERT_TRUE(f.grab().save(datei));
}

}  // namespace
}  // namespace quarvel
