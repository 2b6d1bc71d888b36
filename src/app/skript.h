#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "graph/anzeigeliste.h"

namespace quarvel {

// Runs a command script: one line at a time, field settings ("name=f"), queued answers
// ("antwort=Ja"), commands by handler name and "zeige" to print a field. Questions and
// beeps are printed as they happen. Returns the exit status: 1 when any line could not
// be understood or a file was refused, else 0 (also after a confirmed quit).
//
// `grafikexport` writes the graph to a file for "printB DATEI" (the core cannot paint);
// without it that command fails.
using Grafikexport = std::function<bool(const Anzeigeliste& liste, const std::string& datei)>;
int fuehreSkriptAus(std::istream& skript, std::ostream& aus, std::ostream& fehler,
                    std::optional<std::uint32_t> seed, Grafikexport grafikexport = {});

}  // namespace quarvel
