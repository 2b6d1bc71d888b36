#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>

#include "gui/hauptfenster.h"
#include "gui/kuerzel.h"

namespace quarvel::test {

// Finding menus and entries by their visible text, as a user would (mnemonic marks do
// not count: "&Neustart …" finds "Neu&start …").

inline QMenu* untermenue(QMenu* oben, const QString& titel) {
  if (oben == nullptr) return nullptr;
  for (QAction* a : oben->actions()) {
    if (a->menu() != nullptr && ohneKuerzel(a->text()) == ohneKuerzel(titel)) return a->menu();
  }
  return nullptr;
}

inline QMenu* hauptmenue(Hauptfenster& f, const QString& titel) {
  for (QAction* m : f.menuBar()->actions()) {
    if (m->menu() != nullptr && ohneKuerzel(m->text()) == ohneKuerzel(titel)) return m->menu();
  }
  return nullptr;
}

inline QAction* eintragIn(QMenu* m, const QString& text) {
  if (m == nullptr) return nullptr;
  for (QAction* a : m->actions()) {
    if (ohneKuerzel(a->text()) == ohneKuerzel(text)) return a;
  }
  return nullptr;
}

inline QAction* eintrag(Hauptfenster& f, const QString& menue, const QString& text) {
  return eintragIn(hauptmenue(f, menue), text);
}

}  // namespace quarvel::test
