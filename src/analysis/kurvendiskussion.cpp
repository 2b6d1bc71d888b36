#include "analysis/kurvendiskussion.h"

#include <array>
#include <cmath>
#include <vector>

#include "analysis/ableitungen.h"
#include "analysis/kritischestellen.h"
#include "analysis/nullstellen.h"
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

// Positions closer than this to the previous described one are not described again.
constexpr double gleicheStelle = 0.0001;

std::string gerundetText(double x, int dezimalen) {
  return zahlText(gerundet(x, dezimalen));
}

std::string verlaufMit(const Ableitungen& d, double x, int dezimalen) {
  // w(i): the i-th derivative at x, rounded. A value that is nothing but the rounding error
  // of evaluating there counts as 0 too; for school polynomials that error lies far below
  // the shown decimals, but for large coefficients it can exceed them and would hide an
  // extremum or an inflection. Only the orders up to the deciding one are evaluated.
  const auto w = [&](std::size_t i) {
    return wertIstNull(d[i], x) ? 0.0 : runden(d[i].wert(x), dezimalen);
  };
  const double w0 = w(0);
  const double w1 = w(1);
  const double w2 = w(2);

  // The first derivative from the second on that does not vanish decides: an even order
  // makes an extremum (where p' = 0), an odd one a change of curvature (where p'' = 0).
  int paritaet = 0;
  double v = 0.0;
  for (std::size_t j = 2; j < d.size(); ++j) {
    const double wj = j == 2 ? w2 : w(j);
    if (!istFastNull(wj)) {
      paritaet = static_cast<int>(j % 2);
      v = wj;
      break;
    }
  }

  std::vector<std::string> arten;
  if (istFastNull(w0)) arten.emplace_back(nullpunkt);
  if (istFastNull(w1) && paritaet == 0) arten.emplace_back(v >= 0 ? tiefpunkt : hochpunkt);
  if (istFastNull(w2) && paritaet == 1) {
    arten.push_back(std::string(v >= 0 ? rechtsLinks : linksRechts) +
                    (istFastNull(w1) ? sattelpunkt : wendepunkt));
  }
  // p'' vanishes here without changing sign: the curve is merely flat for a moment.
  if (arten.empty()) arten.emplace_back(flachpunkt);

  std::string text = arten[0];
  if (arten.size() > 1) text += " und " + arten[1];
  if (!istNull(w1)) text += steigungText + gerundetText(w1, dezimalen);
  return text;
}

// The symmetry test on the roots of p, p' and p'' (entries 0, 1, 2).
Symmetrie symmetrieMit(const Polynom& p, const std::vector<std::vector<double>>& nullstellen012) {
  const int n = p.grad2();
  if (n < 2) return {Symmetrieverhalten::bisymm, 0.0};
  const bool gerade = n % 2 == 0;
  // Never empty: p' of an even degree and p'' of an odd one have odd degree.
  const std::vector<double>& r = nullstellen012[gerade ? 1 : 2];
  if (r.empty()) return {};
  const double m = r[(r.size() - 1) / 2];
  if (gerade) {
    if (istNull(p.wert(m + 1) - p.wert(m - 1))) return {Symmetrieverhalten::asym, m};
  } else if (istNull(p.wert(m + 1) + p.wert(m - 1) - 2 * p.wert(m))) {
    return {Symmetrieverhalten::psym, m};
  }
  return {};
}

std::string symmetrieSatz(const Polynom& p, const Symmetrie& s) {
  switch (s.art) {
    case Symmetrieverhalten::psym:
      return punktsymmetrieText + zahlText(s.c) + "; " + zahlText(p.wert(s.c)) + ")";
    case Symmetrieverhalten::asym:
      return achsensymmetrieText + zahlText(s.c) + "; 0.0)";
    case Symmetrieverhalten::bisymm:
      return geradensymmetrieText;
    case Symmetrieverhalten::ohne:
      break;
  }
  return ohneSymmetrieText;
}

}  // namespace

Symmetrie symmetrieVerhalten(const Polynom& p, int dezimalen) {
  return symmetrieMit(p, nullstellenDerAbleitungen(p, 3, dezimalen));
}

std::string symVerhalten(const Polynom& p, int dezimalen) {
  return symmetrieSatz(p, symmetrieVerhalten(p, dezimalen));
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

std::string verlauf(const Polynom& p, double x, int dezimalen) {
  return verlaufMit(ableitungenVon(p), x, dezimalen);
}

std::string kurvendiskussion2fu(const Polynom& fu, int dezimalen) {
  const int n = fu.grad2();
  // The roots of fu, fu' and fu'' serve the critical points and the symmetry alike.
  const auto nullstellen = nullstellenDerAbleitungen(fu, 3, dezimalen);
  std::string t;
  std::string u;
  if (n == -1) {
    t = nullfunktionText;
  } else if (n == 0) {
    t = parallelenText + zahlText(fu.wert(0)) + ").";
  } else if (n == 1) {
    t = geradenText + zahlText(fu.koeff[1]) + geradenPunktText + zahlText(fu.wert(0)) + ").";
  } else {
    const KurvenEnden enden = kurvenEnden(fu);
    t = parabelText + std::to_string(n) + ordnungText + enden.links + ". \n\n";
    const Ableitungen d = ableitungenVon(fu);
    std::size_t buchstabe = 0;
    double zuletzt = -999.999;
    for (double x : kritStellenAusNullstellen(nullstellen)) {
      if (std::abs(zuletzt - x) <= gleicheStelle) continue;
      zuletzt = x;
      t += kritPunktBuchstabe(buchstabe++) + " (" + gerundetText(x, dezimalen) + " | " +
           gerundetText(fu.wert(x), dezimalen) + eintragText + verlaufMit(d, x, dezimalen) + ". \n";
    }
    u = strebtText + enden.rechts + ".\n\n";
  }
  return t + u + symmetrieSatz(fu, symmetrieMit(fu, nullstellen));
}

}  // namespace quarvel
