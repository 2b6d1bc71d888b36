#pragma once

#include <QWidget>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace quarvel {

class Hauptfenster;

// The help window: a list of topics beside one read-only text field. It shows the help
// text the last help command left in the state; it opens with the about text.
class Hilfefenster : public QWidget {
  Q_OBJECT

 public:
  explicit Hilfefenster(Hauptfenster& hauptfenster);

  // Shows `text`, opens the window and brings it to the front.
  void zeige(const QString& text);
  // Opens the window and brings it to the front, keeping its text.
  void hervorholen();
  QString text() const;
  // The search field (Ctrl+F): every match in the shown text is highlighted.
  QLineEdit* suchfeld() const { return suche_; }
  // Moves the cursor to the next (or previous) match, wrapping around; false when none.
  bool springeZuTreffer(bool rueckwaerts = false);

 private:
  // After every command: a changed help text is shown at once.
  void nachBefehl();
  // Selects the topic whose text is shown, or none (the about text).
  void markiereThema(const std::string& text);
  // Highlights every match of the search text and says how many there are.
  void markiereTreffer();

  Hauptfenster& hauptfenster_;
  QListWidget* themen_ = nullptr;
  QPlainTextEdit* textfeld_ = nullptr;
  QLineEdit* suche_ = nullptr;
  QLabel* trefferzahl_ = nullptr;
  std::string zuletztGezeigt_;
};

}  // namespace quarvel
