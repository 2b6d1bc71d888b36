#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quarvel {

// What the command line asks for.
struct Aufruf {
  bool hilfe = false;
  bool version = false;
  std::optional<std::string> skript;    // --skript DATEI, "-" for the standard input
  std::optional<std::uint32_t> seed;    // --seed N
  std::optional<std::string> dokument;  // the one optional file argument, a document to open
  std::string fehler;                   // a German sentence when the line cannot be used
};

Aufruf liesAufruf(int argc, const char* const argv[]);

// The full German help (--help) and the line that follows a usage error.
extern const char* const gebrauchstext;
extern const char* const kurzerGebrauch;

// True when the window has somewhere to appear: a display, or a platform chosen explicitly
// that needs none (offscreen).
bool anzeigeVorhanden();
// The one line printed when it has not.
extern const char* const keineAnzeigeMeldung;

}  // namespace quarvel
