// Messages of ordinary renamings are compared by the konstruktion_umbenennung script; here:
// the lists and pools behind them and the refusals the script does not reach.
#include "points/umbenennung.h"

#include <gtest/gtest.h>

namespace quarvel {
namespace {

// Lists with the function f, the point A and the spline s, pools in step.
Objektlisten beispiel() {
  Objektlisten l;
  l.speichereFunktion("f", teile(Polynom{1, 2}));
  l.speicherePunkt("A", teile(Punkt{1, 2, 0, 0}));
  l.speichereSpline("s", std::make_shared<Spline>());
  return l;
}

// The object keeps its identity under the new key and learns its new name; the old name
// goes back to its pool (for functions and splines compared end to end).
TEST(Umbenennung, ObjektBleibtDasselbe) {
  Objektlisten l = beispiel();
  const PolynomRef f = l.fuListe().at("f");
  const PunktRef a = l.pktListe().at("A");
  const SplineRef s = l.spListe().at("s");
  namenErsetzen(l, "f", "g");
  namenErsetzen(l, "A", "P7");
  namenErsetzen(l, "s", "t");
  EXPECT_EQ(l.fuListe().at("g"), f);
  EXPECT_EQ(l.pktListe().at("P7"), a);
  EXPECT_EQ(l.spListe().at("t"), s);
  EXPECT_EQ(f->name + a->name + s->name, "gP7t");
  EXPECT_TRUE(l.punktNamen().contains("A"));
}

// A refused renaming says why and changes nothing.
TEST(Umbenennung, AblehnungAendertNichts) {
  const struct {
    const char *alt, *neu, *meldung;
  } faelle[] = {
      // Renaming onto the own name would delete the object.
      {"f", "f", "f ist kein verfügbarer oder für ein Polynom hier zulässiger Name."},
      {"A", "A", "A ist kein verfügbarer oder für einen Punkt hier zulässiger Name."},
      {"f", "s", "s ist kein verfügbarer oder für ein Polynom hier zulässiger Name."},
      {"s", "S", "S ist kein verfügbarer oder für eine Funktion hier zulässiger Name."},
      // Blanks belong to the names as typed.
      {"f ", "g",
       "Der im Feld <name> eingetragene Name f  gehört weder zu einem Punkt noch zu einer "
       "Funktion. Daher konnte keine Ersetzung erfolgen"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(std::string(fall.alt) + " -> " + fall.neu);
    Objektlisten l = beispiel();
    const Objektlisten vorher = l;
    EXPECT_EQ(namenErsetzen(l, fall.alt, fall.neu), fall.meldung);
    EXPECT_EQ(l.fuListe(), vorher.fuListe());
    EXPECT_EQ(l.pktListe(), vorher.pktListe());
    EXPECT_EQ(l.spListe(), vorher.spListe());
    EXPECT_EQ(l.fuNamen(), vorher.fuNamen());
    EXPECT_EQ(l.punktNamen(), vorher.punktNamen());
    EXPECT_EQ(l.fuListe().at("f")->name + l.pktListe().at("A")->name + l.spListe().at("s")->name,
              "fAs");
  }
}

}  // namespace
}  // namespace quarvel
