#include "model/punktbuchstaben.h"

#include <string_view>

namespace quarvel {

std::string kritPunktBuchstabe(std::size_t k) {
  // O is left out: it reads like the origin or a zero.
  constexpr std::string_view buchstaben = "ABCDEFGHIJKLMNPQRSTUVWXYZ";
  const std::size_t runde = k / buchstaben.size();
  std::string text(1, buchstaben[k % buchstaben.size()]);
  if (runde > 0) text += std::to_string(runde);
  return text;
}

}  // namespace quarvel
