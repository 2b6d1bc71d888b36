#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <memory>
#include <random>
#include <string>

#include "graph/anzeigeliste.h"
#include "graph/rahmen.h"
#include "gui/anzeigemaler.h"

namespace {

// A busy picture: 24 visible functions of degree 14 and 200 labelled points.
struct VolleGrafik {
  VolleGrafik() {
    std::mt19937 zufall(7);
    std::uniform_real_distribution<double> koeffizient(-1, 1), ort(-4, 4);
    for (int i = 0; i < 24; ++i) {
      quarvel::Koeffizienten k{};
      for (int e = 0; e <= quarvel::pgrad; ++e) k[e] = koeffizient(zufall) / (1 << e);
      auto f = quarvel::teile(quarvel::Polynom(k));
      f->color = quarvel::alleFarben[i % quarvel::alleFarben.size()];
      listen.speichereFunktion(std::string(1, static_cast<char>('a' + i)), f);
    }
    for (int i = 0; i < 200; ++i) {
      listen.speicherePunkt("P" + std::to_string(i),
                            quarvel::teile(quarvel::Punkt{ort(zufall), ort(zufall), 0, 0}));
    }
    g.grafikDim = quarvel::GrafikDimension::allfunktional;
  }

  quarvel::Objektlisten listen;
  quarvel::Grafikzustand g;
  quarvel::Polynom akt{-2, -2, 2};
};

// Fonts need an application object; one left by another benchmark is used as it is.
std::unique_ptr<QGuiApplication> anwendungFallsNoetig() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  static int argc = 1;
  static char name[] = "quarvel_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

// Building the display list alone.
void BM_GrafikBauen(benchmark::State& state) {
  VolleGrafik grafik;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        quarvel::zeichne(grafik.g, {grafik.listen, grafik.akt, grafik.akt, 2}));
  }
}
BENCHMARK(BM_GrafikBauen)->Unit(benchmark::kMillisecond);

// Painting a ready display list alone.
void BM_GrafikMalen(benchmark::State& state) {
  const auto anwendung = anwendungFallsNoetig();
  VolleGrafik grafik;
  const quarvel::Anzeigeliste liste =
      quarvel::zeichne(grafik.g, {grafik.listen, grafik.akt, grafik.akt, 2});
  const quarvel::Anzeigemaler maler;
  // Opaque like the view's backing store.
  QImage bild(650, 580, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&bild);
    maler.male(p, liste);
    p.end();
    benchmark::DoNotOptimize(bild.constBits());
  }
}
BENCHMARK(BM_GrafikMalen)->Unit(benchmark::kMillisecond);

// Building the display list and painting it into an image of the view's size: one frame
// of zooming or panning, at the default size and on a large screen.
void BM_GrafikBauenUndMalen(benchmark::State& state) {
  const auto anwendung = anwendungFallsNoetig();
  VolleGrafik grafik;
  const int breite = static_cast<int>(state.range(0)), hoehe = static_cast<int>(state.range(1));
  quarvel::setzeAnsichtsgroesse(grafik.g, breite, hoehe);
  const quarvel::Anzeigemaler maler;
  QImage bild(breite, hoehe, QImage::Format_RGB32);
  for (auto _ : state) {
    const quarvel::Anzeigeliste liste =
        quarvel::zeichne(grafik.g, {grafik.listen, grafik.akt, grafik.akt, 2});
    QPainter p(&bild);
    maler.male(p, liste);
    p.end();
    benchmark::DoNotOptimize(bild.constBits());
  }
}
BENCHMARK(BM_GrafikBauenUndMalen)
    ->Args({650, 580})
    ->Args({1600, 1000})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
