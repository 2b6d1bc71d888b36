#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include "gui/hauptfenster.h"
#include "gui/kuerzel.h"

namespace quarvel::test {

// Finding menus, entries and buttons by their visible text, as a user would (mnemonic
// marks do not count: "&Neustart …" finds "Neu&start …").

inline QAction* eintragIn(QWidget* m, const QString& text) {
  if (m == nullptr) return nullptr;
  for (QAction* a : m->actions()) {
    if (ohneKuerzel(a->text()) == ohneKuerzel(text)) return a;
  }
  return nullptr;
}

// The entry or menu at a path such as "Funktionen > Farbe > Rot", or nullptr.
inline QAction* eintrag(Hauptfenster& f, const QString& pfad) {
  QAction* a = nullptr;
  for (const QString& schritt : pfad.split(QStringLiteral(" > "))) {
    a = eintragIn(a == nullptr ? static_cast<QWidget*>(f.menuBar()) : a->menu(), schritt);
    if (a == nullptr) return nullptr;
  }
  return a;
}

inline QPushButton* knopf(QWidget& f, const QString& text) {
  for (QPushButton* k : f.findChildren<QPushButton*>()) {
    if (k->text() == text) return k;
  }
  return nullptr;
}

// Acts on the next modal message box once it is shown, after keeping its question. Waits
// for the box, so that answers to several questions in a row can be queued.
template <typename Handlung>
void beiNaechsterFrage(QString* frage, Handlung handlung) {
  QTimer::singleShot(0, [frage, handlung] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return beiNaechsterFrage(frage, handlung);
    if (frage != nullptr) *frage = box->text();
    handlung(*box);
  });
}

// Answers the next question with the button labelled `knopf`.
inline void antworte(const QString& knopf, QString* frage = nullptr) {
  beiNaechsterFrage(frage, [knopf](QMessageBox& box) {
    for (QAbstractButton* b : box.buttons()) {
      if (b->text() == knopf) b->click();
    }
  });
}

}  // namespace quarvel::test
