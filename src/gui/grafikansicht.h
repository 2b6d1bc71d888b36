#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "graph/anzeigeliste.h"
#include "gui/anzeigemaler.h"

namespace quarvel {

class Hauptfenster;

// The graph view. It paints the display list the core built and turns wheel, mouse and key
// events into the view's commands. Its only own change to the state is its size: the
// core maps the frame onto whatever room the window gives the view.
class Grafikansicht : public QWidget {
  Q_OBJECT

 public:
  explicit Grafikansicht(Hauptfenster& fenster, QWidget* eltern = nullptr);

  QSize sizeHint() const override;
  // Draws the state anew and schedules a repaint.
  void neuZeichnen();
  const Anzeigeliste& anzeigeliste() const { return liste_; }

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;
  void wheelEvent(QWheelEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;
  void mouseReleaseEvent(QMouseEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;

 private:
  // Runs a view command; positions go as view coordinates (origin lower left).
  void befehl(const std::string& name, std::vector<std::string> argumente = {});
  std::vector<std::string> ansichtsPunkt(QPointF ort) const;

  Hauptfenster& fenster_;
  Anzeigemaler maler_;
  Anzeigeliste liste_;
};

}  // namespace quarvel
