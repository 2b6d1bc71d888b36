#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>

#include "gui/hauptfenster.h"

namespace quarvel::test {

// Finding menus and entries by their visible text, as a user would.

inline QMenu* untermenue(QMenu* oben, const QString& titel) {
  if (oben == nullptr) return nullptr;
  for (QAction* a : oben->actions()) {
    if (a->menu() != nullptr && a->text() == titel) return a->menu();
  }
  return nullptr;
}

inline QMenu* hauptmenue(Hauptfenster& f, const QString& titel) {
  for (QAction* m : f.menuBar()->actions()) {
    if (m->menu() != nullptr && m->text() == titel) return m->menu();
  }
  return nullptr;
}

inline QAction* eintragIn(QMenu* m, const QString& text) {
  if (m == nullptr) return nullptr;
  for (QAction* a : m->actions()) {
    if (a->text() == text) return a;
  }
  return nullptr;
}

inline QAction* eintrag(Hauptfenster& f, const QString& menue, const QString& text) {
  return eintragIn(hauptmenue(f, menue), text);
}

}  // namespace quarvel::test
