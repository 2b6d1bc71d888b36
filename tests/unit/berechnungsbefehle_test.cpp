#include <gtest/gtest.h>

#include <string>

#include "app/befehle.h"
#include "app/ergebnisablage.h"
#include "app/listenpflege.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

// The texts of these commands, the start-up function's results and the messages for missing or
// used-up names are checked end to end (tests/e2e/skripte/berechnung_*), among them that "akt"
// is no name for a mirrored or shifted function and that a name of one's own needs no free
// pool name (these commands ask the one helper for their name; the antiderivative takes no
// pool name at all). Here stands what a script cannot see: the
// stored objects and a few field contents no script reaches. That a stored name leaves its
// pool is the lists' own business (objektlisten_test).

using test::TestSitzung;

class Berechnung : public testing::Test {
 protected:
  void ausfuehren(const std::string& befehl) { ASSERT_TRUE(fuehreAus(s.z, befehl)) << befehl; }
  const PolynomRef* gespeichert(const std::string& name) const {
    const auto it = s.z.listen.fuListe().find(name);
    return it == s.z.listen.fuListe().end() ? nullptr : &it->second;
  }

  TestSitzung s;
};

struct ErgebnisFall {
  const char* befehl;
  bool ohneAusdehnung;  // stored without extents and critical points
};

class NeueFunktion : public Berechnung, public testing::WithParamInterface<ErgebnisFall> {};

TEST_P(NeueFunktion, WirdUnterDemGetrimmtenNamenGespeichert) {
  const ErgebnisFall& fall = GetParam();
  fuEinlisten(s.z, "f", teile(Polynom{-1, 0, 0, 1}));
  fuEinlisten(s.z, "g", teile(Polynom{-1, 1}));
  s.z.felder.x = "f";  // a name for the division commands, 0 for the others
  s.z.felder.y = "g";
  s.z.felder.name = " e ";
  ausfuehren(fall.befehl);
  EXPECT_TRUE(s.ui.fragen.empty());
  ASSERT_NE(gespeichert("e"), nullptr);
  const Polynom& p = **gespeichert("e");
  if (fall.ohneAusdehnung) {
    EXPECT_EQ(p.grenzen, Grenzen{});
    EXPECT_TRUE(p.kritPunkte.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Befehle, NeueFunktion,
    testing::Values(ErgebnisFall{"fErsatzfStrichB", false}, ErgebnisFall{"erzStf", true},
                    ErgebnisFall{"quotientenPolB", true}, ErgebnisFall{"divisionsRestPolB", true},
                    ErgebnisFall{"ggTB", false}, ErgebnisFall{"verschiebeB", false},
                    ErgebnisFall{"spiegeleHorB", false}, ErgebnisFall{"spiegeleVerB", false},
                    ErgebnisFall{"spiegeleAmPunktB", false}),
    [](const auto& zeile) { return std::string(zeile.param.befehl); });

TEST_F(Berechnung, AbweisungSpeichertUndSchreibtNichts) {
  fuEinlisten(s.z, "g", teile(Polynom{1}));
  struct Fall {
    const char* befehl;
    const char* name;
    const char* meldung;
  };
  for (const Fall& fall :
       {Fall{"inhaltEingFlaecheB", "q",
             "Im Feld <name> ist kein Name eines Polynoms aus der Funktionsliste eingetragen."},
        Fall{"erzStf", "X", "Bitte einen geeigneten Namen wählen!"}}) {
    SCOPED_TRACE(fall.befehl);
    s.ui.fragen.clear();
    s.z.felder.name = fall.name;
    s.z.felder.ausgabe = "vorher";
    ausfuehren(fall.befehl);
    ASSERT_EQ(s.ui.fragen.size(), 1u);
    EXPECT_EQ(s.ui.fragen[0].meldung, fall.meldung);
    EXPECT_EQ(s.z.felder.ausgabe, "vorher");
    EXPECT_EQ(s.z.listen.fuListe().size(), 1u);
  }
}

TEST_F(Berechnung, FeldYBekommtDenUngerundetenWert) {
  fuEinlisten(s.z, "f", teile(Polynom{0, 0, 1}));
  s.z.felder.name = "f";
  s.z.felder.x = "0,1";
  ausfuehren("wertBerechnen");
  EXPECT_EQ(s.z.felder.y, "0.010000000000000002");
}

// The start condition at the e2e scripts' x = 0 only fixes the constant term.
TEST_F(Berechnung, StammfunktionErfuelltDieAnfangsbedingung) {
  s.z.felder.name = "s";
  s.z.felder.x = "-3";
  s.z.felder.y = "0,25";
  ausfuehren("erzStf");
  ASSERT_NE(gespeichert("s"), nullptr);
  EXPECT_NEAR((*gespeichert("s"))->wert(-3.0), 0.25, 1e-12);
}

}  // namespace
}  // namespace quarvel
