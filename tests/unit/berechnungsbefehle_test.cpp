#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "app/befehle.h"
#include "app/ergebnisablage.h"
#include "app/listenpflege.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

// The texts of these commands, the start-up function's results and the messages for missing or
// used-up names are checked end to end (berechnung_*, funktionen_namensvorrat), among them that
// "akt" is no name for a mirrored or shifted function and that a name of one's own needs no free
// pool name (these commands ask the one helper for their name; the antiderivative takes no
// pool name at all). Here stands what a script cannot see: the stored objects and a few field
// contents no script reaches. That a stored name leaves its pool is the lists' own business
// (objektlisten_test).

using test::befehl;
using test::TestSitzung;

// Every command that stores a new function takes the name field without its blanks.
TEST(Berechnung, NeueFunktionWirdUnterDemGetrimmtenNamenGespeichert) {
  const std::pair<const char*, bool> faelle[] = {
      // command, stored without extents and critical points
      {"fErsatzfStrichB", false},  {"erzStf", true},        {"quotientenPolB", true},
      {"divisionsRestPolB", true}, {"ggTB", false},         {"verschiebeB", false},
      {"spiegeleHorB", false},     {"spiegeleVerB", false}, {"spiegeleAmPunktB", false},
  };
  for (const auto& [befehlsname, ohneAusdehnung] : faelle) {
    SCOPED_TRACE(befehlsname);
    TestSitzung s;
    fuEinlisten(s.z, "f", teile(Polynom{-1, 0, 0, 1}));
    fuEinlisten(s.z, "g", teile(Polynom{-1, 1}));
    s.z.felder.x = "f";  // a name for the division commands, 0 for the others
    s.z.felder.y = "g";
    befehl(s.z, befehlsname, " e ");
    EXPECT_TRUE(s.ui.fragen.empty());
    ASSERT_TRUE(s.z.listen.fuExistiert("e"));
    const Polynom& p = *s.z.listen.fuListe().at("e");
    if (ohneAusdehnung) {
      EXPECT_EQ(p.grenzen, Grenzen{});
      EXPECT_TRUE(p.kritPunkte.empty());
    }
  }
}

TEST(Berechnung, AbweisungSpeichertUndSchreibtNichts) {
  TestSitzung s;
  fuEinlisten(s.z, "g", teile(Polynom{1}));
  const struct {
    const char *befehl, *name, *meldung;
  } faelle[] = {
      {"inhaltEingFlaecheB", "q",
       "Im Feld <name> ist kein Name eines Polynoms aus der Funktionsliste eingetragen."},
      {"erzStf", "X", "Bitte einen geeigneten Namen wählen!"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.befehl);
    s.ui.fragen.clear();
    s.z.felder.ausgabe = "vorher";
    befehl(s.z, fall.befehl, fall.name);
    ASSERT_EQ(s.ui.fragen.size(), 1u);
    EXPECT_EQ(s.ui.fragen[0].meldung, fall.meldung);
    EXPECT_EQ(s.z.felder.ausgabe, "vorher");
    EXPECT_EQ(s.z.listen.fuListe().size(), 1u);
  }
}

TEST(Berechnung, FeldYBekommtDenUngerundetenWert) {
  TestSitzung s;
  fuEinlisten(s.z, "f", teile(Polynom{0, 0, 1}));
  s.z.felder.x = "0,1";
  befehl(s.z, "wertBerechnen", "f");
  EXPECT_EQ(s.z.felder.y, "0.010000000000000002");
}

// The start condition at the e2e scripts' x = 0 only fixes the constant term.
TEST(Berechnung, StammfunktionErfuelltDieAnfangsbedingung) {
  TestSitzung s;
  s.z.felder.x = "-3";
  s.z.felder.y = "0,25";
  befehl(s.z, "erzStf", "s");
  ASSERT_TRUE(s.z.listen.fuExistiert("s"));
  EXPECT_NEAR(s.z.listen.fuListe().at("s")->wert(-3.0), 0.25, 1e-12);
}

}  // namespace
}  // namespace quarvel
