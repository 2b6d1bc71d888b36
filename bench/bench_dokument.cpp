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
    z.listen.fuListe[name] = teile(p);
  }
  for (int i = 0; i < 10000; ++i) {
    Punkt p{zahl(zufall), zahl(zufall), zahl(zufall), zahl(zufall)};
    p.name = "P" + std::to_string(i);
    z.listen.pktListe[p.name] = teile(p);
  }
  for (int i = 0; i < 20; ++i) {
    Spline s;
    for (int k = 0; k <= 20; ++k) s.zerlegung.push_back(k);
    for (int k = 0; k < 20; ++k) s.stuecke.push_back(Polynom{zahl(zufall), zahl(zufall), zahl(zufall), zahl(zufall)});
    s.name = "s" + std::to_string(i);
    z.listen.spListe[s.name] = std::make_shared<Spline>(s);
  }
}

const std::string& datei() {
  static const std::string pfad =
      (std::filesystem::temp_directory_path() / "quarvel_bench.quarvel").string();
  return pfad;
}

void BM_DokumentSpeichern(benchmark::State& state) {
  bench::StilleOberflaeche ui;
  Zustand z(ui, 1);
  starte(z);
  grosseArbeit(z);
  for (auto _ : state) {
    if (!dokumentSpeichern(z, datei()).empty()) state.SkipWithError("nicht gespeichert");
  }
}
BENCHMARK(BM_DokumentSpeichern)->Unit(benchmark::kMillisecond);

void BM_DokumentOeffnen(benchmark::State& state) {
  bench::StilleOberflaeche ui;
  {
    Zustand z(ui, 1);
    starte(z);
    grosseArbeit(z);
    if (!dokumentSpeichern(z, datei()).empty()) state.SkipWithError("nicht gespeichert");
  }
  Zustand z(ui, 1);
  for (auto _ : state) {
    if (!dokumentOeffnen(z, datei()).empty()) state.SkipWithError("nicht geöffnet");
  }
}
BENCHMARK(BM_DokumentOeffnen)->Unit(benchmark::kMillisecond);

}  // namespace
namespace {
void BM_DokumentText(benchmark::State& state) {
  bench::StilleOberflaeche ui;
  Zustand z(ui, 1);
  starte(z);
  grosseArbeit(z);
  for (auto _ : state) benchmark::DoNotOptimize(dokumentText(z));
}
BENCHMARK(BM_DokumentText)->Unit(benchmark::kMillisecond);
void BM_DokumentLesen(benchmark::State& state) {
  bench::StilleOberflaeche ui;
  Zustand z(ui, 1);
  starte(z);
  grosseArbeit(z);
  const std::string text = dokumentText(z);
  for (auto _ : state) benchmark::DoNotOptimize(dokumentLesen(z, text));
}
BENCHMARK(BM_DokumentLesen)->Unit(benchmark::kMillisecond);
}
