#include "gui/hinweisfeld.h"

#include <QTextOption>

namespace quarvel {

Hinweisfeld::Hinweisfeld(QWidget* eltern) : QPlainTextEdit(eltern) {
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameShape(QFrame::NoFrame);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setFocusPolicy(Qt::ClickFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  QPalette farben = palette();
  farben.setColor(QPalette::Base, QColor(255, 255, 224));
  setPalette(farben);
}

void Hinweisfeld::setText(const QString& text) {
  if (toPlainText() != text) setPlainText(text);
}

int Hinweisfeld::zeilenHoehe(int zeilen) const {
  const QMargins r = contentsMargins();
  return zeilen * fontMetrics().lineSpacing() + 2 * static_cast<int>(document()->documentMargin()) +
         r.top() + r.bottom();
}

// Room for six lines, as much as any hint needs at once; longer ones scroll.
QSize Hinweisfeld::sizeHint() const {
  return {300, zeilenHoehe(6)};
}

QSize Hinweisfeld::minimumSizeHint() const {
  return {100, zeilenHoehe(3)};
}

}  // namespace quarvel
