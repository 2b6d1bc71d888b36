#pragma once

#include <cstddef>
#include <string>

namespace quarvel {

// The letter of the k-th critical point (counting from 0), the one lettering of the
// description, the graph and the entered points: A, B, …, Z without O. Past the
// 25th the letters start again with an index for each further round, as one writes A₁, B₁
// on the blackboard: A1, B1, …, Z1, A2, … (letters and digits only, so the result stays a
// valid start of a point name).
std::string kritPunktBuchstabe(std::size_t k);

}  // namespace quarvel
