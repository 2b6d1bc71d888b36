#include "gui/aufruf.h"

#include <QCommandLineParser>
#include <QStringList>

#include "app/skriptaufruf.h"

namespace quarvel {

const char* const gebrauchstext =
    "Aufruf: quarvel [OPTIONEN] [DATEI]\n"
    "\n"
    "Quarvel – ganzrationale Funktionen bis zum 14. Grad lernen und erforschen.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help         diese Hilfe zeigen\n"
    "  -v, --version      die Version zeigen\n"
    "  --skript DATEI     ein Befehlsskript ohne Fenster ausführen; \"-\" liest die\n"
    "                     Standardeingabe\n"
    "  --seed N           Startwert der Zufallspunkte (0 bis 4294967295), macht einen\n"
    "                     Lauf wiederholbar\n"
    "\n"
    "Argument:\n"
    "  DATEI              ein Dokument, das das Fenster öffnet\n";

const char* const kurzerGebrauch = "Mehr dazu: quarvel --help\n";

const char* const keineAnzeigeMeldung =
    "quarvel: Keine grafische Anzeige gefunden, das Fenster kann nicht erscheinen; ohne Fenster "
    "läuft Quarvel mit --skript DATEI.\n";

namespace {

QString inAnfuehrung(const QString& text) {
  return QStringLiteral("„") + text + QStringLiteral("“");
}

}  // namespace

Aufruf liesAufruf(int argc, const char* const argv[]) {
  QStringList argumente;
  for (int i = 0; i < argc; ++i) argumente << QString::fromLocal8Bit(argv[i]);

  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption hilfe(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  const QCommandLineOption skript(QStringLiteral("skript"), {}, QStringLiteral("DATEI"));
  const QCommandLineOption seed(QStringLiteral("seed"), {}, QStringLiteral("N"));
  parser.addOptions({hilfe, version, skript, seed});
  parser.addPositionalArgument(QStringLiteral("DATEI"), {}, QStringLiteral("[DATEI]"));

  Aufruf aufruf;
  const auto fehler = [&aufruf](const QString& text) {
    aufruf.fehler = text.toStdString();
    return aufruf;
  };
  if (!parser.parse(argumente)) {
    if (!parser.unknownOptionNames().isEmpty()) {
      const QString name = parser.unknownOptionNames().front();
      return fehler(QStringLiteral("Unbekannte Option %1.")
                        .arg(inAnfuehrung((name.size() == 1 ? "-" : "--") + name)));
    }
    // The only other complaint is a value missing after the last option.
    return fehler(QStringLiteral("Nach %1 fehlt der Wert.").arg(inAnfuehrung(argumente.back())));
  }
  aufruf.hilfe = parser.isSet(hilfe);
  aufruf.version = parser.isSet(version);
  if (parser.values(skript).size() > 1 || parser.values(seed).size() > 1) {
    return fehler(QStringLiteral("--skript und --seed dürfen nur einmal stehen."));
  }
  if (parser.isSet(skript)) {
    if (parser.value(skript).isEmpty())
      return fehler(QStringLiteral("Nach „--skript“ fehlt der Dateiname."));
    aufruf.skript = parser.value(skript).toStdString();
  }
  if (parser.isSet(seed)) {
    aufruf.seed = alsSeed(parser.value(seed).toStdString());
    if (!aufruf.seed) {
      return fehler(QStringLiteral("Der Startwert %1 ist keine ganze Zahl von 0 bis 4294967295.")
                        .arg(inAnfuehrung(parser.value(seed))));
    }
  }
  const QStringList dateien = parser.positionalArguments();
  if (dateien.size() > 1) return fehler(QStringLiteral("Nur eine Datei kann geöffnet werden."));
  if (!dateien.isEmpty()) {
    if (aufruf.skript) return fehler(QStringLiteral("Mit --skript wird keine Datei geöffnet."));
    aufruf.dokument = dateien.front().toStdString();
  }
  return aufruf;
}

bool anzeigeVorhanden() {
  const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
  if (!plattform.isEmpty() && !plattform.startsWith("xcb") && !plattform.startsWith("wayland")) {
    return true;
  }
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace quarvel
