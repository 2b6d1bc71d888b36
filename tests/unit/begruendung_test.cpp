#include "analysis/begruendung.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "analysis/kurvendiskussion.h"
#include "analysis/vorzeichentabelle.h"
#include "model/schultext.h"
#include "testpolynome.h"

namespace quarvel {
namespace {

// A polynomial c·(x − r₁)…(x − rₖ) from 2 to 6 roots drawn from the halves in [−3, 3], so
// double and triple roots, saddles and flat extrema occur; now and then multiplied by
// x² + 1 to have a factor without real roots.
Polynom zufallsPolynom(std::mt19937& zufall) {
  std::uniform_int_distribution<int> anzahl(2, 6);
  std::uniform_int_distribution<int> halbe(-6, 6);
  const double faktoren[] = {1.0, -1.0, 2.0, -0.5, 3.0};
  const double c = faktoren[std::uniform_int_distribution<int>(0, 4)(zufall)];
  std::vector<double> nullstellen(static_cast<std::size_t>(anzahl(zufall)));
  for (double& r : nullstellen) r = halbe(zufall) / 2.0;
  const Polynom p = test::ausNullstellen(c, nullstellen);
  return zufall() % 4 == 0 ? p * Polynom{1.0, 0.0, 1.0} : p;
}

// The kinds of every critical point as the curve description lists them, e.g.
// "Nullpunkt und Tiefpunkt", without the slope.
std::vector<std::string> artenDerBeschreibung(const Polynom& p) {
  const std::string text = kurvendiskussion2fu(p, 2);
  std::vector<std::string> arten;
  const std::string anfang = ")) ist ein ";
  for (auto pos = text.find(anfang); pos != std::string::npos; pos = text.find(anfang, pos)) {
    pos += anfang.size();
    std::string art = text.substr(pos, text.find(". \n", pos) - pos);
    art = art.substr(0, art.find(", Steigung dort: "));
    arten.push_back(art);
  }
  return arten;
}

Vorzeichen vorzeichenVon(double v) {
  return v > 0 ? Vorzeichen::plus : v < 0 ? Vorzeichen::minus : Vorzeichen::null;
}

// On a few hundred polynomials with known roots: the reasoning states exactly the kinds of
// the curve description, each in a line that ends in its conclusion; and every sign in the
// sign chart's intervals is the sign of f, f' or f'' at a point of that interval.
TEST(Begruendung, StimmtMitKurvenbeschreibungUndAuswertungUeberein) {
  std::mt19937 zufall(16);
  for (int fall = 0; fall < 300; ++fall) {
    const Polynom p = zufallsPolynom(zufall);
    SCOPED_TRACE(schulPolynom(p, Zahlformat{}));
    std::vector<std::string> arten;
    for (const auto& position : begruendePositionen(p, "f", Zahlformat{})) {
      std::string alle;
      for (std::size_t i = 0; i < position.arten.size(); ++i) {
        const std::string& art = position.arten[i];
        alle += (i > 0 ? " und " : "") + art;
        const std::string schluss = art == "Flachpunkt" ? "ist ein Flachpunkt" : "⇒ " + art + " ";
        EXPECT_NE(position.zeilen[i].find(schluss), std::string::npos) << position.zeilen[i];
      }
      arten.push_back(alle);
    }
    EXPECT_EQ(arten, artenDerBeschreibung(p));

    const Vorzeichentabelle t = vorzeichentabelle(p, 2);
    Polynom q = p;
    for (std::size_t k = 0; k < 3; ++k, q = q.abl()) {
      ASSERT_EQ(t.zeilen[k].size(), 2 * t.stellen.size() + 1);
      for (std::size_t i = 0; i <= t.stellen.size(); ++i) {
        // A point a third of the way into the interval, two units beyond the outer ones.
        const double links = i == 0 ? t.stellen.front() - 3.0 : t.stellen[i - 1];
        const double rechts = i == t.stellen.size() ? t.stellen.back() + 3.0 : t.stellen[i];
        const double x = links + (rechts - links) / 3;
        EXPECT_EQ(t.zeilen[k][2 * i], vorzeichenVon(q.wert(x))) << "k = " << k << ", x = " << x;
      }
    }
  }
}

}  // namespace
}  // namespace quarvel
