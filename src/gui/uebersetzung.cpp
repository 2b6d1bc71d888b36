#include "gui/uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quarvel {

QTranslator* ladeQtUebersetzung(QCoreApplication& app, const QLocale& sprache) {
  auto* uebersetzung = new QTranslator(&app);
  if (!uebersetzung->load(sprache, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete uebersetzung;
    return nullptr;
  }
  QCoreApplication::installTranslator(uebersetzung);
  return uebersetzung;
}

}  // namespace quarvel
