#pragma once

#include <string>

#include "app/zustand.h"

namespace quarvel {

// The curve description of the current function under its equation, as shown in the
// output field and in the help window.
std::string verlaufsBeschreibung(const Zustand& z);

}  // namespace quarvel
