#include "app/splinepflege.h"

#include "app/listenpflege.h"

namespace quarvel {

void splineEinlisten(Zustand& z, const std::string& name, const SplineRef& s) {
  s->name = name;
  z.listen.spListe[name] = s;
  z.listen.fuNamen.erase(name);
  neuF(z);
}

void splinelisteLeeren(Zustand& z) {
  for (const auto& [name, _] : z.listen.spListe) z.listen.fuNamen.insert(name);
  z.listen.spListe.clear();
  // The deleted splines' extents must leave the function frame too.
  neuF(z);
}

}  // namespace quarvel
