#include "model/punkt.h"

#include <cassert>
#include <cmath>

namespace quarvel {

Punkt::Punkt(std::span<const double> komponenten) {
  assert(komponenten.size() >= 4 && "a point takes four components");
  for (std::size_t i = 0; i < 4 && i < komponenten.size(); ++i) ko[i] = komponenten[i];
}

double Punkt::dist(const Punkt& p) const {
  const double d = std::hypot(x() - p.x(), y() - p.y());
  return std::abs(d) < 1e-9 ? 0.0 : d;
}

bool istPunkt(const Punktliste& punkte, const std::string& name) {
  return punkte.contains(name);
}

namespace {
std::string schalte(const Punktliste& punkte, const std::string& name, bool aktiv,
                    const std::string& erfolg) {
  const auto it = punkte.find(name);
  if (it == punkte.end()) return "Punkt " + name + " ist nicht bekannt.";
  it->second->aktiv = aktiv;
  return name + erfolg;
}
}  // namespace

std::string punktAktivieren(const Punktliste& punkte, const std::string& name) {
  return schalte(punkte, name, true, " ist aktiv\n");
}

std::string punktDeaktivieren(const Punktliste& punkte, const std::string& name) {
  return schalte(punkte, name, false, " ist deaktiviert\n");
}

std::vector<Punkt> demonstrationsPunkte() {
  struct Zeile {
    const char* name;
    double x, y, z, w;
    bool vy, vz, vw;
  };
  static constexpr Zeile zeilen[] = {
      {"P1", 2, 3, 0, 0, true, false, false},  {"P2", 3, 5, 0, 0, true, false, false},
      {"P3", 4, 7, 3, 0, true, true, false},   {"P4", 5, 11, 0, 5, true, false, true},
      {"P5", -2, 4, 0, 0, true, false, false}, {"P6", -3, 6, 0, 0, true, false, false},
  };
  std::vector<Punkt> punkte;
  for (const Zeile& z : zeilen) {
    Punkt p{z.x, z.y, z.z, z.w};
    p.name = z.name;
    p.valid = {z.vy, z.vz, z.vw};
    punkte.push_back(p);
  }
  return punkte;
}

}  // namespace quarvel
