#include "app/funktionswahl.h"

namespace quarvel {

Funktionswahl fuNameok(const Zustand& z) {
  const std::string& name = z.felder.name;
  return {name == "akt" || z.listen.fuExistiert(name), name};
}

PolynomRef gewaehltePolynom(const Zustand& z, const std::string& name) {
  if (name == "akt") return z.akt;
  const auto it = z.listen.fuListe.find(name);
  return it == z.listen.fuListe.end() ? nullptr : it->second;
}

}  // namespace quarvel
