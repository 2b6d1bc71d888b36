#include "gui/grafikansicht.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>

#include "app/grafikanzeige.h"
#include "graph/rahmen.h"
#include "gui/hauptfenster.h"
#include "model/zahltext.h"

namespace quarvel {

Grafikansicht::Grafikansicht(Hauptfenster& fenster, QWidget* eltern)
    : QWidget(eltern), fenster_(fenster) {
  setMinimumSize(static_cast<int>(minAnsicht), static_cast<int>(minAnsicht));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  neuZeichnen();
}

QSize Grafikansicht::sizeHint() const {
  const Ansichtsgroesse standard;
  return {static_cast<int>(standard.breite), static_cast<int>(standard.hoehe)};
}

void Grafikansicht::resizeEvent(QResizeEvent* ereignis) {
  QWidget::resizeEvent(ereignis);
  const auto begrenzt = [](int v) {
    return std::clamp(static_cast<double>(v), minAnsicht, maxAnsicht);
  };
  if (setzeAnsichtsgroesse(fenster_.zustand().grafik, begrenzt(width()), begrenzt(height())))
    neuZeichnen();
}

void Grafikansicht::neuZeichnen() {
  liste_ = grafikZeichnen(fenster_.zustand());
  update();
}

void Grafikansicht::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler_.male(maler, liste_);
  // The keys zoom and shift only while the view has the focus: show when it has.
  if (hasFocus()) {
    QPen rand(palette().color(QPalette::Highlight), 2, Qt::DashLine);
    maler.setPen(rand);
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

void Grafikansicht::befehl(const std::string& name, std::vector<std::string> argumente) {
  fenster_.ausfuehren(name, argumente);
}

std::vector<std::string> Grafikansicht::ansichtsPunkt(QPointF ort) const {
  // A drag goes on past the view's border; it is held at the border.
  const Ansichtsgroesse ansicht = fenster_.zustand().grafik.ansicht;
  const double x = std::clamp(ort.x(), 0.0, ansicht.breite);
  const double y = std::clamp(ansicht.hoehe - ort.y(), 0.0, ansicht.hoehe);
  return {zahlText(x), zahlText(y)};
}

void Grafikansicht::wheelEvent(QWheelEvent* ereignis) {
  QPointF delta = ereignis->angleDelta();
  if (delta.isNull()) delta = ereignis->pixelDelta();
  const Qt::KeyboardModifiers tasten = ereignis->modifiers();
  const bool ctrl = tasten & Qt::ControlModifier, alt = tasten & Qt::AltModifier,
             cmd = tasten & Qt::ShiftModifier;
  double dy = delta.y();
  // With a modifier held the toolkit may report the turn as a horizontal delta (Alt does
  // so on Linux); a touchpad moved sideways does the same.
  if (dy == 0 && (ctrl || alt || cmd)) dy = delta.x();
  // Begin and end events of a touchpad gesture carry no movement.
  if (dy == 0) {
    ereignis->accept();
    return;
  }
  std::vector<std::string> argumente{zahlText(delta.x()), zahlText(dy)};
  if (ctrl) argumente.emplace_back("ctrl");
  if (alt) argumente.emplace_back("alt");
  if (cmd) argumente.emplace_back("cmd");
  befehl("scrollWheel", argumente);
  ereignis->accept();
}

void Grafikansicht::mousePressEvent(QMouseEvent* ereignis) {
  setFocus(Qt::MouseFocusReason);
  if (ereignis->button() == Qt::RightButton) befehl("rightMouseDown");
}

void Grafikansicht::mouseMoveEvent(QMouseEvent* ereignis) {
  if (ereignis->buttons() & Qt::RightButton) {
    befehl("rightMouseDragged", ansichtsPunkt(ereignis->position()));
  } else if (ereignis->buttons() & Qt::LeftButton) {
    befehl("mouseDragged", ansichtsPunkt(ereignis->position()));
  }
}

void Grafikansicht::mouseReleaseEvent(QMouseEvent* ereignis) {
  if (ereignis->button() == Qt::RightButton) befehl("rightMouseUp");
  if (ereignis->button() == Qt::LeftButton) befehl("mouseUp");
}

void Grafikansicht::keyPressEvent(QKeyEvent* ereignis) {
  // The keys do what the wheel does: + and - zoom, the arrows shift, Shift with up and
  // down stretches and shrinks vertically.
  const bool umschalt = ereignis->modifiers() & Qt::ShiftModifier;
  switch (ereignis->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      befehl("scrollWheel", {"0", "-1"});
      break;
    case Qt::Key_Minus:
      befehl("scrollWheel", {"0", "1"});
      break;
    case Qt::Key_Left:
      befehl("scrollWheel", {"0", "-1", "ctrl"});
      break;
    case Qt::Key_Right:
      befehl("scrollWheel", {"0", "1", "ctrl"});
      break;
    case Qt::Key_Up:
      befehl("scrollWheel", {"0", "1", umschalt ? "cmd" : "alt"});
      break;
    case Qt::Key_Down:
      befehl("scrollWheel", {"0", "-1", umschalt ? "cmd" : "alt"});
      break;
    default:
      QWidget::keyPressEvent(ereignis);
      return;
  }
  ereignis->accept();
}

}  // namespace quarvel
