#include <QApplication>
#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "app/aufruf.h"
#include "gui/anzeigemaler.h"
#include "gui/hauptfenster.h"

int main(int argc, char* argv[]) {
  const quarvel::Aufruf aufruf = quarvel::liesAufruf(argc, argv, quarvel::DateiOhneSchalter::nein);
  if (aufruf.hilfe || aufruf.fehlerhaft) {
    std::cerr << "Aufruf: quarvel [--skript DATEI|-] [--seed N]\n";
    return aufruf.hilfe ? 0 : 2;
  }

  // Script mode runs headless, the same script runner as quarvel-skript: no QApplication,
  // no display needed. Only writing the graph to a file needs fonts and painting; it
  // starts Qt on its offscreen platform.
  if (aufruf.skript) {
    std::ios::sync_with_stdio(false);
    std::unique_ptr<QGuiApplication> maler;
    const quarvel::Grafikexport grafikexport = [&](const quarvel::Anzeigeliste& liste,
                                                   const std::string& datei) {
      if (!maler) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        maler = std::make_unique<QGuiApplication>(argc, argv);
      }
      return quarvel::grafikSchreiben(liste, QString::fromStdString(datei));
    };
    return quarvel::skriptStarten(*aufruf.skript, aufruf.seed, std::cin, std::cout, std::cerr,
                                  grafikexport);
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName("Quarvel");
  QApplication::setDesktopFileName("quarvel");
  quarvel::Hauptfenster fenster(aufruf.seed);
  fenster.show();
  return QApplication::exec();
}
