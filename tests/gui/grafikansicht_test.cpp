#include "gui/grafikansicht.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPicture>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <vector>

#include "app/grafikanzeige.h"
#include "graph/rahmen.h"
#include "gui/anzeigemaler.h"
#include "gui/hauptfenster.h"
#include "menuehilfen.h"

namespace quarvel {
namespace {

using namespace test;

// Paints the display list onto `geraet`, by default an image of the default view filled with
// magenta, so that what is left unpainted shows.
QImage leinwand() {
  QImage bild(650, 580, QImage::Format_ARGB32_Premultiplied);
  bild.fill(Qt::magenta);
  return bild;
}

template <typename Geraet = QImage>
Geraet male(const Anzeigeliste& liste, Geraet geraet = leinwand()) {
  QPainter maler(&geraet);
  Anzeigemaler().male(maler, liste);
  maler.end();
  return geraet;
}

// Pixel position of a world point on the start frame (image rows run downwards).
QPoint pixel(const Grafikzustand& g, double x, double y) {
  const Bildpunkt p = bildPunkt(g, x, y);
  return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(g.ansicht.hoehe - p.y))};
}

// True when some pixel within `radius` of `ort` satisfies `passt`.
template <typename Test>
bool inDerNaehe(const QImage& bild, QPoint ort, int radius, Test passt) {
  for (int dx = -radius; dx <= radius; ++dx) {
    for (int dy = -radius; dy <= radius; ++dy) {
      if (passt(bild.pixelColor(ort + QPoint(dx, dy)))) return true;
    }
  }
  return false;
}

bool schwarz(const QColor& c) {
  return c.red() < 60 && c.green() < 60 && c.blue() < 60;
}
bool rot(const QColor& c) {
  return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}
// The axes black and a function in its colour on white; a degree-14 function far outside
// the frame still paints a clean picture.
TEST(GrafikMalen, AchsenSchwarzFunktionInIhrerFarbe) {
  Hauptfenster f(1);
  Zustand& z = f.zustand();
  z.akt->color = Farbe::rot;
  QImage bild = male(grafikZeichnen(z));
  const Grafikzustand& g = z.grafik;
  EXPECT_EQ(bild.pixelColor(5, 5), QColor(Qt::white));
  EXPECT_TRUE(schwarz(bild.pixelColor(pixel(g, -3.3, 0)))) << "x-axis";
  EXPECT_TRUE(schwarz(bild.pixelColor(pixel(g, 0, 1.3)))) << "y-axis";
  // akt = 2x^2 - 2x - 2 passes (-0.5, -0.5) and (2, 2).
  EXPECT_TRUE(inDerNaehe(bild, pixel(g, -0.5, -0.5), 1, rot));
  EXPECT_TRUE(inDerNaehe(bild, pixel(g, 2, 2), 1, rot));
  EXPECT_FALSE(inDerNaehe(bild, pixel(g, -3, 3), 3, rot));

  Koeffizienten k{};
  k[14] = 1;
  z.akt = teile(Polynom(k));
  z.akt->color = Farbe::rot;
  setzeRahmen(z.grafik, -1000, 1000, -4, 4);
  bild = male(grafikZeichnen(z));
  EXPECT_EQ(bild.pixelColor(100, 100), QColor(Qt::white));
  EXPECT_TRUE(inDerNaehe(bild, QPoint(330, 150), 3, rot)) << "the steep walls near x = 0";
}

TEST(GrafikMalen, KurvenSehenAufDemBildschirmAusWieImVektorbild) {
  // On images curves are painted segment by segment, in vector pictures as one polyline:
  // both must look alike, with no specks at the seams or gaps at sharp bends.
  Anzeigeliste liste;
  liste.groesse = {650, 580};
  liste.elemente.emplace_back(Hintergrund{});
  Linienzug welle, zacken;
  for (int i = 0; i <= 400; ++i) welle.push_back({i * 1.6, 290 + 200 * std::sin(i / 9.0)});
  for (int i = 0; i <= 40; ++i) zacken.push_back({15.0 * i, i % 2 == 0 ? 100.0 : 140.0});
  liste.elemente.emplace_back(Pfad{{0.9, 0.1, 0.1}, kurvenBreite, {welle, zacken}, {}});
  const QPicture vektor = male(liste, QPicture());
  QImage wieVektor = leinwand();
  QPainter(&wieVektor).drawPicture(0, 0, vektor);
  const QImage direkt = male(liste);
  // Both are opaque and of the same format: the bytes are the colour channels.
  int groessterUnterschied = 0;
  for (qsizetype i = 0; i < direkt.sizeInBytes(); ++i)
    groessterUnterschied =
        std::max(groessterUnterschied, std::abs(direkt.constBits()[i] - wieVektor.constBits()[i]));
  EXPECT_LE(groessterUnterschied, 64);
}

// Wheel, touchpad and keys on the view, each on the start frame [-4, 4] x [-4, 4].
using Eingabe = std::function<void(QWidget&)>;

Eingabe taste(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
  return [k, m](QWidget& ansicht) {
    QKeyEvent druck(QEvent::KeyPress, k, m);
    QApplication::sendEvent(&ansicht, &druck);
  };
}

// A wheel turns in angle steps; a touchpad sends pixel deltas, one event each.
Eingabe rad(QPoint winkel, Qt::KeyboardModifiers m = Qt::NoModifier,
            std::vector<QPoint> pixel = {{}}, Qt::ScrollPhase phase = Qt::NoScrollPhase) {
  return [=](QWidget& ansicht) {
    for (const QPoint p : pixel) {
      QWheelEvent e(QPointF(300, 300), ansicht.mapToGlobal(QPointF(300, 300)), p, winkel,
                    Qt::NoButton, m, phase, false);
      QApplication::sendEvent(&ansicht, &e);
    }
  };
}

Grenzen gerundet(Grenzen r) {
  for (double* w : {&r.links, &r.rechts, &r.unten, &r.oben}) *w = std::round(*w * 1e9) / 1e9;
  return r;
}

TEST(Grafikansicht, RadTouchpadUndTastenWieInDerHilfe) {
  const struct {
    const char* was;
    Eingabe eingabe;
    Grenzen rahmen;
  } faelle[] = {
      {"Rad", rad({0, 120}), {-4.1, 4.1, -4.1, 4.1}},
      // Alt turns the wheel into a horizontal delta on Linux: it still shifts vertically.
      {"Alt und Rad", rad({120, 0}, Qt::AltModifier), {-4, 4, -3.92, 4.08}},
      {"Umschalt und Rad", rad({0, -120}, Qt::ShiftModifier), {-4, 4, -3.92, 3.92}},
      {"Touchpad", rad({}, {}, {{0, -3}, {0, -2}}, Qt::ScrollUpdate), {-3.8, 3.8, -3.8, 3.8}},
      {"Touchpad beginnt", rad({}, {}, {{}}, Qt::ScrollBegin), {-4, 4, -4, 4}},
      {"Touchpad endet", rad({}, {}, {{}}, Qt::ScrollEnd), {-4, 4, -4, 4}},
      {"+", taste(Qt::Key_Plus), {-3.9, 3.9, -3.9, 3.9}},
      {"=", taste(Qt::Key_Equal), {-3.9, 3.9, -3.9, 3.9}},
      {"-", taste(Qt::Key_Minus), {-4.1, 4.1, -4.1, 4.1}},
      {"rechts", taste(Qt::Key_Right), {-3.6, 4.4, -4, 4}},
      {"links", taste(Qt::Key_Left), {-4.4, 3.6, -4, 4}},
      {"hoch", taste(Qt::Key_Up), {-4, 4, -3.92, 4.08}},
      {"runter", taste(Qt::Key_Down), {-4, 4, -4.08, 3.92}},
      {"Umschalt hoch", taste(Qt::Key_Up, Qt::ShiftModifier), {-4, 4, -4.08, 4.08}},
      {"Umschalt runter", taste(Qt::Key_Down, Qt::ShiftModifier), {-4, 4, -3.92, 3.92}},
      {"a", taste(Qt::Key_A), {-4, 4, -4, 4}},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.was);
    Hauptfenster f(1);
    auto* ansicht = f.findChild<Grafikansicht*>();
    ASSERT_NE(ansicht, nullptr);
    f.zustand().grafik.neuG = false;
    fall.eingabe(*ansicht);
    EXPECT_EQ(gerundet(gezeigterRahmen(f.zustand().grafik)), fall.rahmen);
  }
}

// The view paints the graph, the legend of a new frame is shown beside it, and the view marks the
// keyboard focus with a frame along its border.
TEST(Grafikansicht, ZeigtGrafikLegendeUndFokus) {
  Hauptfenster f(1);
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  auto* ansicht = f.findChild<Grafikansicht*>();
  f.zustand().grafik.neuG = false;
  rad({0, 120})(*ansicht);
  bool legendeGezeigt = false;
  for (QLabel* l : f.findChildren<QLabel*>())
    legendeGezeigt |= l->text() == " -4.1 < x < 4.1,           -4.1 < y < 4.1 ";
  EXPECT_TRUE(legendeGezeigt);

  ansicht->clearFocus();
  const QImage ohne = ansicht->grab().toImage();
  EXPECT_TRUE(schwarz(ohne.pixelColor(pixel(f.zustand().grafik, -3, 0)))) << "the x-axis";
  ansicht->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(ansicht->hasFocus());
  const QImage mit = ansicht->grab().toImage();
  EXPECT_NE(ohne, mit);
  EXPECT_EQ(ohne.copy(ohne.rect().adjusted(4, 4, -4, -4)),
            mit.copy(mit.rect().adjusted(4, 4, -4, -4)));
}

// The window writes the graph itself, in the format its name asks for; a refused export is
// shown in a message box.
TEST(GrafikExport, SchreibtPdfPngSvgUndMeldetFehler) {
  QTemporaryDir ordner;
  ASSERT_TRUE(ordner.isValid());
  Hauptfenster f(1);  // not shown: the view keeps its default size
  for (const auto& [name, anfang] :
       {std::pair{"bild.png", "\x89PNG"}, {"bild.PDF", "%PDF"}, {"bild.svg", "<?xml"}}) {
    const QString datei = ordner.filePath(QString::fromLatin1(name));
    f.ausfuehren("printB", {datei.toStdString()});
    EXPECT_EQ(f.hinweisZeile()->text(), "Grafik gespeichert: " + datei);
    QFile geschrieben(datei);
    ASSERT_TRUE(geschrieben.open(QIODevice::ReadOnly)) << name;
    EXPECT_GT(geschrieben.size(), 1000) << name;
    EXPECT_TRUE(geschrieben.read(qstrlen(anfang)) == anfang) << name;
  }
  // At least 1300 pixels across: twice the default view.
  QImage png(ordner.filePath("bild.png"));
  ASSERT_EQ(png.size(), QSize(1300, 1160));
  EXPECT_TRUE(schwarz(png.pixelColor(pixel(f.zustand().grafik, -3, 0) * 2)));

  const QString falsch = ordner.filePath("bild.jpg");
  QString meldung;
  antworte("OK", &meldung);
  f.ausfuehren("printB", {falsch.toStdString()});
  EXPECT_TRUE(meldung.contains(falsch)) << meldung.toStdString();
  EXPECT_FALSE(QFile::exists(falsch));
}

TEST(GrafikExport, PngGroesseUndDruckplatz) {
  struct Fall {
    Ansichtsgroesse ansicht;
    double pixelVerhaeltnis;
    QSize erwartet;
  };
  for (const Fall& f :
       {Fall{{650, 580}, 2.5, {1625, 1450}}, Fall{{1600, 1000}, 1, {1600, 1000}},
        Fall{{1600, 1000}, 1.25, {2000, 1250}}, Fall{{8000, 8000}, 1, {6325, 6325}}}) {
    EXPECT_EQ(pngGroesse(f.ansicht, f.pixelVerhaeltnis), f.erwartet) << f.ansicht.breite;
  }
  // A portrait page: the picture spans the printable width at the top.
  const DruckPlatz hoch = druckPlatz({650, 580}, QSizeF(1300, 2000));
  EXPECT_DOUBLE_EQ(hoch.skala, 2);
  EXPECT_EQ(hoch.ursprung, QPointF(0, 0));
  // A landscape page too low for the full width: as large as the height allows, centred.
  const DruckPlatz quer = druckPlatz({650, 580}, QSizeF(2000, 1160));
  EXPECT_DOUBLE_EQ(quer.skala, 2);
  EXPECT_EQ(quer.ursprung, QPointF(350, 0));
}

}  // namespace
}  // namespace quarvel
