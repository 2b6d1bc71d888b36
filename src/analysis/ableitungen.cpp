#include "analysis/ableitungen.h"

#include <cstddef>

namespace quarvel {

Ableitungen ableitungenVon(const Polynom& p) {
  Ableitungen d;
  d[0] = p.nurKoeffizienten();
  for (std::size_t i = 1; i < d.size(); ++i) d[i] = d[i - 1].abl();
  return d;
}

}  // namespace quarvel
