#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace quarvel {

// The hint area below the output: read-only, wrapping anywhere (a term without blanks
// included) and scrolling, so no hint, however long, changes the window's size.
class Hinweisfeld : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit Hinweisfeld(QWidget* eltern = nullptr);

  QString text() const { return toPlainText(); }
  void setText(const QString& text);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 private:
  int zeilenHoehe(int zeilen) const;
};

}  // namespace quarvel
