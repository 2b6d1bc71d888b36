#include "model/spline.h"

namespace quarvel {

bool Spline::istKorrekt() const {
  if (zerlegung.size() < 2 || stuecke.size() + 1 != zerlegung.size()) return false;
  for (std::size_t i = 0; i + 1 < zerlegung.size(); ++i) {
    if (!(zerlegung[i] < zerlegung[i + 1])) return false;
  }
  return true;
}

}  // namespace quarvel
