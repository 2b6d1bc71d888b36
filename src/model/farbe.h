#pragma once

#include <array>
#include <string_view>

namespace quarvel {

// Drawing colours of functions and splines, in the order the user knows them.
enum class Farbe { rot, gruen, blau, braun, schwarz, orange };

struct Rgb {
  double rot = 0;
  double gruen = 0;
  double blau = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr std::array<Farbe, 6> alleFarben = {Farbe::rot,   Farbe::gruen,   Farbe::blau,
                                                    Farbe::braun, Farbe::schwarz, Farbe::orange};

// The German name shown in the function list report.
std::string_view rohText(Farbe farbe);

// The colour components (0 … 1) used for drawing.
Rgb farbwahl(Farbe farbe);

}  // namespace quarvel
