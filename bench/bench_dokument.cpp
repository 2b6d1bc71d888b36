#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "app/dokument.h"
#include "app/schale.h"
#include "stille_oberflaeche.h"

namespace {

using namespace quarvel;

// A large lesson: 50 functions of degree 14, 10,000 points and 20 splines of 20 pieces.
void grosseArbeit(Zustand& z) {
  std::mt19937 zufall(7);
  std::uniform_real_distribution<double> zahl(-10, 10);
  for (int i = 0; i < 50; ++i) {
    Polynom p;
    for (double& k : p.koeff) k = zahl(zufall);
    p.kritPunkte = {{zahl(zufall), zahl(zufall)}, {zahl(zufall), zahl(zufall)}};
    p.grenzen = {-3, 3, -5, 5};
    const std::string name = "f" + std::to_string(i);
    p.name = name;
    z.listen.speichereFunktion(name, teile(p));
  }
  for (int i = 0; i < 10000; ++i) {
    Punkt p{zahl(zufall), zahl(zufall), zahl(zufall), zahl(zufall)};
    p.name = "P" + std::to_string(i);
    z.listen.speicherePunkt(p.name, teile(p));
  }
  for (int i = 0; i < 20; ++i) {
    Spline s;
    for (int k = 0; k <= 20; ++k) s.zerlegung.push_back(k);
    for (int k = 0; k < 20; ++k)
      s.stuecke.push_back(Polynom{zahl(zufall), zahl(zufall), zahl(zufall), zahl(zufall)});
    s.name = "s" + std::to_string(i);
    z.listen.speichereSpline(s.name, std::make_shared<Spline>(s));
  }
}

const std::string& datei() {
  static const std::string pfad =
      (std::filesystem::temp_directory_path() / "quarvel_bench.quarvel").string();
  return pfad;
}

struct GrosseLektion {
  bench::StilleOberflaeche ui;
  Zustand z{ui, 1};
  GrosseLektion() {
    starte(z);
    grosseArbeit(z);
  }
};

// Saving and opening as the user waits for them, writing to disk included.
void BM_DokumentSpeichern(benchmark::State& state) {
  GrosseLektion l;
  for (auto _ : state) {
    if (!dokumentSpeichern(l.z, datei()).empty()) state.SkipWithError("nicht gespeichert");
  }
}
BENCHMARK(BM_DokumentSpeichern)->Unit(benchmark::kMillisecond);

void BM_DokumentOeffnen(benchmark::State& state) {
  GrosseLektion l;
  if (!dokumentSpeichern(l.z, datei()).empty()) state.SkipWithError("nicht gespeichert");
  for (auto _ : state) {
    if (!dokumentOeffnen(l.z, datei()).empty()) state.SkipWithError("nicht geöffnet");
  }
}
BENCHMARK(BM_DokumentOeffnen)->Unit(benchmark::kMillisecond);

// The text alone, as the window takes it after every command to tell changes.
void BM_Arbeitsstand(benchmark::State& state) {
  GrosseLektion l;
  for (auto _ : state) benchmark::DoNotOptimize(arbeitsstand(l.z));
}
BENCHMARK(BM_Arbeitsstand)->Unit(benchmark::kMillisecond);

}  // namespace
