#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "app/befehle.h"
#include "app/ergebnisablage.h"
#include "app/listenpflege.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

// The texts of these commands, the start-up function's results and the messages for missing or
// used-up names are checked end to end (tests/e2e/skripte/berechnung_*). Here stands what a script
// cannot see: the stored objects, the name pool and a few field contents no script reaches.

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
void PrintTo(const ErgebnisFall& fall, std::ostream* os) {
  *os << fall.befehl;
}

class NeueFunktion : public Berechnung, public testing::WithParamInterface<ErgebnisFall> {};

TEST_P(NeueFunktion, WirdUnterDemGetrimmtenNamenGespeichertDerDenPoolVerlaesst) {
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
  EXPECT_FALSE(s.z.listen.fuNamen().contains("e"));  // or a later command would overwrite it
  EXPECT_EQ(p.name, "e");
  if (fall.ohneAusdehnung) {
    EXPECT_EQ(p.grenzen, Grenzen{});
    EXPECT_TRUE(p.kritPunkte.empty());
  }

  // A name of one's own needs no free pool name.
  test::belegeAlleFunktionsnamen(s.z);
  s.z.felder.name = "eigen";
  ausfuehren(fall.befehl);
  EXPECT_TRUE(s.ui.fragen.empty());
  EXPECT_NE(gespeichert("eigen"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Befehle, NeueFunktion,
    testing::Values(ErgebnisFall{"fErsatzfStrichB", false}, ErgebnisFall{"erzStf", true},
                    ErgebnisFall{"quotientenPolB", true}, ErgebnisFall{"divisionsRestPolB", true},
                    ErgebnisFall{"ggTB", false}, ErgebnisFall{"verschiebeB", false},
                    ErgebnisFall{"spiegeleHorB", false}, ErgebnisFall{"spiegeleVerB", false},
                    ErgebnisFall{"spiegeleAmPunktB", false}),
    [](const auto& zeile) { return std::string(zeile.param.befehl); });

TEST_F(Berechnung, SpiegelungenNieUnterAkt) {
  s.z.felder.name = "akt";
  s.z.felder.x = "1";
  s.z.felder.y = "1";
  const Koeffizienten vorher = s.z.akt->koeff;
  for (const char* befehl : {"spiegeleHorB", "spiegeleVerB", "spiegeleAmPunktB"})
    ausfuehren(befehl);
  EXPECT_EQ(s.z.akt->koeff, vorher);
  EXPECT_EQ(gespeichert("akt"), nullptr);
  EXPECT_EQ(s.ui.fragen.size(), 3u);  // three pool names announced
}

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

TEST_F(Berechnung, StammfunktionErfuelltDieAnfangsbedingung) {
  struct Fall {
    const char *x, *y;
    double xWert, yWert;
  };
  for (const Fall& fall : {Fall{"1,5", "-2", 1.5, -2.0}, Fall{"-3", "0,25", -3.0, 0.25}}) {
    s.z.listen.entferneFunktion("s");
    s.z.felder.name = "s";
    s.z.felder.x = fall.x;
    s.z.felder.y = fall.y;
    ausfuehren("erzStf");
    ASSERT_NE(gespeichert("s"), nullptr) << fall.x;
    EXPECT_NEAR((*gespeichert("s"))->wert(fall.xWert), fall.yWert, 1e-12) << fall.x;
  }
}

}  // namespace
}  // namespace quarvel
