#include "analysis/kritischestellen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/befehle.h"
#include "app/listenpflege.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

const Polynom startfunktion{-2, -2, 2};  // 2x² - 2x - 2
const double goldenerSchnitt = (1 + std::sqrt(5.0)) / 2;

// (x - 1)(x - 2)…(x - 14): 14 roots, 13 stationary points and 12 inflection positions.
Polynom vierzehnNullstellen() {
  Polynom p{1};
  for (int k = 1; k <= 14; ++k) p = p * Polynom{-static_cast<double>(k), 1.0};
  return p;
}

TEST(KritStellen, NullstellenVonPUndBeidenAbleitungenOhneDoppelte) {
  EXPECT_EQ(erzeugeKritStellenListe(Polynom{0, 0, 0, 1}, 2), std::vector<double>{0.0});
  const auto s = erzeugeKritStellenListe(startfunktion, 2);
  ASSERT_EQ(s.size(), 3u);
  EXPECT_NEAR(s[0], 1 - goldenerSchnitt, 1e-15);
  EXPECT_EQ(s[1], 0.5);
  EXPECT_NEAR(s[2], goldenerSchnitt, 1e-15);
  EXPECT_TRUE(erzeugeKritStellenListe(Polynom{5}, 2).empty());
  EXPECT_EQ(erzeugeKritStellenListe(vierzehnNullstellen(), 2).size(), 39u);
}

struct GrenzenFall {
  std::string name;
  Polynom p;
  Grenzen erwartet;
};

class PolyDatenX : public testing::TestWithParam<GrenzenFall> {};

TEST_P(PolyDatenX, GibtDieAusdehnungBitgenau) {
  EXPECT_EQ(polyDatenX(GetParam().p, 2), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, PolyDatenX,
    testing::Values(
        // The x-range between the roots widened by 1/256 of its width at each end; the
        // top is the value at the widened ends.
        GrenzenFall{"Startfunktion",
                    startfunktion,
                    {-0.6267686292870035, 1.6267686292870034, -2.5, 0.039215087890625444}},
        // All critical positions are 0, so the x-range is first widened to [-1, 1].
        GrenzenFall{"Kubik",
                    Polynom{0, 0, 0, 1},
                    {-1.0078125, 1.0078125, -1.0236210823059082, 1.0236210823059082}},
        GrenzenFall{"Konstante", Polynom{5}, {-1.0078125, 1.0078125, 0.0, 5.0}},
        GrenzenFall{"Nullpolynom", Polynom{0}, {-1.0078125, 1.0078125, -0.2, 0.2}}),
    [](const auto& zeile) { return zeile.param.name; });

TEST(ExtremaImIntervall, EndenUndInnereStationaerePunkte) {
  const Polynom quadrat{0, 0, 1};
  EXPECT_EQ(extremaImIntervall(quadrat, -1, 2, 2), (Wertebereich{0.0, 4.0}));
  EXPECT_EQ(extremaImIntervall(quadrat, 1, 2, 2), (Wertebereich{1.0, 4.0}))
      << "the stationary point 0 lies outside";
  EXPECT_EQ(extremaImIntervall(quadrat, 0, 2, 2), (Wertebereich{0.0, 4.0}))
      << "an end on the stationary point counts as an end";
}

TEST(AllFuGrenzen, UmfasstAlleSichtbarenFunktionenUndSplines) {
  Objektlisten listen;
  EXPECT_EQ(allFuGrenzen(listen, 2), Grenzen{});

  auto kubik = teile(Polynom{0, 0, 0, 1});
  kubik->grenzen = {-100, 100, -100, 100};  // stale: functions are measured afresh
  listen.speichereFunktion("f", kubik);
  EXPECT_EQ(allFuGrenzen(listen, 2), polyDatenX(*kubik, 2));

  auto weit = teile(Polynom{-9, 0, 1});  // roots -3 and 3
  weit->sichtbar = false;
  listen.speichereFunktion("g", weit);
  EXPECT_EQ(allFuGrenzen(listen, 2), polyDatenX(*kubik, 2)) << "invisible functions do not count";

  auto spline = std::make_shared<Spline>();
  spline->grenzen = {-5, 0.5, -0.5, 7};
  listen.speichereSpline("s", spline);
  const Grenzen k = polyDatenX(*kubik, 2);
  EXPECT_EQ(allFuGrenzen(listen, 2), (Grenzen{-5, k.rechts, k.unten, 7}));
  spline->sichtbar = false;
  EXPECT_EQ(allFuGrenzen(listen, 2), k);
}

TEST(FuEinlisten, SpeichertAusdehnungUndKritischePunkte) {
  test::TestSitzung s;
  EXPECT_EQ(s.z.akt->grenzen, polyDatenX(startfunktion, 2)) << "set at start-up";
  auto p = teile(Polynom{0, -1, 0, 1});
  fuEinlisten(s.z, "f", p);
  EXPECT_EQ(p->grenzen, polyDatenX(*p, 2));
  ASSERT_EQ(p->kritPunkte.size(), 5u);  // -1, -0.577…, 0, 0.577…, 1
  EXPECT_EQ(p->kritPunkte.front(), (KritPunkt{-1.0, 0.0}));
  EXPECT_EQ(p->kritPunkte[2], (KritPunkt{0.0, 0.0}));
  EXPECT_NEAR(p->kritPunkte[1].y, 2 / (3 * std::sqrt(3.0)), 1e-12);
}

// The commands, through the command table.
class KritischePunkteBefehle : public testing::Test {
 protected:
  test::TestSitzung s;
  Zustand& z = s.z;

  void run(const std::string& befehl) { ASSERT_TRUE(fuehreAus(z, befehl)); }
  PunktRef punkt(const std::string& name) {
    const auto it = z.listen.pktListe().find(name);
    return it == z.listen.pktListe().end() ? nullptr : it->second;
  }
};

TEST_F(KritischePunkteBefehle, TuEsListetDieStartfunktion) {
  z.felder.name = "akt";
  run("tuEs");
  const std::string erwartet =
      "akt(x) =  - 2.0 - 2.0x + 2.0x^2\n"
      "akt'(x) =  - 2.0 + 4.0x\n"
      "\n"
      "akt''(x) = 4.0\n"
      "\n"
      "Koordinaten der kritischen Punkte mit Werten von erster und zweiter Ableitung \n"
      "\n"
      " (-0.62, 0.0; -4.47 , 4.0),    (1.62, 0.0; 4.47 , 4.0),   \n"
      "\n"
      " (0.5, -2.5;  0.0, 4.0),   \n"
      "\n"
      "\n";  // the line break of the output routine
  EXPECT_EQ(z.felder.ausgabe, erwartet);
  EXPECT_EQ(z.protokoll, erwartet);
}

TEST_F(KritischePunkteBefehle, TuEsMitGespeicherterFunktionUndLeerenGruppen) {
  fuEinlisten(z, "g", teile(Polynom{1, 0, 0, 0, 1}));  // x⁴ + 1: no roots, no inflection
  z.felder.name = "g";
  run("tuEs");
  EXPECT_EQ(z.felder.ausgabe,
            "g(x) =  1  + x^4\ng'(x) = 4.0x^3\n\ng''(x) = 12.0x^2\n\n"
            "Koordinaten der kritischen Punkte mit Werten von erster und zweiter Ableitung \n\n"
            " (0.0, 1.0;  0.0, 0.0),   \n\n (0.0, 1.0; 0.0 , 0.0),   \n");
}

TEST_F(KritischePunkteBefehle, TuEsWarntBeiUnbekanntemNamen) {
  z.felder.name = " akt";  // not trimmed
  run("tuEs");
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  // The warning names the field by its placeholder, not by its content.
  EXPECT_EQ(s.ui.fragen[0].meldung,
            "Im Feld <name> ist kein Name eines Polynoms aus der Funktionsliste eingetragen.");
  EXPECT_EQ(s.ui.fragen[0].option, "Gelesen");
  EXPECT_EQ(z.felder.ausgabe, "");
  EXPECT_EQ(z.protokoll, "");
}

TEST_F(KritischePunkteBefehle, EintragenNurFuerFunktionenDerListe) {
  z.felder.name = "akt";
  run("kritPunkteEintragB");
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung, "Im Feld <name> ist kein Polynom aus der Liste angegeben");
  EXPECT_EQ(s.ui.fragen[0].option, "ok");
  EXPECT_EQ(s.ui.fragen[0].option2, "");
  EXPECT_TRUE(z.listen.pktListe().empty());
}

TEST_F(KritischePunkteBefehle, EintragenBenenntMitBuchstabeUndFunktionsname) {
  fuEinlisten(z, "f", teile(Polynom{-2, -2, 2}));
  z.felder.name = "f";
  run("kritPunkteEintragB");
  EXPECT_TRUE(s.ui.fragen.empty());
  EXPECT_EQ(z.felder.hinweis,
            "\nDie kritischen Punkte der Funktion f wurden in die Punktliste eingetragen.");
  ASSERT_EQ(z.listen.pktListe().size(), 3u);
  const PunktRef b = punkt("Bf");
  ASSERT_TRUE(b);
  EXPECT_EQ(b->ko, (std::array<double, 4>{0.5, -2.5, 0.0, 0.0}));
  EXPECT_EQ(b->valid, (std::array<bool, 3>{true, true, true}));
  EXPECT_EQ(b->name, "Bf");
  EXPECT_NEAR(punkt("Af")->x(), 1 - goldenerSchnitt, 1e-15);
  EXPECT_NEAR(punkt("Cf")->x(), goldenerSchnitt, 1e-15);
}

TEST_F(KritischePunkteBefehle, ZweitesEintragenFragtUndNummeriert) {
  fuEinlisten(z, "f", teile(Polynom{-2, -2, 2}));
  z.felder.name = "f";
  run("kritPunkteEintragB");

  s.ui.antworten.push_back("Abbrechen");
  run("kritPunkteEintragB");
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung,
            "Für eine Funktion f sind die kritischen Punkte bereits eingetragen");
  EXPECT_EQ(s.ui.fragen[0].option, "Abbrechen");
  EXPECT_EQ(s.ui.fragen[0].option2, "Mit den neuen Werten überschreiben");
  EXPECT_EQ(z.listen.pktListe().size(), 3u) << "cancelled: nothing changes";

  s.ui.antworten.push_back("Mit den neuen Werten überschreiben");
  run("kritPunkteEintragB");
  EXPECT_EQ(z.listen.pktListe().size(), 6u) << "the first points stay";
  for (const char* name : {"Af", "Bf", "Cf", "Af0", "Bf0", "Cf0"}) EXPECT_TRUE(punkt(name)) << name;
}

TEST_F(KritischePunkteBefehle, NaheStellenWerdenNichtEingetragen) {
  // x³ - 0.00012x²: positions 0, 0.00004, 0.00008, 0.00012; the middle two lie within
  // 0.0001 of the entered 0, although the list keeps them apart.
  fuEinlisten(z, "f", teile(Polynom{0, 0, -0.00012, 1}));
  ASSERT_EQ(erzeugeKritStellenListe(*z.listen.fuListe().at("f"), 2).size(), 4u);
  z.felder.name = "f";
  run("kritPunkteEintragB");
  ASSERT_EQ(z.listen.pktListe().size(), 2u);
  EXPECT_EQ(punkt("Af")->x(), 0.0);
  // Values of p below 1e-15 count as zero, so this simple root gets no Newton step.
  EXPECT_NEAR(punkt("Bf")->x(), 0.00012, 1e-7);
}

TEST_F(KritischePunkteBefehle, MehrAls25StellenZaehlenMitIndexWeiter) {
  fuEinlisten(z, "f", teile(vierzehnNullstellen()));
  z.felder.name = "f";
  run("kritPunkteEintragB");
  EXPECT_EQ(z.listen.pktListe().size(), 39u);
  for (const char* name : {"Af", "Zf", "A1f", "B1f", "N1f"}) EXPECT_TRUE(punkt(name)) << name;
  EXPECT_FALSE(punkt("Of")) << "O is left out, as in the lettering of the graph";
  EXPECT_FALSE(punkt("P1f"));
}

}  // namespace
}  // namespace quarvel
