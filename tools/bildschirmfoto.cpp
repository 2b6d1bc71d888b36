// Takes the picture of the main window shown in the README (docs/hauptfenster.png).
// Run through tools/bildschirmfoto.sh, which builds it and starts it under Xvfb.

#include <QApplication>
#include <QPixmap>
#include <iostream>
#include <string>
#include <tuple>
#include <vector>

#include "app/listenpflege.h"
#include "gui/hauptfenster.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "Aufruf: quarvel_bildschirmfoto DATEI.png\n";
    return 2;
  }
  QApplication app(argc, argv);
  quarvel::Hauptfenster f(1);
  quarvel::Zustand& z = f.zustand();
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
    quarvel::pktEinlisten(z, name, quarvel::teile(quarvel::Punkt{x, y, 0, 0}));
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
  if (!f.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::cerr << "fehler: " << argv[1] << " lässt sich nicht schreiben\n";
    return 1;
  }
  return 0;
}
