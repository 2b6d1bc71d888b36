#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "app/befehle.h"
#include "app/schale.h"
#include "app/zustand.h"
#include "model/objektlisten.h"
#include "points/punkterzeugung.h"
#include "stille_oberflaeche.h"

namespace {

using namespace quarvel;

using bench::StilleOberflaeche;

// A window with 2000 x values on the grid, room for 1000 different ones.
const Grenzen fenster{-10, 10, -10, 10};

// The point list report of 1000 points, a third of them inactive.
void BM_Punktliste1000(benchmark::State& state) {
  Objektlisten listen;
  std::mt19937 zufall(1);
  int i = 0;
  for (Punkt& p : genZufallsPunkte({}, "1000", "P", fenster, zufall)) {
    p.aktiv = i++ % 3 != 0;
    const std::string name = p.name;
    listen.speicherePunkt(name, teile(std::move(p)));
  }
  for (auto _ : state) benchmark::DoNotOptimize(gesamtPunktliste(listen, 2));
}
BENCHMARK(BM_Punktliste1000)->Unit(benchmark::kMicrosecond);

// Drawing and naming 1000 random points.
void BM_Zufallspunkte1000(benchmark::State& state) {
  std::mt19937 zufall(1);
  const Punktliste leer;
  for (auto _ : state)
    benchmark::DoNotOptimize(genZufallsPunkte(leer, "1000", "R", fenster, zufall));
}
BENCHMARK(BM_Zufallspunkte1000)->Unit(benchmark::kMicrosecond);

// The whole command: test, drawing, storing 1000 points and the hint with their names.
void BM_Zufallspunktbefehl1000(benchmark::State& state) {
  bench::StilleOberflaeche ui;
  for (auto _ : state) {
    state.PauseTiming();
    Zustand z(ui, 1);
    starte(z);
    z.grafik.xlinks = fenster.links;
    z.grafik.xrechts = fenster.rechts;
    z.grafik.yunten = fenster.unten;
    z.grafik.yoben = fenster.oben;
    z.felder.x = "1000";
    z.felder.name = "R";
    state.ResumeTiming();
    fuehreAus(z, "genWZufallsPunkteB");
    benchmark::DoNotOptimize(z.listen.pktListe().size());
  }
}
BENCHMARK(BM_Zufallspunktbefehl1000)->Unit(benchmark::kMicrosecond);

}  // namespace
