#include "app/zustand.h"

namespace quarvel {

Zustand::Zustand(Oberflaeche& oberflaeche, std::uint32_t seed)
    : ui(oberflaeche),
      akt(teile(Polynom{-2, -2, 2})),
      grafTarget(teile(Polynom{1})),
      zufall(seed) {}

}  // namespace quarvel
