#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "app/skript.h"
#include "gui/anzeigemaler.h"
#include "gui/aufruf.h"
#include "gui/dokumentverwaltung.h"
#include "gui/hauptfenster.h"
#include "gui/uebersetzung.h"

namespace {

// While the window system starts: Qt ends the process when no platform plugin can start (a
// display that does not answer); say so in one German line and leave with status 1
// instead of aborting. Its English warnings about the connection are left out.
void ohneAnzeigeBeenden(QtMsgType art, const QMessageLogContext&, const QString&) {
  if (art != QtFatalMsg) return;
  std::fputs(quarvel::keineAnzeigeMeldung, stderr);
  std::_Exit(1);
}

// A script's stderr carries its own "fehler:" lines only; Qt's notes about the offscreen
// platform (a missing runtime folder) are not the script's business.
void nurErnsteMeldungen(QtMsgType art, const QMessageLogContext&, const QString& text) {
  if (art == QtCriticalMsg || art == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
}

int skriptLaufen(const quarvel::Aufruf& aufruf, int argc, char* argv[]) {
  std::ios::sync_with_stdio(false);
  qInstallMessageHandler(nurErnsteMeldungen);
  // Script mode runs headless. Only writing the graph to a file needs fonts and painting;
  // it starts Qt on its offscreen platform.
  std::unique_ptr<QGuiApplication> maler;
  const quarvel::Grafikexport grafikexport = [&](const quarvel::Anzeigeliste& liste,
                                                 const std::string& datei,
                                                 quarvel::Grafikformat format) {
    if (!maler) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
      maler = std::make_unique<QGuiApplication>(argc, argv);
    }
    return quarvel::grafikSchreiben(liste, QString::fromStdString(datei), format).toStdString();
  };
  return quarvel::fuehreSkriptdateiAus(*aufruf.skript, std::cin, std::cout, std::cerr, aufruf.seed,
                                       grafikexport);
}

}  // namespace

int main(int argc, char* argv[]) {
  const quarvel::Aufruf aufruf = quarvel::liesAufruf(argc, argv);
  if (!aufruf.fehler.empty()) {
    std::cerr << "quarvel: " << aufruf.fehler << "\n" << quarvel::kurzerGebrauch;
    return 2;
  }
  if (aufruf.hilfe) {
    std::cout << quarvel::gebrauchstext;
    return 0;
  }
  if (aufruf.version) {
    std::cout << "Quarvel " << QUARVEL_VERSION << "\n";
    return 0;
  }
  if (aufruf.skript) return skriptLaufen(aufruf, argc, argv);

  if (!quarvel::anzeigeVorhanden()) {
    std::cerr << quarvel::keineAnzeigeMeldung;
    return 1;
  }
  qInstallMessageHandler(ohneAnzeigeBeenden);
  QApplication app(argc, argv);
  qInstallMessageHandler(nullptr);
  // Window geometry and splitter are remembered under these names.
  QApplication::setOrganizationName("Quarvel");
  QApplication::setApplicationName("Quarvel");
  QApplication::setApplicationVersion(QUARVEL_VERSION);
  QApplication::setDesktopFileName("de.quarvel.Quarvel");
  quarvel::ladeQtUebersetzung(app, QLocale::system());
  // The optional file argument names a document to open; it is kept in `aufruf.dokument`.
  quarvel::Hauptfenster fenster(aufruf.seed);
  fenster.show();
  fenster.dokument().wiederherstellungAnbieten();
  if (aufruf.dokument) fenster.dokument().oeffnen(QString::fromLocal8Bit(aufruf.dokument->c_str()));
  return QApplication::exec();
}
