#include "analysis/kurvendiskussion.h"

#include <cmath>
#include <utility>
#include <vector>

#include "analysis/nullstellen.h"
#include "analysis/stellenart.h"
#include "model/punktbuchstaben.h"
#include "model/toleranz.h"
#include "model/zahltext.h"

namespace quarvel {

namespace {

// The pieces of the description.
constexpr const char* nullfunktionText =
    "Der Graph der Nullfunktion fällt mit der x-Achse zusammen.";
constexpr const char* parallelenText =
    "Der Graph der Funktion ist eine parallel zur x-Achse verlaufende Gerade durch den Punkt mit "
    "den Koordinaten (0, ";
constexpr const char* geradenText = "Der Graph ist eine Gerade mit der Steigung ";
constexpr const char* geradenPunktText = " durch den Punkt   S(0, ";
constexpr const char* parabelText = "Der Graph ist eine Parabel ";
constexpr const char* ordnungText = ". Ordnung. Er kommt ";
constexpr const char* strebtText = "\nDer Graph strebt ";
constexpr const char* eintragText = ")) ist ein ";
constexpr const char* steigungText = ", Steigung dort: ";

constexpr const char* ausNegativem = " rechtsdrehend aus dem negativen Unendlichen";
constexpr const char* ausPositivem = " linksdrehend aus dem positiven Unendlichen";
constexpr const char* insNegativeRechts = " rechtsdrehend ins negative Unendliche";
constexpr const char* insPositiveLinks = " linksdrehend ins positive Unendliche";

constexpr const char* nullpunkt = "Nullpunkt";
constexpr const char* hochpunkt = "Hochpunkt";
constexpr const char* tiefpunkt = "Tiefpunkt";
constexpr const char* wendepunkt = "Wendepunkt";
constexpr const char* sattelpunkt = "Sattelpunkt";
constexpr const char* flachpunkt = "Flachpunkt";
constexpr const char* rechtsLinks = "r-l-";
constexpr const char* linksRechts = "l-r-";

constexpr const char* punktsymmetrieText = "Symmetrie zum Punkt  (";
constexpr const char* achsensymmetrieText = "Symmetrie zur Vertikalen durch (";
constexpr const char* geradensymmetrieText =
    "\n Eine Gerade verläuft symmetrisch zu jedem ihrer Punkte.";
constexpr const char* ohneSymmetrieText = "Der Graph ist weder punkt- noch achsensymmetrisch.";

std::string artText(const Stellenart& art) {
  std::vector<std::string> arten;
  if (art.nullstelle) arten.emplace_back(nullpunkt);
  if (art.extremum != Extremum::keins) {
    arten.emplace_back(art.extremum == Extremum::tiefpunkt ? tiefpunkt : hochpunkt);
  }
  if (art.wechsel != Kruemmungswechsel::keiner) {
    arten.push_back(
        std::string(art.wechsel == Kruemmungswechsel::rechtsLinks ? rechtsLinks : linksRechts) +
        (art.stationaer ? sattelpunkt : wendepunkt));
  }
  // p'' vanishes here without changing sign: the curve is merely flat for a moment.
  if (arten.empty()) arten.emplace_back(flachpunkt);
  std::string text = arten[0];
  if (arten.size() > 1) text += " und " + arten[1];
  return text;
}

// The kinds and, away from stationary points, the slope at the shown position. A slope
// that would round to 0 keeps two significant digits: it is not 0.
std::string verlaufText(const Polynom& p, const Stellenart& art, double x, int dezimalen,
                        bool brueche) {
  std::string text = artText(art);
  if (!art.stationaer) {
    const double steigung = p.abl().wert(x);
    const double r = gerundet(steigung, dezimalen);
    if (steigung != 0.0) {
      text += steigungText + bruchOderText(steigung, brueche,
                                           zahlText(r != 0.0 ? r : zweiGueltigeStellen(steigung)));
    }
  }
  return text;
}

// Whether every coefficient of p shifted to m, p(m + t) = Σ p⁽ᵏ⁾(m)/k!·tᵏ, of the given
// parity and from order `ab` on vanishes within the rounding error of computing it.
bool verschobenVerschwindet(const Polynom& p, double m, int paritaet, int ab) {
  Polynom d = p.nurKoeffizienten();
  for (int k = 0; k <= p.grad2(); ++k, d = d.abl()) {
    if (k >= ab && k % 2 == paritaet && !wertIstNull(d, m)) return false;
  }
  return true;
}

// The symmetry test on the roots of p, p' and p'' (entries 0, 1, 2): the candidate is the
// middle stationary point (even degree) or the middle root of p'' (odd degree); the graph
// is symmetric when p shifted there is even (all odd coefficients vanish) or odd (all even
// ones from t² on vanish).
Symmetrie symmetrieMit(const Polynom& p, std::span<const Nullstellen> nullstellen012) {
  const int n = p.grad2();
  if (n < 2) return {Symmetrieverhalten::bisymm, 0.0};
  const bool gerade = n % 2 == 0;
  // Never empty: p' of an even degree and p'' of an odd one have odd degree.
  const std::vector<double>& r = nullstellen012[gerade ? 1 : 2].gezeigt;
  if (r.empty()) return {};
  const double m = r[(r.size() - 1) / 2];
  if (gerade) {
    if (verschobenVerschwindet(p, m, 1, 1)) return {Symmetrieverhalten::asym, m};
  } else if (verschobenVerschwindet(p, m, 0, 2)) {
    return {Symmetrieverhalten::psym, m};
  }
  return {};
}

std::string symmetrieSatz(const Polynom& p, const Symmetrie& s, bool brueche) {
  auto zahl = [brueche](double v) { return bruchOderText(v, brueche, zahlText(v)); };
  switch (s.art) {
    case Symmetrieverhalten::psym:
      return punktsymmetrieText + zahl(s.c) + "; " + zahl(p.wert(s.c)) + ")";
    case Symmetrieverhalten::asym:
      return achsensymmetrieText + zahl(s.c) + "; " + zahl(0.0) + ")";
    case Symmetrieverhalten::bisymm:
      return geradensymmetrieText;
    case Symmetrieverhalten::ohne:
      break;
  }
  return ohneSymmetrieText;
}

}  // namespace

Symmetrie symmetrieVerhalten(const Polynom& p, int dezimalen) {
  return symmetrieMit(p, nullstellenMitRoh(p, 3, dezimalen));
}

std::string symVerhalten(const Polynom& p, int dezimalen) {
  return symmetrieSatz(p, symmetrieVerhalten(p, dezimalen), false);
}

KurvenEnden kurvenEnden(const Polynom& p) {
  const int n = p.grad2();
  const bool positiv = n >= 0 && p.koeff[n] > 0;
  if (n % 2 == 0) {
    return positiv ? KurvenEnden{ausPositivem, insPositiveLinks}
                   : KurvenEnden{ausNegativem, insNegativeRechts};
  }
  return positiv ? KurvenEnden{ausNegativem, insPositiveLinks}
                 : KurvenEnden{ausPositivem, insNegativeRechts};
}

std::string verlauf(const Polynom& p, double x, int dezimalen, bool brueche) {
  return verlaufText(p, stellenart(p, x, dezimalen), x, dezimalen, brueche);
}

std::string kurvendiskussion2fu(const Polynom& fu, int dezimalen, bool brueche) {
  // Values are shown rounded, or as fractions where they are ones and fractions are chosen.
  auto zahl = [brueche](double v, std::string dezimal) {
    return bruchOderText(v, brueche, std::move(dezimal));
  };
  const int n = fu.grad2();
  // The roots of fu, fu' and fu'' serve the critical points and the symmetry alike.
  const auto nullstellen = nullstellenAllerAbleitungen(fu, dezimalen);
  std::string t;
  std::string u;
  if (n == -1) {
    t = nullfunktionText;
  } else if (n == 0) {
    t = parallelenText + zahl(fu.wert(0), zahlText(fu.wert(0))) + ").";
  } else if (n == 1) {
    t = geradenText + zahl(fu.koeff[1], zahlText(fu.koeff[1])) + geradenPunktText +
        zahl(fu.wert(0), zahlText(fu.wert(0))) + ").";
  } else {
    const KurvenEnden enden = kurvenEnden(fu);
    t = parabelText + std::to_string(n) + ordnungText + enden.links + ". \n\n";
    std::size_t buchstabe = 0;
    for (const KritischeStelle& s : kritischeStellen(fu, nullstellen)) {
      const double y = fu.wert(s.x);
      t += kritPunktBuchstabe(buchstabe++) + " (" + zahl(s.x, gerundetText(s.x, dezimalen)) +
           " | " + zahl(y, gerundetText(y, dezimalen)) + eintragText +
           verlaufText(fu, s.art, s.x, dezimalen, brueche) + ". \n";
    }
    u = strebtText + enden.rechts + ".\n\n";
  }
  return t + u + symmetrieSatz(fu, symmetrieMit(fu, nullstellen), brueche);
}

}  // namespace quarvel
