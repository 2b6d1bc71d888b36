#include <gtest/gtest.h>

#include "points/umbenennung.h"

namespace quarvel {
namespace {

// Lists with the function f, the point A and the spline s, pools in step.
Objektlisten beispiel() {
  Objektlisten l;
  l.fuListe["f"] = teile(Polynom{1, 2});
  l.fuListe["f"]->name = "f";
  l.fuNamen.erase("f");
  l.pktListe["A"] = teile(Punkt{1, 2, 0, 0});
  l.pktListe["A"]->name = "A";
  l.punktNamen.erase("A");
  auto s = std::make_shared<Spline>(std::vector<Polynom>{Polynom{0, 1}}, std::vector<double>{0, 1});
  s->name = "s";
  l.spListe["s"] = s;
  l.fuNamen.erase("s");
  return l;
}

TEST(Umbenennung, FunktionBehaeltIhrObjekt) {
  Objektlisten l = beispiel();
  const PolynomRef f = l.fuListe.at("f");
  EXPECT_EQ(namenErsetzen(l, "f", "g"), "Der Name f wurde durch g ersetzt.");
  EXPECT_FALSE(l.fuExistiert("f"));
  EXPECT_EQ(l.fuListe.at("g"), f);
  EXPECT_EQ(f->name, "g");
  EXPECT_TRUE(l.fuNamen.contains("f"));
  EXPECT_FALSE(l.fuNamen.contains("g"));
}

TEST(Umbenennung, PunktUndSpline) {
  Objektlisten l = beispiel();
  EXPECT_EQ(namenErsetzen(l, "A", "P7"), "Der Name A wurde durch P7 ersetzt.");
  EXPECT_EQ(l.pktListe.at("P7")->name, "P7");
  EXPECT_TRUE(l.punktNamen.contains("A"));
  EXPECT_EQ(namenErsetzen(l, "s", "t"), "Der Name s wurde durch t ersetzt.");
  EXPECT_EQ(l.spListe.at("t")->name, "t");
  EXPECT_TRUE(l.fuNamen.contains("s"));
  EXPECT_FALSE(l.fuNamen.contains("t"));
}

struct Ablehnung {
  const char* name;
  const char* alt;
  const char* neu;
  const char* meldung;
};

class UmbenennungAbgelehnt : public ::testing::TestWithParam<Ablehnung> {};

TEST_P(UmbenennungAbgelehnt, AendertNichts) {
  Objektlisten l = beispiel();
  const auto fu = l.fuListe;
  const auto pkt = l.pktListe;
  const auto sp = l.spListe;
  const auto fuNamen = l.fuNamen;
  const auto punktNamen = l.punktNamen;
  EXPECT_EQ(namenErsetzen(l, GetParam().alt, GetParam().neu), GetParam().meldung);
  EXPECT_EQ(l.fuListe, fu);
  EXPECT_EQ(l.pktListe, pkt);
  EXPECT_EQ(l.spListe, sp);
  EXPECT_EQ(l.fuNamen, fuNamen);
  EXPECT_EQ(l.punktNamen, punktNamen);
  EXPECT_EQ(l.fuListe.at("f")->name, "f");
  EXPECT_EQ(l.spListe.at("s")->name, "s");
}

INSTANTIATE_TEST_SUITE_P(
    Umbenennung, UmbenennungAbgelehnt,
    ::testing::Values(
        Ablehnung{"FunktionAufSichSelbst", "f", "f",
                  "f ist kein verfügbarer oder für ein Polynom hier zulässiger Name."},
        Ablehnung{"FunktionAufSplinename", "f", "s",
                  "s ist kein verfügbarer oder für ein Polynom hier zulässiger Name."},
        Ablehnung{"FunktionMitX", "f", "fx",
                  "fx ist kein verfügbarer oder für ein Polynom hier zulässiger Name."},
        Ablehnung{"FunktionReserviert", "f", "nP",
                  "nP ist kein verfügbarer oder für ein Polynom hier zulässiger Name."},
        Ablehnung{"PunktKleingeschrieben", "A", "b",
                  "b ist kein verfügbarer oder für einen Punkt hier zulässiger Name."},
        Ablehnung{"PunktAufSichSelbst", "A", "A",
                  "A ist kein verfügbarer oder für einen Punkt hier zulässiger Name."},
        // Renaming a spline onto its own name would delete it.
        Ablehnung{"SplineAufSichSelbst", "s", "s",
                  "s ist kein verfügbarer oder für eine Funktion hier zulässiger Name."},
        Ablehnung{"SplineAufFunktionsname", "s", "f",
                  "f ist kein verfügbarer oder für eine Funktion hier zulässiger Name."},
        Ablehnung{"SplineGrossgeschrieben", "s", "S",
                  "S ist kein verfügbarer oder für eine Funktion hier zulässiger Name."},
        Ablehnung{"Unbekannt", "q", "r",
                  "Der im Feld <name> eingetragene Name q gehört weder zu einem Punkt noch zu "
                  "einer Funktion. Daher konnte keine Ersetzung erfolgen"},
        Ablehnung{"LeeresNamensfeld", "", "r",
                  "Der im Feld <name> eingetragene Name  gehört weder zu einem Punkt noch zu "
                  "einer Funktion. Daher konnte keine Ersetzung erfolgen"},
        // Blanks belong to the names as typed.
        Ablehnung{"BlankImAltenNamen", "f ", "g",
                  "Der im Feld <name> eingetragene Name f  gehört weder zu einem Punkt noch zu "
                  "einer Funktion. Daher konnte keine Ersetzung erfolgen"}),
    [](const auto& fall) { return std::string(fall.param.name); });


}  // namespace
}  // namespace quarvel
