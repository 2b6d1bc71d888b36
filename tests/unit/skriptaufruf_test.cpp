#include "app/skriptaufruf.h"

#include <gtest/gtest.h>

#include <vector>

namespace quarvel {
namespace {

// quarvel-skript's command line: a script (bare or after --skript), --seed within the 32-bit
// range and digits only, --help; anything else is a usage error with a German reason. The
// seeds -1 and 4294967296 are refused end to end by the window program (e2e.aufruf), which
// reads seeds the same way.
TEST(Skriptaufruf, SchalterSeedUndDatei) {
  struct Fall {
    std::vector<const char*> argumente;  // after the program name
    std::optional<std::string> skript;
    std::optional<std::uint32_t> seed;
    bool hilfe;
    bool fehler;
  };
  const Fall faelle[] = {
      {{"a.skript", "--seed", "7"}, "a.skript", 7u, false, false},
      {{"--skript", "-", "--seed", "4294967295"}, "-", 4294967295u, false, false},
      {{"-h"}, {}, {}, true, false},
      {{}, {}, {}, false, true},
      {{"--seed", "1e3", "a.skript"}, {}, {}, false, true},
      {{"a.skript", "--seed"}, "a.skript", {}, false, true},
      {{"a.skript", "b.skript"}, "a.skript", {}, false, true},
      {{"--seltsam", "a.skript"}, {}, {}, false, true},
  };
  for (const Fall& f : faelle) {
    std::vector<const char*> argv{"quarvel-skript"};
    argv.insert(argv.end(), f.argumente.begin(), f.argumente.end());
    const Skriptaufruf a = liesSkriptaufruf(static_cast<int>(argv.size()), argv.data());
    const std::string fall = argv.size() > 1 ? argv[1] : "(leer)";
    EXPECT_EQ(a.skript, f.skript) << fall;
    EXPECT_EQ(a.seed, f.seed) << fall;
    EXPECT_EQ(a.hilfe, f.hilfe) << fall;
    EXPECT_EQ(!a.fehler.empty(), f.fehler) << fall;
  }
}

}  // namespace
}  // namespace quarvel
