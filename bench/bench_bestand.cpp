#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>

#include "app/befehle.h"
#include "app/schale.h"
#include "app/zustand.h"
#include "stille_oberflaeche.h"

namespace {

using namespace quarvel;

double spitzeMB() {
  rusage nutzung{};
  getrusage(RUSAGE_SELF, &nutzung);
  return static_cast<double>(nutzung.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// The slowest single command of each phase, in seconds.
struct Stoppuhr {
  double langsamster = 0;
  void operator()(Zustand& z, const std::string& befehl) {
    const auto start = std::chrono::steady_clock::now();
    fuehreAus(z, befehl);
    const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - start;
    langsamster = std::max(langsamster, dauer.count());
  }
};

// A large lesson: 10,000 points typed one by one, 100 splines through the first 100 of
// them, every point and spline deleted, the protocol shown. Every command must stay well
// under a second and the whole run under 200 MB.
void BM_GrosserBestand(benchmark::State& state) {
  Stoppuhr eingabe, splines, loeschen, protokoll;
  double gespeichert = 0;
  for (auto _ : state) {
    bench::StilleOberflaeche ui;
    Zustand z(ui, 1);
    starte(z);
    const auto punkt = [&](int i) {
      z.felder.eingabe = "P" + std::to_string(i) + "(" + std::to_string(i * 0.01) + "," +
                         std::to_string(std::sin(i * 0.1)) + ")";
      eingabe(z, "pktEingabe2B");
    };
    for (int i = 0; i < 100; ++i) punkt(i);
    for (int s = 0; s < 100; ++s) {
      z.felder.name = "s" + std::to_string(s);
      splines(z, "pktliste2SplineB");
    }
    for (int i = 100; i < 10000; ++i) punkt(i);
    gespeichert = static_cast<double>(z.listen.pktListe().size() + z.listen.spListe().size());
    loeschen(z, "aktiviertePunkteLoeschB");
    loeschen(z, "splineListeLoeschB");
    protokoll(z, "zeigProtokollB");
    benchmark::DoNotOptimize(z.felder.ausgabe.size());
  }
  state.counters["eingabe_max_s"] = eingabe.langsamster;
  state.counters["spline_max_s"] = splines.langsamster;
  state.counters["loeschen_max_s"] = loeschen.langsamster;
  state.counters["protokoll_s"] = protokoll.langsamster;
  state.counters["spitze_MB"] = spitzeMB();
  state.counters["objekte"] = gespeichert;
}
BENCHMARK(BM_GrosserBestand)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
