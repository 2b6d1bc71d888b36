#pragma once

#include <string>
#include <vector>

#include "model/polynom.h"
#include "model/punkt.h"
#include "model/schultext.h"

namespace quarvel {

// The written solution of a Steckbrief exercise for the conditions of `pfeld`, which the
// construction accepted with the result `p`: the general polynomial of the degree found,
// one equation per condition, the linear system as an aligned matrix, the solution and the
// polynomial, named `name`. The unknowns are a, b, c, … from the highest power down, and
// a₀ … a₁₃ by their powers once there are more than five.
std::string steckbriefRechenweg(const std::vector<Punkt>& pfeld, const Polynom& p,
                                const std::string& name, Zahlformat format);

}  // namespace quarvel
