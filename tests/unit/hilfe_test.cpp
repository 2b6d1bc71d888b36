#include <gtest/gtest.h>

#include <set>
#include <string>

#include "analysis/kurvendiskussion.h"
#include "app/befehle.h"
#include "app/hilfetexte.h"
#include "app/listenpflege.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

bool endetMit(const std::string& text, const std::string& ende) {
  return text.size() >= ende.size() &&
         text.compare(text.size() - ende.size(), ende.size(), ende) == 0;
}

TEST(Hilfe, JedesThemaZeigtSeinenTextImHilfefeld) {
  test::TestSitzung s;
  std::set<std::string> texte;
  for (const Hilfethema& thema : hilfethemen()) {
    ASSERT_TRUE(fuehreAus(s.z, thema.befehl)) << thema.befehl;
    EXPECT_EQ(s.z.hilfe, thema.text()) << thema.befehl;
    EXPECT_EQ(s.z.hilfe.rfind("Hilfethema:", 0), 0u) << thema.befehl;
    texte.insert(s.z.hilfe);
  }
  EXPECT_EQ(texte.size(), 14u) << "fourteen different topics";
  EXPECT_FALSE(fuehreAus(s.z, "optionB", {"zuviel"}));
}

TEST(Hilfe, TexteWortgetreu) {
  // The interpolation topic carries the maximum degree.
  EXPECT_TRUE(endetMit(interpolationH(), "darf nicht größer als 14 sein  "));
  EXPECT_EQ(splinesH(),
            "Hilfethema: Splines  \n\n Splines (genauer: Kubische Splines) zu einer vorgegebenen "
            "Punktmenge sind Funktionen, die stückweise als Polynome höchstens dritten Grades "
            "definiert sind, die an den Nahtstellen in Funktionswert, erster und zweiter Ableitung "
            "übereinstimmen und deren beide Randpolynome in den Randpunkten eine verschwindende "
            "zweite Ableitung haben.\n\n Dabei darf bei den Punkten der Liste keine Abszisse "
            "(x-Wert) mehrfach vorkommen. ");
  EXPECT_EQ(info().rfind("Zum Programm Quarvel\n\n", 0), 0u);
  EXPECT_TRUE(endetMit(info(),
                       "\n\n Gegenstand sind die ganzrationalen Funktionen, deren "
                       "wesentliche Eigenschaften untersucht werden oder die durch eine "
                       "Reihe von Anforderungen (sog. Steckbriefaufgaben) bestimmt "
                       "werden."));
}

TEST(Hilfe, VerlaufsbeschreibungBeschreibtImmerDieAktuelleFunktion) {
  test::TestSitzung s;
  fuEinlisten(s.z, "f", teile(Polynom{0, 0, 0, 1}));
  s.z.felder.name = "f";
  ASSERT_TRUE(fuehreAus(s.z, "verlaufsBeschreibungB"));
  EXPECT_EQ(s.z.hilfe,
            "Beschreibung des Kurvenverlaufs zur aktuellen Funktion mit der Gleichung \n y =   - "
            "2.0 - 2.0x + 2.0x^2\n\n" +
                kurvendiskussion2fu(Polynom{-2, -2, 2}, 2));
  EXPECT_EQ(s.z.felder.ausgabe, "") << "the output field is left alone";
  ASSERT_TRUE(fuehreAus(s.z, "beschreibeGraphB"));
  EXPECT_EQ(s.z.felder.ausgabe, s.z.hilfe) << "the same text as in the output field";
}

}  // namespace
}  // namespace quarvel
