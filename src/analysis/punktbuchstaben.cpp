#include "analysis/punktbuchstaben.h"

#include "model/objektlisten.h"

namespace quarvel {

std::string kritPunktBuchstabe(std::size_t k) {
  const auto& buchstaben = alphabet();
  const std::size_t runde = k / buchstaben.size();
  std::string text = buchstaben[k % buchstaben.size()];
  if (runde > 0) text += std::to_string(runde);
  return text;
}

}  // namespace quarvel
