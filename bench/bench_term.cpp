#include <benchmark/benchmark.h>

#include <string>

#include "term/klammerpotenzen.h"
#include "term/termleser.h"

namespace {

using namespace quarvel;

Funktionsliste gespeicherteFunktionen() {
  Funktionsliste liste;
  liste["f"] = teile(Polynom{0.0, 1.0});
  liste["g"] = teile(Polynom{-1.0, 0.0, 1.0});
  return liste;
}

// A long term a user might type: nested bracket powers, decimal commas, implicit
// multiplication and stored functions; 301 characters, degree 14, 29 placeholders at once.
const std::string langerTerm =
    "3x^2-2(x+1)^2+((x-1)^2+2x)^3-(0,5x^3-2x+1)^2*(x+1)^3+f*(g-1)^2-((2x+1)^2-(x-3)^2)^2"
    "+(((x+2)^2-1)^2+3)^2-(1,5x-0,5)^5+((x-1)(x+1))^3+((x^2-3x+2)(x^2+3x-2)-(x-1)^2)^2"
    "+7x^14-3x^13+2,25x^12-0,125x^11+4x^10-x^9+x^8-(-(x-2))^2+(((x+1)^2)^2)^2+0,75x^3"
    "-2,5x^5+1,25x^7-x^6+3,5x^4-12,5x+7,25-x2+4,5x^3-0,5x^2+6x";

void BM_LangerTerm(benchmark::State& state) {
  const Funktionsliste funktionen = gespeicherteFunktionen();
  const std::string term = "0+" + langerTerm;
  if (!term2Polynom(term, funktionen).ok) {
    state.SkipWithError("Der Beispielterm wird nicht gelesen.");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(term2Polynom(term, funktionen));
  state.counters["Zeichen"] = static_cast<double>(langerTerm.size());
}
BENCHMARK(BM_LangerTerm)->Unit(benchmark::kMicrosecond);

// The heaviest inputs the reader accepts or refuses: a sum as long as a term may be, brackets
// nested thousands deep, and a power of powers written out to hundreds of copies.
void BM_Grenzfall(benchmark::State& state, std::string term) {
  const Funktionsliste funktionen = gespeicherteFunktionen();
  for (auto _ : state) benchmark::DoNotOptimize(term2Polynom(term, funktionen));
}

std::string langeSumme() {
  std::string s = "0+1";
  while (s.size() + 2 <= groessteTermlaenge) s += "+1";
  return s;
}

std::string tiefeKlammern() {
  const std::size_t tiefe = groessteTermlaenge / 2 - 2;
  return "0+" + std::string(tiefe, '(') + "x" + std::string(tiefe, ')');
}

BENCHMARK_CAPTURE(BM_Grenzfall, LangeSumme, langeSumme())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Grenzfall, TiefeKlammern, tiefeKlammern())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Grenzfall, PotenzVonPotenzen, std::string("0+(((2)^9)^9)^9"))
    ->Unit(benchmark::kMicrosecond);

}  // namespace
