#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "app/grafikdatei.h"
#include "graph/anzeigeliste.h"

namespace quarvel {

// Runs a command script: one line at a time, field settings ("name=f"), queued answers
// ("antwort=Ja"), commands by handler name and "zeige" to print a field. Questions and
// beeps are printed as they happen. Returns the exit status: 1 when any line could not
// be understood or a file was refused, else 0 (also after a confirmed quit).
//
// `grafikexport` writes the graph to a file for "printB DATEI" (the core cannot paint) and
// returns why it failed, empty on success; without it that command fails.
//
// A line longer than `laengsteZeile` bytes is refused and skipped without being held in
// memory; a NUL byte means the input is no text at all and ends the run with status 1.
using Grafikexport = std::function<std::string(const Anzeigeliste& liste, const std::string& datei,
                                               Grafikformat format)>;
inline constexpr std::size_t laengsteZeile = 1 << 20;
int fuehreSkriptAus(std::istream& skript, std::ostream& aus, std::ostream& fehler,
                    std::optional<std::uint32_t> seed, Grafikexport grafikexport = {});

// Runs the script in the file `pfad` ("-" is the standard input). A folder or a file that
// cannot be read is reported on `fehler` with status 1.
int fuehreSkriptdateiAus(const std::string& pfad, std::istream& standardeingabe, std::ostream& aus,
                         std::ostream& fehler, std::optional<std::uint32_t> seed,
                         Grafikexport grafikexport = {});

}  // namespace quarvel
