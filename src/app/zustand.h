#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "app/oberflaeche.h"
#include "graph/grafikzustand.h"
#include "model/objektlisten.h"
#include "model/polynom.h"

namespace quarvel {

// The texts and ticks of the main window's fields.
struct Felder {
  std::string eingabe;  // the large input field: a term or a point entry
  std::string name;     // "Feld <Name>"
  std::string x;        // argument field x
  std::string y;        // argument field y
  std::string ausgabe;  // the output field
  std::string hinweis;  // the hint line
  bool kritPunkteMarkiert = false;
  bool punkteMarkiert = true;
};

// The whole state of one run. The front end owns exactly one; tests build a fresh one.
class Zustand {
 public:
  explicit Zustand(Oberflaeche& oberflaeche, std::uint32_t seed = std::random_device{}());

  Oberflaeche& ui;
  Objektlisten listen;
  // The current function; nearly every function command works on it.
  PolynomRef akt;
  // The polynomial the graph is fitted to in the named-function mode.
  PolynomRef grafTarget;
  Grafikzustand grafik;
  Felder felder;

  std::string protokoll;
  std::string geretteteAusgabe;
  bool protkollImFenster = false;
  int dezimalen = 2;
  // Results that are fractions with small denominators are shown as fractions.
  bool brueche = false;

  // Message slots the term reader and the point routines leave for the command to show.
  std::string testString;
  std::string fehlerMeldung;
  // Why the last command refused its words, when it can say more than that it did: the
  // window shows it as an alert, the script runner prints it.
  std::string befehlsfehler;

  // The text of the help window.
  std::string hilfe;

  std::mt19937 zufall;
};

inline constexpr const char* lf = "\n";

}  // namespace quarvel
