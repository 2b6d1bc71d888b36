#include "app/aufruf.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace quarvel {
namespace {

TEST(Aufruf, SchalterUndBlosseDatei) {
  struct Fall {
    std::vector<const char*> argumente;  // after the program name
    DateiOhneSchalter bloss;
    std::optional<std::string> skript;
    std::optional<std::uint32_t> seed;
    bool hilfe, fehlerhaft;
  };
  using enum DateiOhneSchalter;
  const Fall faelle[] = {
      {{}, nein, {}, {}, false, false},
      {{"--skript", "a.skript", "--seed", "7"}, nein, "a.skript", 7u, false, false},
      {{"--seed", "x"}, nein, {}, {}, false, true},
      {{"--seed", "-1"}, nein, {}, {}, false, true},
      {{"-h"}, nein, {}, {}, true, false},
      {{"a.skript", "--seltsam"}, nein, {}, {}, false, false},  // the window ignores the rest
      {{"a.skript", "--seed", "1"}, ja, "a.skript", 1u, false, false},
      {{"-"}, ja, "-", {}, false, false},
      {{"a.skript", "b.skript"}, ja, "b.skript", {}, false, true},
      {{"--seltsam"}, ja, {}, {}, false, true},
  };
  for (const Fall& f : faelle) {
    std::vector<const char*> argv{"quarvel"};
    argv.insert(argv.end(), f.argumente.begin(), f.argumente.end());
    const Aufruf a = liesAufruf(static_cast<int>(argv.size()), argv.data(), f.bloss);
    const std::string fall = argv.size() > 1 ? argv[1] : "(leer)";
    EXPECT_EQ(a.skript, f.skript) << fall;
    EXPECT_EQ(a.seed, f.seed) << fall;
    EXPECT_EQ(a.hilfe, f.hilfe) << fall;
    EXPECT_EQ(a.fehlerhaft, f.fehlerhaft) << fall;
  }
}

TEST(Aufruf, FehlendeDateiIstEinFehler) {
  std::istringstream ein;
  std::ostringstream aus, fehler;
  EXPECT_EQ(skriptStarten("/gibt/es/nicht.skript", 1u, ein, aus, fehler), 1);
  EXPECT_EQ(fehler.str(), "fehler: Skript /gibt/es/nicht.skript lässt sich nicht öffnen\n");
  EXPECT_TRUE(aus.str().empty());
}

}  // namespace
}  // namespace quarvel
