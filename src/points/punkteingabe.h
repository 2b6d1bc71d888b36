#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/punkt.h"

namespace quarvel {

// A point typed into the input field: «A(1,3)» for a point of the plane, «C(3,4,5,6)» for
// a point with all of x, y, z = p'(x) and w = p''(x). In the four-part form y, z and w may
// each be left out (an empty piece or "-"), as in «B(2,,3,)»; x and one of them are needed.
struct Punkteingabe {
  // Empty when name and punkt are valid; otherwise what is wrong with the entry.
  std::string meldung;
  std::string name;
  Punkt punkt;
};

// Reads one entry. The last "(" decides where the components start; whatever follows the
// first ")" after it is ignored. The name is not upper-cased here.
Punkteingabe punktEingabeCheck(std::string_view s);

// A collective name is a capital letter followed by "*", as in «A*».
struct Sammelname {
  bool istKollektiv = false;
  // The stored points whose names begin with that letter.
  std::vector<std::string> namen;
};
Sammelname istPunktKollektiv(const Punktliste& punkte, std::string_view krzl);

// Replaces each collective name by the names it stands for and sorts the whole list in
// plain text order («A10» before «A2»). Other names, stored or not, are kept as they are.
std::vector<std::string> namenEingabeEntfalten(const Punktliste& punkte,
                                               const std::vector<std::string>& rein);

}  // namespace quarvel
