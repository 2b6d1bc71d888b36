#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "app/skript.h"

namespace quarvel {

// The command line shared by the window program and the script runner:
//   --skript DATEI|-   run a script (also a bare DATEI where `dateiOhneSchalter` allows it)
//   --seed N           fixed seed for the random points
//   --help, -h         usage
struct Aufruf {
  std::optional<std::string> skript;
  std::optional<std::uint32_t> seed;
  bool hilfe = false;
  bool fehlerhaft = false;  // a seed that is no number, or a second script
};

enum class DateiOhneSchalter { nein, ja };
Aufruf liesAufruf(int argc, const char* const argv[], DateiOhneSchalter bloss);

// Runs the script named by `pfad` ("-" for the standard input) and returns the exit status;
// a file that cannot be opened is reported on `fehler` with status 1.
int skriptStarten(const std::string& pfad, std::optional<std::uint32_t> seed, std::istream& ein,
                  std::ostream& aus, std::ostream& fehler, Grafikexport grafikexport = {});

}  // namespace quarvel
