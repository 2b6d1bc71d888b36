#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarvel {

// A seed for the random points as typed on a command line: digits only, within
// 0 ... 4294967295 ("-1" or "1e3" are no seed).
std::optional<std::uint32_t> alsSeed(std::string_view text);

// The command line of quarvel-skript: quarvel-skript [--seed N] DATEI|-
// (the script may also follow --skript, as with the window program).
struct Skriptaufruf {
  std::optional<std::string> skript;
  std::optional<std::uint32_t> seed;
  bool hilfe = false;
  std::string fehler;  // a German sentence when the line cannot be used
};
Skriptaufruf liesSkriptaufruf(int argc, const char* const argv[]);

}  // namespace quarvel
