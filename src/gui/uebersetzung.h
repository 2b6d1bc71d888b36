#pragma once

class QCoreApplication;
class QLocale;
class QTranslator;

namespace quarvel {

// Loads and installs Qt's own translation (file dialog, print dialog, context menus) for
// `sprache` from Qt's translation folder. Returns the installed translator, owned by `app`,
// or nullptr when there is no catalogue for that language.
QTranslator* ladeQtUebersetzung(QCoreApplication& app, const QLocale& sprache);

}  // namespace quarvel
