#include "model/farbe.h"

namespace quarvel {

std::string_view rohText(Farbe farbe) {
  switch (farbe) {
    case Farbe::rot:
      return "rot";
    case Farbe::gruen:
      return "grün";
    case Farbe::blau:
      return "blau";
    case Farbe::braun:
      return "braun";
    case Farbe::schwarz:
      return "schwarz";
    case Farbe::orange:
      return "orange";
  }
  return "schwarz";
}

Rgb farbwahl(Farbe farbe) {
  switch (farbe) {
    case Farbe::rot:
      return {1, 0, 0};
    case Farbe::gruen:
      return {0, 1, 0};
    case Farbe::blau:
      return {0, 0, 1};
    case Farbe::braun:
      return {140.0 / 255.0, 80.0 / 255.0, 20.0 / 255.0};
    case Farbe::schwarz:
      return {0, 0, 0};
    case Farbe::orange:
      return {1, 140.0 / 255.0, 0};
  }
  return {};
}

}  // namespace quarvel
