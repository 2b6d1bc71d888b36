#include "points/nummerierung.h"

namespace quarvel {

std::string nummeriert(const Punktliste& punkte, const std::string& name) {
  for (long long i = 0;; ++i) {
    std::string kandidat = name + std::to_string(i);
    if (!punkte.contains(kandidat)) return kandidat;
  }
}

std::string FreieNummern::naechster() {
  while (punkte_.contains(buchstabe_ + std::to_string(k_))) ++k_;
  return buchstabe_ + std::to_string(k_++);
}

}  // namespace quarvel
