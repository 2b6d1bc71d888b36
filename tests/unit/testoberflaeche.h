#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/befehle.h"
#include "app/oberflaeche.h"
#include "app/schale.h"
#include "app/zustand.h"

namespace quarvel::test {

// A front end for tests: answers questions from a queue (else with the first option) and
// records what was asked, how often it beeped and how often a redraw was requested.
class TestOberflaeche final : public Oberflaeche {
 public:
  struct Frage {
    std::string meldung, option;
  };

  std::string auswahl(const std::string& meldung, const std::string& option,
                      const std::string& /*option2*/, Unveraendert /*unveraendert*/) override {
    fragen.push_back({meldung, option});
    if (antworten.empty()) return option;
    std::string antwort = antworten.front();
    antworten.pop_front();
    return antwort;
  }
  void piep() override { ++pieptoene; }
  void neuZeichnen() override { ++neuZeichnenAnforderungen; }
  void beenden() override {}

  std::deque<std::string> antworten;
  std::vector<Frage> fragen;
  int pieptoene = 0;
  int neuZeichnenAnforderungen = 0;
};

// A fresh state after start-up, with its test front end.
struct TestSitzung {
  TestOberflaeche ui;
  Zustand z{ui, 1};
  TestSitzung() { starte(z); }
};

// Runs a command after filling the name field and the input field; an empty text leaves its
// field as it is.
inline void befehl(Zustand& z, const std::string& name, const std::string& feldName = {},
                   const std::string& eingabe = {}) {
  if (!feldName.empty()) z.felder.name = feldName;
  if (!eingabe.empty()) z.felder.eingabe = eingabe;
  ASSERT_TRUE(fuehreAus(z, name)) << name;
}

// Takes every pool name for a function by storing empty splines under them.
inline void belegeAlleFunktionsnamen(Zustand& z) {
  for (const std::string& name : startFunktionsnamen()) {
    z.listen.speichereSpline(name, std::make_shared<Spline>());
  }
}

}  // namespace quarvel::test
