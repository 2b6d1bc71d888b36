#include <QApplication>
#include <QGuiApplication>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "app/skript.h"
#include "gui/anzeigemaler.h"
#include "gui/dokumentverwaltung.h"
#include "gui/hauptfenster.h"

namespace {

void gebrauch() {
  std::cerr << "Aufruf: quarvel [--skript DATEI|-] [--seed N] [DOKUMENT.quarvel]\n";
}

}  // namespace

int main(int argc, char* argv[]) {
  std::optional<std::string> skript;
  std::optional<std::uint32_t> seed;
  std::optional<std::string> dokument;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--skript" && i + 1 < argc) {
      skript = argv[++i];
    } else if (arg == "--seed" && i + 1 < argc) {
      try {
        seed = static_cast<std::uint32_t>(std::stoul(argv[++i]));
      } catch (...) {
        gebrauch();
        return 2;
      }
    } else if (arg == "--help" || arg == "-h") {
      gebrauch();
      return 0;
    } else if (!arg.starts_with("-")) {
      dokument = arg;
    }
  }

  // Script mode runs headless: no QApplication, no display needed. Only writing the
  // graph to a file needs fonts and painting; it starts Qt on its offscreen platform.
  if (skript) {
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
    if (*skript == "-") return quarvel::fuehreSkriptAus(std::cin, std::cout, std::cerr, seed, grafikexport);
    std::ifstream datei(*skript);
    if (!datei) {
      std::cerr << "fehler: Skript " << *skript << " lässt sich nicht öffnen\n";
      return 1;
    }
    return quarvel::fuehreSkriptAus(datei, std::cout, std::cerr, seed, grafikexport);
  }

  QApplication app(argc, argv);
  // Window geometry and splitter are remembered under these names.
  QApplication::setOrganizationName("Quarvel");
  QApplication::setApplicationName("Quarvel");
  if (QApplication::organizationName().isEmpty()) QApplication::setOrganizationName("Quarvel");
  QApplication::setDesktopFileName("quarvel");
  quarvel::Hauptfenster fenster(seed);
  fenster.show();
  fenster.dokument().wiederherstellungAnbieten();
  if (dokument) fenster.dokument().oeffnen(QString::fromLocal8Bit(dokument->c_str()));
  return QApplication::exec();
}
