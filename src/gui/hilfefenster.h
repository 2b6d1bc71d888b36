#pragma once

#include <QWidget>
#include <string>

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

 private:
  // After every command: a changed help text is shown at once.
  void nachBefehl();
  // Selects the topic whose text is shown, or none (the about text).
  void markiereThema(const std::string& text);

  Hauptfenster& hauptfenster_;
  QListWidget* themen_ = nullptr;
  QPlainTextEdit* textfeld_ = nullptr;
  std::string zuletztGezeigt_;
};

}  // namespace quarvel
