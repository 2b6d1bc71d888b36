// Saving and opening the work: a random work reads back identical, every kind of damaged
// document is refused without touching the open work, and saving never destroys a file.
#include "app/dokument.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/befehle.h"
#include "app/dateien.h"
#include "app/grafikanzeige.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

using test::befehl;
using test::TestSitzung;

// A random work built by the commands a user would give.
void zufallsarbeit(Zustand& z, std::mt19937& zufall) {
  const auto wahl = [&](const std::vector<std::string>& aus) {
    return aus[std::uniform_int_distribution<std::size_t>(0, aus.size() - 1)(zufall)];
  };
  const auto ganz = [&](int von, int bis) {
    return std::to_string(std::uniform_int_distribution<int>(von, bis)(zufall));
  };
  const std::vector<std::string> fnamen{"f", "g", "h", "akt", "", "s"};
  const std::vector<std::string> pnamen{"A", "B", "C", "D", "E"};
  const std::vector<std::function<void()>> schritte{
      [&] {
        befehl(z, "liesTermB", wahl(fnamen),
               ganz(-3, 3) + "x^" + ganz(0, 5) + "+" + ganz(-9, 9) + "/7x");
      },
      [&] {
        befehl(z, "pktEingabe2B", "", wahl(pnamen) + "(" + ganz(-5, 5) + "," + ganz(-5, 5) + ")");
      },
      [&] {
        befehl(z, "pktEingabe2B", "",
               wahl(pnamen) + "(" + ganz(-5, 5) + ",-," + ganz(-2, 2) + ",-)");
      },
      [&] { befehl(z, "pktliste2SplineB", wahl(fnamen)); },
      [&] { befehl(z, "pktliste2PolynomB", wahl(fnamen)); },
      [&] { befehl(z, "regressionB", wahl(fnamen)); },
      [&] {
        befehl(z,
               wahl({"farbeRot", "farbeBlau", "macheFUnsichtbarB", "auslistB", "einlistB",
                     "aktuelleFunktionEinlistB"}),
               wahl(fnamen));
      },
      [&] {
        befehl(z, wahl({"punktDeaktivierB", "pktAuslistB"}), wahl(pnamen));
      },
      [&] {
        befehl(z,
               wahl({"aktuellWahlB", "funktionalWahlB", "allfunktionalWahlB", "rechteckWahlB",
                     "nachPunktenWahlB", "nachFunktionB", "fRahmenWahlB"}),
               wahl(fnamen));
      },
      [&] {
        befehl(z, wahl({"dezimalS1", "dezimalS3", "dezimalS8", "bruecheS1", "zeigProtokollB",
                        "rasterAendern", "achsenZeigen", "kritPunkteEintragB"}));
      },
      [&] {
        ASSERT_TRUE(fuehreAus(z, "scrollWheel", {"0", ganz(-2, 2)}));
      },
  };
  for (int i = 0; i < 25; ++i)
    schritte[std::uniform_int_distribution<std::size_t>(0, schritte.size() - 1)(zufall)]();
  grafikZeichnen(z);
}

TEST(Dokument, ZufaelligeArbeitKommtUnveraendertZurueck) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    TestSitzung alt;
    std::mt19937 zufall(seed);
    zufallsarbeit(alt.z, zufall);
    const std::string text = dokumentText(alt.z);

    TestSitzung neu;
    ASSERT_EQ(dokumentLesen(neu.z, text), "");
    // Numbers are written bit for bit, and the pools follow from the stored names.
    EXPECT_EQ(dokumentText(neu.z), text);
    // Shared objects stay shared: the same further steps give the same work. What the
    // reports and the graph show is computed from that work.
    for (Zustand* z : {&alt.z, &neu.z}) {
      befehl(*z, "farbeGruen", "g");
      befehl(*z, "liesTermB", "", "x^3");
      befehl(*z, "pktEingabe2B", "", "Z(1,2)");
    }
    EXPECT_EQ(arbeitsstand(neu.z), arbeitsstand(alt.z));
  }
}

// Damaged copies of a small work (a function, three points and a spline) are refused with
// their reason, and the open work stays as it was.
TEST(Dokument, BeschaedigtesWirdAbgelehntUndDieArbeitBleibt) {
  TestSitzung s;
  befehl(s.z, "liesTermB", "f", "x^2-4");
  for (const char* p : {"A(0,0)", "B(1,1)", "C(2,0)"}) befehl(s.z, "pktEingabe2B", "", p);
  befehl(s.z, "pktliste2SplineB", "s");
  const std::string gut = dokumentText(s.z);
  const auto ersetzt = [&gut](const std::string& von, const std::string& nach) {
    std::string t = gut;
    const auto stelle = t.find(von);
    EXPECT_NE(stelle, std::string::npos) << von;
    return stelle == std::string::npos ? t : t.replace(stelle, von.size(), nach);
  };
  std::string vielePunkte = "\"punkte\": [";
  for (int i = 0; i < 10000; ++i) vielePunkte += "{}, ";
  // A document cut off halfway is refused by the window's test (dokument_gui_test).
  const struct {
    std::string text, grund;
  } faelle[] = {
      {"[1, 2]", "kein Quarvel-Dokument"},
      {ersetzt("quarvel-dokument", "tabelle"), "kein Quarvel-Dokument"},
      {ersetzt("\"version\": 1", "\"version\": 2"), "neueren Quarvel-Version (Formatversion 2)"},
      {ersetzt("\"version\": 1", "\"version\": \"1\""), "Formatversion des Dokuments fehlt"},
      {ersetzt("\"dezimalen\": 2", "\"dezimalen\": \"2\""),
       "„dezimalen“ ist nicht eine ganze Zahl"},
      {ersetzt("\"dezimalen\": 2", "\"dezimalen\": 99"), "„dezimalen“ liegt außerhalb von 1 bis 8"},
      {ersetzt("\"protokoll\"", "\"protokol\""), "Der Eintrag „protokoll“ fehlt"},
      {ersetzt("\"koeff\": [", "\"koeff\": [1, "),
       "Die Funktion in „akt.koeff“ hat einen Grad über 14"},
      {ersetzt("\"rahmen\": [-4.0", "\"rahmen\": [-1e999"), "kein gültiges JSON"},
      {ersetzt("\"ko\": [0.0", "\"ko\": [null"), "„punkte[0].ko[0]“ ist nicht eine Zahl"},
      {ersetzt("\"name\": \"f\"", "\"name\": \"1f\""),
       "Der Name „1f“ in „funktionen[0]“ ist nicht erlaubt"},
      {ersetzt("\"name\": \"f\"", "\"name\": \"akt\""),
       "Der Name „akt“ in „funktionen[0]“ ist nicht erlaubt"},
      {ersetzt("\"name\": \"s\"", "\"name\": \"f\""), "Der Name „f“ kommt doppelt vor"},
      {ersetzt("\"name\": \"B\"", "\"name\": \"A\""), "Der Name „A“ kommt doppelt vor"},
      {ersetzt("\"name\": \"B\"", "\"name\": \"b\""),
       "Der Name „b“ in „punkte[1]“ ist nicht erlaubt"},
      {ersetzt("\"zerlegung\": [0.0", "\"zerlegung\": [5.0"), "Der Spline „s“ ist fehlerhaft"},
      {ersetzt("\"wie\": \"f\"", "\"wie\": \"q\""),
       "„grafTarget.wie“ nennt keine gespeicherte Funktion"},
      {ersetzt("\"farbe\": \"schwarz\"", "\"farbe\": \"lila\""),
       "„akt.farbe“ nennt keine bekannte Farbe"},
      {ersetzt("\"fensterTyp\": \"grafbedingt\"", "\"fensterTyp\": \"rund\""),
       "unbekannten Wert „rund“"},
      {ersetzt("\"punkte\": [", vielePunkte), "mehr als 10000 Punkte"},
      {std::string(100, '[') + std::string(100, ']'), "zu tief verschachtelt"},
      {std::string(maxDokumentBytes + 1, ' '), "größer als 20 MB"},
  };
  for (const auto& fall : faelle) {
    const std::string grund = dokumentLesen(s.z, fall.text);
    EXPECT_NE(grund.find(fall.grund), std::string::npos) << grund << "\n  erwartet: " << fall.grund;
    EXPECT_EQ(dokumentText(s.z), gut) << fall.grund;
  }
  EXPECT_EQ(dokumentLesen(s.z, gut), "");
}

// File errors name the file. A write cut off halfway (here by a file size limit, as by a
// full disk) leaves the old file whole and no temporary file behind.
TEST(Dateien, FehlerNennenDieDateiUndAbbruchLaesstDieAlteStehen) {
  const auto ordner = std::filesystem::path(testing::TempDir()) / "quarvel_schreiben_test";
  std::filesystem::remove_all(ordner);
  std::filesystem::create_directories(ordner);
  TestSitzung s;
  const std::string fehlt = (ordner / "fehlt.quarvel").string();
  EXPECT_EQ(dokumentOeffnen(s.z, fehlt),
            "Die Datei „" + fehlt + "“ kann nicht geöffnet werden. Die Datei existiert nicht.");
  const std::string ohneOrdner = (ordner / "gibtsnicht" / "x.quarvel").string();
  EXPECT_EQ(
      dokumentSpeichern(s.z, ohneOrdner),
      "Die Datei „" + ohneOrdner + "“ kann nicht gespeichert werden. Der Ordner existiert nicht.");

  const std::string datei = (ordner / "arbeit.quarvel").string();
  ASSERT_EQ(schreibeDateiSicher(datei, "alter Inhalt"), "");

  rlimit vorher{};
  getrlimit(RLIMIT_FSIZE, &vorher);
  const auto altesSignal = signal(SIGXFSZ, SIG_IGN);
  rlimit eng = vorher;
  eng.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &eng);
  const std::string grund = schreibeDateiSicher(datei, std::string(100000, 'x'));
  setrlimit(RLIMIT_FSIZE, &vorher);
  signal(SIGXFSZ, altesSignal);

  EXPECT_EQ(grund, "Der Speicherplatz reicht nicht.");
  std::string inhalt;
  ASSERT_EQ(leseDatei(datei, 1000, inhalt), "");
  EXPECT_EQ(inhalt, "alter Inhalt");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner), {}), 1);
  EXPECT_EQ(leseDatei(datei, 2, inhalt), "Die Datei ist größer als 0 MB.");
  std::filesystem::remove_all(ordner);
}

}  // namespace
}  // namespace quarvel
