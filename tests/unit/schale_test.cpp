#include "app/schale.h"

#include <gtest/gtest.h>

#include <limits>

#include "app/befehle.h"
#include "app/json.h"
#include "app/listenpflege.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

// Start, new start, quitting, the output modes and the script runner's printing are
// checked end to end (schale_*, berechnung_werte, analyse_beschreibung); here stands the
// state a script cannot reach.

using test::TestSitzung;

// Showing the protocol saves the output; hiding it, or any new output, brings it back.
TEST(Protokoll, AnzeigenUndAusblendenStelltDieAusgabeWiederHer) {
  TestSitzung s;
  ausgabe(s.z, 0, "erste");
  ausgabe(s.z, -1, "sichtbar");
  protoZeigenOderAusblenden(s.z);
  EXPECT_EQ(s.z.felder.ausgabe, "erste\n");
  EXPECT_EQ(s.z.felder.hinweis, "\nIm Ausgabeld befindet sich jetzt das gesamte Protokoll.");
  protoZeigenOderAusblenden(s.z);
  EXPECT_EQ(s.z.felder.ausgabe, "sichtbar");
  EXPECT_EQ(s.z.felder.hinweis, "\n");
  EXPECT_FALSE(s.z.protkollImFenster);

  protoZeigenOderAusblenden(s.z);
  ausgabe(s.z, 1, "neu");
  EXPECT_EQ(s.z.felder.ausgabe, "sichtbarneu ");
  EXPECT_FALSE(s.z.protkollImFenster);
}

// A new start empties lists, protocol and fields, keeps the equation of the current function
// in a fresh object, and forgets the last point gesture: the point button then places a new
// point at the last mouse position instead of bringing the deleted A back at (1, 2).
TEST(Neustart, LeertAllesBehaeltDieGleichungUndVergisstDieGeste) {
  TestSitzung s;
  auto alt = s.z.akt;
  alt->color = Farbe::rot;
  alt->name = "akt";
  fuEinlisten(s.z, "f", teile(Polynom{1}));
  pktEinlisten(s.z, "A", teile(Punkt{1, 2, 0, 0}));
  ausgabe(s.z, 0, "etwas");
  s.z.felder = {"e", "n", "1", "2", "aus", "hin", true, false};
  s.z.grafik.geste.letzteAktion = Rueckgaengig::verschoben;
  s.z.grafik.geste.backPunkt = Punkt{1, 2, 0, 0};
  s.z.grafik.geste.backPunkt.name = "A";
  s.z.grafik.punktButton = "Undo";

  ASSERT_TRUE(fuehreAus(s.z, "neuB"));
  EXPECT_TRUE(s.z.listen.fuListe().empty());
  EXPECT_TRUE(s.z.listen.pktListe().empty());
  EXPECT_TRUE(s.z.protokoll.empty());
  EXPECT_EQ(s.z.listen.punktNamen(), startPunktnamen());
  EXPECT_EQ(s.z.felder.eingabe + s.z.felder.y + s.z.felder.ausgabe, "");
  EXPECT_NE(s.z.akt, alt);  // its coefficients are compared by schale_neustart_beenden
  EXPECT_EQ(s.z.akt->color, Farbe::schwarz);
  EXPECT_TRUE(s.z.akt->name.empty());
  EXPECT_EQ(s.z.grafik.punktButton, "neu");
  EXPECT_EQ(s.z.grafik.geste.letzteAktion, Rueckgaengig::nichts);
  fuehreAus(s.z, "punktSetzen");
  ASSERT_TRUE(s.z.listen.pktExistiert("A"));
  EXPECT_EQ(s.z.listen.pktListe().at("A")->x(), s.z.grafik.tempX);
}

TEST(Optionen, FelderLoeschen) {
  TestSitzung s;
  s.z.felder = {"e", "n", "1", "2", "aus", "hin", false, true};
  s.z.grafik.fensterTyp = FensterW::rechteckig;
  fuehreAus(s.z, "punktFLoeschen");
  EXPECT_TRUE(s.z.felder.x.empty() && s.z.felder.y.empty());
  EXPECT_EQ(s.z.grafik.fensterTyp, FensterW::grafbedingt);
  fuehreAus(s.z, "fuNameFLoeschen");
  fuehreAus(s.z, "koeffsLoeschenB");
  EXPECT_EQ(s.z.felder.name + s.z.felder.eingabe, "");
  EXPECT_EQ(s.z.felder.hinweis, "hin");
}

TEST(Namensfeld, NurBuchstabenUndZiffern) {
  TestSitzung s;
  s.z.felder.name = " g 1!";
  EXPECT_EQ(neuNamenLesen(s.z), "g1");
  s.z.felder.name = "f-";
  EXPECT_EQ(neuNamenLesen(s.z), "f0");
}

// Quotes, line ends, umlauts and numbers (exponents too) appear in the transcripts; the rest
// of the escapes, -0 and NaN do not.
TEST(Json, NurAnfuehrungszeichenBackslashUndSteuerzeichen) {
  EXPECT_EQ(jsonText("a\"b\\c\nd\te\rf\x01g ü"), "\"a\\\"b\\\\c\\nd\\te\\rf\\u0001g ü\"");
  EXPECT_EQ(jsonZahl(-0.0), "0");
  EXPECT_EQ(jsonZahl(std::numeric_limits<double>::quiet_NaN()), "null");
}

}  // namespace
}  // namespace quarvel
