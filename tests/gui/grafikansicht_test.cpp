#include "gui/grafikansicht.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
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

#include "app/grafikanzeige.h"
#include "app/hilfetexte.h"
#include "app/listenpflege.h"
#include "graph/rahmen.h"
#include "gui/anzeigemaler.h"
#include "gui/hauptfenster.h"

namespace quarvel {
namespace {

QImage male(const Anzeigeliste& liste) {
  QImage bild(650, 580, QImage::Format_ARGB32_Premultiplied);
  bild.fill(Qt::magenta);
  QPainter maler(&bild);
  Anzeigemaler().male(maler, liste);
  return bild;
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
bool weiss(const QColor& c) {
  return c == QColor(Qt::white);
}

TEST(GrafikMalen, AchsenSchwarzFunktionInIhrerFarbe) {
  Hauptfenster f(1);
  Zustand& z = f.zustand();
  z.akt->color = Farbe::rot;
  const QImage bild = male(grafikZeichnen(z));
  const Grafikzustand& g = z.grafik;
  EXPECT_TRUE(weiss(bild.pixelColor(5, 5))) << "the background is white";
  EXPECT_TRUE(schwarz(bild.pixelColor(pixel(g, -3.3, 0)))) << "x-axis";
  EXPECT_TRUE(schwarz(bild.pixelColor(pixel(g, 0, 1.3)))) << "y-axis";
  // akt = 2x^2 - 2x - 2 passes (-0.5, -0.5) and (2, 2).
  EXPECT_TRUE(inDerNaehe(bild, pixel(g, -0.5, -0.5), 1, rot));
  EXPECT_TRUE(inDerNaehe(bild, pixel(g, 2, 2), 1, rot));
  EXPECT_FALSE(inDerNaehe(bild, pixel(g, -3, 3), 3, rot));
}

TEST(GrafikMalen, RiesigeWerteWerdenGeclippt) {
  // A degree-14 function far outside the frame must still paint a clean picture.
  Hauptfenster f(1);
  Zustand& z = f.zustand();
  Koeffizienten k{};
  k[14] = 1;
  z.akt = teile(Polynom(k));
  z.akt->color = Farbe::rot;
  setzeRahmen(z.grafik, -1000, 1000, -4, 4);
  const QImage bild = male(grafikZeichnen(z));
  EXPECT_TRUE(weiss(bild.pixelColor(100, 100)));
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
  QPicture vektor;
  QPainter aufVektor(&vektor);
  Anzeigemaler().male(aufVektor, liste);
  aufVektor.end();
  QImage wieVektor(650, 580, QImage::Format_ARGB32_Premultiplied);
  QPainter nachgemalt(&wieVektor);
  nachgemalt.drawPicture(0, 0, vektor);
  nachgemalt.end();
  const QImage direkt = male(liste);
  int groessterUnterschied = 0;
  for (int y = 0; y < direkt.height(); ++y) {
    for (int x = 0; x < direkt.width(); ++x) {
      const QRgb a = direkt.pixel(x, y), b = wieVektor.pixel(x, y);
      groessterUnterschied =
          std::max({groessterUnterschied, std::abs(qRed(a) - qRed(b)),
                    std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
    }
  }
  EXPECT_LE(groessterUnterschied, 64);
}

TEST(Grafikansicht, RadEreignisZoomtUndZeigtLegende) {
  Hauptfenster f(1);
  f.show();
  auto* ansicht = f.findChild<Grafikansicht*>();
  ASSERT_NE(ansicht, nullptr);
  const Ansichtsgroesse groesse = f.zustand().grafik.ansicht;
  EXPECT_EQ(ansicht->size(),
            QSize(static_cast<int>(groesse.breite), static_cast<int>(groesse.hoehe)));
  f.zustand().grafik.neuG = false;
  setzeRahmen(f.zustand().grafik, -4, 4, -4, 4);
  QWheelEvent rad(QPointF(300, 300), ansicht->mapToGlobal(QPointF(300, 300)), QPoint(),
                  QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(ansicht, &rad);
  EXPECT_EQ(gezeigterRahmen(f.zustand().grafik), (Grenzen{-4.1, 4.1, -4.1, 4.1}));
  bool legendeGezeigt = false;
  for (QLabel* l : f.findChildren<QLabel*>())
    legendeGezeigt |= l->text() == " -4.1 < x < 4.1,           -4.1 < y < 4.1 ";
  EXPECT_TRUE(legendeGezeigt);

  // Alt turns the wheel into a horizontal delta on Linux: it still shifts vertically.
  QWheelEvent alt(QPointF(300, 300), ansicht->mapToGlobal(QPointF(300, 300)), QPoint(),
                  QPoint(120, 0), Qt::NoButton, Qt::AltModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(ansicht, &alt);
  EXPECT_DOUBLE_EQ(f.zustand().grafik.yunten, -4.1 + 8.2 / 100);

  const QImage bild = ansicht->grab().toImage();
  EXPECT_TRUE(schwarz(bild.pixelColor(pixel(f.zustand().grafik, -3, 0))))
      << "the view shows the axes";
}

// The help names these keys; each must do what it says.
TEST(Grafikansicht, TastenDerHilfeWirken) {
  const std::string& hilfe = anzeigeOptionen();
  for (const char* taste :
       {" Strg: Horizontale", " Alt: Vertikale", " Umschalt: Vertikale", " + und -: Zoomen",
        " Pfeil links und rechts: Horizontale", " Pfeil hoch und runter: Vertikale",
        " Umschalt mit Pfeil hoch und runter: Vertikale"}) {
    EXPECT_NE(hilfe.find(taste), std::string::npos) << taste;
  }
  EXPECT_EQ(hilfe.find("Apfeltaste"), std::string::npos);

  Hauptfenster f(1);
  auto* ansicht = f.findChild<Grafikansicht*>();
  ASSERT_NE(ansicht, nullptr);
  Grafikzustand& g = f.zustand().grafik;
  g.neuG = false;
  const auto taste = [ansicht](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QKeyEvent druck(QEvent::KeyPress, k, m);
    QApplication::sendEvent(ansicht, &druck);
  };
  taste(Qt::Key_Plus);
  EXPECT_EQ(gezeigterRahmen(g), (Grenzen{-3.9, 3.9, -3.9, 3.9}));
  taste(Qt::Key_Minus);
  EXPECT_EQ(gezeigterRahmen(g), (Grenzen{-4, 4, -4, 4}));
  taste(Qt::Key_Right);
  EXPECT_DOUBLE_EQ(g.xlinks, -3.6);
  taste(Qt::Key_Left);
  EXPECT_DOUBLE_EQ(g.xlinks, -4);
  taste(Qt::Key_Up);
  EXPECT_DOUBLE_EQ(g.yunten, -3.92);
  taste(Qt::Key_Down);
  EXPECT_DOUBLE_EQ(g.yunten, -4);
  taste(Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_DOUBLE_EQ(g.yoben - g.yunten, 8.16);
  // Shift and the wheel stretch as well.
  QWheelEvent rad(QPointF(300, 300), ansicht->mapToGlobal(QPointF(300, 300)), QPoint(),
                  QPoint(0, -120), Qt::NoButton, Qt::ShiftModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(ansicht, &rad);
  EXPECT_NEAR(g.yoben - g.yunten, 8.16 * 0.98, 1e-12);
}

TEST(Grafikansicht, ZeigtDenTastaturfokus) {
  Hauptfenster f(1);
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  auto* ansicht = f.findChild<Grafikansicht*>();
  ansicht->clearFocus();
  const QImage ohne = ansicht->grab().toImage();
  ansicht->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(ansicht->hasFocus());
  const QImage mit = ansicht->grab().toImage();
  EXPECT_NE(ohne, mit);
  // The frame runs along the border; the inside is drawn as before.
  EXPECT_EQ(ohne.copy(ohne.rect().adjusted(4, 4, -4, -4)),
            mit.copy(mit.rect().adjusted(4, 4, -4, -4)));
}

// A touchpad sends many small pixel deltas, and gesture begin/end events with none.
TEST(Grafikansicht, TouchpadWieRad) {
  Hauptfenster f(1);
  auto* ansicht = f.findChild<Grafikansicht*>();
  ASSERT_NE(ansicht, nullptr);
  Grafikzustand& g = f.zustand().grafik;
  g.neuG = false;
  const auto wisch = [ansicht](QPoint pixel, Qt::ScrollPhase phase) {
    QWheelEvent e(QPointF(300, 300), ansicht->mapToGlobal(QPointF(300, 300)), pixel, QPoint(),
                  Qt::NoButton, Qt::NoModifier, phase, false);
    QApplication::sendEvent(ansicht, &e);
  };
  wisch({}, Qt::ScrollBegin);
  EXPECT_EQ(gezeigterRahmen(g), (Grenzen{-4, 4, -4, 4})) << "no movement, no zoom";
  wisch({0, -3}, Qt::ScrollUpdate);
  wisch({0, -2}, Qt::ScrollUpdate);
  EXPECT_EQ(gezeigterRahmen(g), (Grenzen{-3.8, 3.8, -3.8, 3.8}));
  wisch({}, Qt::ScrollEnd);
  EXPECT_EQ(gezeigterRahmen(g), (Grenzen{-3.8, 3.8, -3.8, 3.8}));
}

TEST(Grafikansicht, PunktSetzenUeberDenKnopf) {
  Hauptfenster f(1);
  QPushButton* neu = nullptr;
  for (QPushButton* k : f.findChildren<QPushButton*>()) {
    if (k->text() == "neu") neu = k;
  }
  ASSERT_NE(neu, nullptr);
  neu->click();
  EXPECT_EQ(neu->text(), "Undo");
  EXPECT_EQ(f.zustand().listen.pktListe().size(), 1u);
  neu->click();
  EXPECT_EQ(neu->text(), "neu");
  EXPECT_TRUE(f.zustand().listen.pktListe().empty());
}

TEST(GrafikExport, SchreibtPdfPngSvgUndMeldetFehler) {
  QTemporaryDir ordner;
  ASSERT_TRUE(ordner.isValid());
  Hauptfenster f(1);
  const Anzeigeliste liste = grafikZeichnen(f.zustand());
  const struct {
    const char* name;
    Grafikformat format;
    QByteArray anfang;
  } faelle[] = {{"bild.png", Grafikformat::png, "\x89PNG"},
                {"bild.PDF", Grafikformat::pdf, "%PDF"},
                {"bild.svg", Grafikformat::svg, "<?xml"}};
  for (const auto& fall : faelle) {
    const QString datei = ordner.filePath(QString::fromLatin1(fall.name));
    EXPECT_EQ(grafikSchreiben(liste, datei, fall.format), QString()) << fall.name;
    QFile geschrieben(datei);
    ASSERT_TRUE(geschrieben.open(QIODevice::ReadOnly)) << fall.name;
    EXPECT_GT(geschrieben.size(), 1000) << fall.name;
    EXPECT_TRUE(geschrieben.read(fall.anfang.size()) == fall.anfang) << fall.name;
  }
  // A file that cannot be created says so and leaves nothing behind.
  EXPECT_FALSE(
      grafikSchreiben(liste, ordner.filePath("fehlt/bild.png"), Grafikformat::png).isEmpty());
  EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 3);
  // At least 1300 pixels across: twice the default view.
  QImage png(ordner.filePath("bild.png"));
  ASSERT_EQ(png.size(), QSize(1300, 1160));
  EXPECT_TRUE(schwarz(png.pixelColor(pixel(f.zustand().grafik, -3, 0) * 2)));
}

TEST(GrafikExport, PngGroesseUndDruckplatz) {
  struct Fall {
    Ansichtsgroesse ansicht;
    double pixelVerhaeltnis;
    QSize erwartet;
  };
  for (const Fall& f : {Fall{{650, 580}, 1, {1300, 1160}}, Fall{{650, 580}, 2.5, {1625, 1450}},
                        Fall{{1600, 1000}, 1, {1600, 1000}}, Fall{{1600, 1000}, 1.25, {2000, 1250}},
                        Fall{{8000, 8000}, 1, {6325, 6325}}}) {
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
