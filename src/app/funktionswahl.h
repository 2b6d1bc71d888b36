#pragma once

#include <optional>
#include <string>

#include "app/zustand.h"

namespace quarvel {

struct Funktionswahl {
  bool ok = false;
  std::string name;
};

// The name field, untrimmed: accepted when it is "akt" or the name of a stored function.
Funktionswahl fuNameok(const Zustand& z);

// The function a name stands for: the current one for "akt", else the stored one (or null).
PolynomRef gewaehltePolynom(const Zustand& z, const std::string& name);

struct GewaehlteFunktion {
  std::string name;
  PolynomRef p;
};

// The function named in the name field ("akt" for the current one); when there is none,
// the user is warned and the result is empty.
std::optional<GewaehlteFunktion> gewaehlteFunktion(Zustand& z);

}  // namespace quarvel
