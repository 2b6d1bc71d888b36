#include "analysis/vorzeichentabelle.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/kritischestellen.h"
#include "analysis/nullstellen.h"
#include "model/schultext.h"
#include "model/utf8.h"

namespace quarvel {

namespace {

// Positions this close together are one position of the curve description.
constexpr double gleicheStelle = 0.0001;

// The sign of q inside an interval, which no root of q reaches: evaluated at one point.
Vorzeichen vorzeichenBei(const Polynom& q, double x) {
  if (q.grad2() < 0 || wertIstNull(q, x)) return Vorzeichen::null;
  return q.wert(x) > 0 ? Vorzeichen::plus : Vorzeichen::minus;
}

// The sign of q at a position: 0 when one of its roots lies at the position (within the
// width of a position), else evaluated.
Vorzeichen vorzeichenAn(const Polynom& q, const std::vector<double>& nullstellen, double x) {
  for (double r : nullstellen) {
    if (std::abs(r - x) <= gleicheStelle) return Vorzeichen::null;
  }
  return vorzeichenBei(q, x);
}

// The pieces of the sign chart.
constexpr const char* tabellenKopf = "Vorzeichentabelle von ";
constexpr const char* monotonieZeile = "Monotonie";
constexpr const char* kruemmungZeile = "Krümmung";
constexpr const char* steigend = "steigend";
constexpr const char* fallend = "fallend";
constexpr const char* linksgekruemmt = "linksgekrümmt";
constexpr const char* rechtsgekruemmt = "rechtsgekrümmt";
constexpr const char* spaltenTrenner = " | ";

}  // namespace

std::string vorzeichenText(Vorzeichen v) {
  switch (v) {
    case Vorzeichen::minus:
      return "−";
    case Vorzeichen::plus:
      return "+";
    case Vorzeichen::null:
      break;
  }
  return "0";
}

namespace {

std::size_t breite(const std::string& text) {
  return u32Text(text).size();
}

std::string zentriert(const std::string& text, std::size_t spaltenbreite) {
  const std::size_t rest = spaltenbreite - breite(text);
  return std::string(rest / 2, ' ') + text + std::string(rest - rest / 2, ' ');
}

std::string linksbuendig(const std::string& text, std::size_t spaltenbreite) {
  return text + std::string(spaltenbreite - breite(text), ' ');
}

// Lines whose cells are padded to the widest cell of their column; trailing blanks are cut.
std::string ausgerichtet(const std::vector<std::vector<std::string>>& zeilen) {
  std::vector<std::size_t> breiten(zeilen.front().size(), 0);
  for (const auto& zeile : zeilen) {
    for (std::size_t j = 0; j < zeile.size(); ++j)
      breiten[j] = std::max(breiten[j], breite(zeile[j]));
  }
  std::string text;
  for (const auto& zeile : zeilen) {
    std::string z = linksbuendig(zeile[0], breiten[0]);
    for (std::size_t j = 1; j < zeile.size(); ++j)
      z += spaltenTrenner + zentriert(zeile[j], breiten[j]);
    z.erase(z.find_last_not_of(' ') + 1);
    text += z + "\n";
  }
  return text;
}

// The sentence for a constant or linear function, which has no table of its own.
std::string satzOhneTabelle(const Polynom& p, const std::string& name, Zahlformat format) {
  const int grad = p.grad2();
  if (grad < 0) {
    return name +
           "(x) = 0 für alle x: Die Nullfunktion hat kein Vorzeichen, ihr Graph ist die "
           "x-Achse.";
  }
  const std::string fx = name + "(x)";
  if (grad == 0) {
    return fx + " = " + schulZahl(p.koeff[0], format) + (p.koeff[0] > 0 ? " > 0" : " < 0") +
           " für alle x: Der Graph ist eine waagerechte Gerade ohne Nullstelle, weder steigend "
           "noch fallend und nicht gekrümmt.";
  }
  const double m = p.koeff[1];
  const std::string r = schulZahl(-p.koeff[0] / m, format);
  const char* links = m > 0 ? " < 0" : " > 0";
  const char* rechts = m > 0 ? " > 0" : " < 0";
  return fx + links + " für x < " + r + ", " + fx + " = 0 für x = " + r + " und " + fx + rechts +
         " für x > " + r + ". " + ableitungsName(name, 1) + "(x) = " + schulZahl(m, format) +
         ": Der Graph ist eine überall " + (m > 0 ? steigend : fallend) + "e Gerade ohne Krümmung.";
}

}  // namespace

double intervallMitte(const std::vector<double>& stellen, std::size_t i) {
  if (stellen.empty()) return 0.0;
  if (i == 0) return stellen.front() - 1.0;
  if (i >= stellen.size()) return stellen.back() + 1.0;
  return (stellen[i - 1] + stellen[i]) / 2;
}

Vorzeichentabelle vorzeichentabelle(const Polynom& p, int dezimalen) {
  const auto nullstellen = nullstellenDerAbleitungen(p, 3, dezimalen);
  Vorzeichentabelle t;
  for (double x : kritStellenAusNullstellen(nullstellen)) {
    if (t.stellen.empty() || std::abs(x - t.stellen.back()) > gleicheStelle) {
      t.stellen.push_back(x);
    }
  }
  Polynom q = p.nurKoeffizienten();
  for (std::size_t k = 0; k < 3; ++k) {
    auto& zeile = t.zeilen[k];
    for (std::size_t i = 0; i <= t.stellen.size(); ++i) {
      zeile.push_back(vorzeichenBei(q, intervallMitte(t.stellen, i)));
      if (i < t.stellen.size()) zeile.push_back(vorzeichenAn(q, nullstellen[k], t.stellen[i]));
    }
    q = q.abl();
  }
  return t;
}

std::string vorzeichentabellenText(const Polynom& p, const std::string& name, Zahlformat format) {
  const std::string kopf = tabellenKopf + name + "(x) = " + schulPolynom(p, format) + "\n\n";
  if (p.grad2() < 2) return kopf + satzOhneTabelle(p, name, format);
  const Vorzeichentabelle t = vorzeichentabelle(p, format.dezimalen);
  std::vector<std::vector<std::string>> zeilen{{"x"}};
  for (std::size_t i = 0; i <= t.stellen.size(); ++i) {
    const std::string links = i > 0 ? schulZahl(t.stellen[i - 1], format) : "";
    const std::string rechts = i < t.stellen.size() ? schulZahl(t.stellen[i], format) : "";
    if (links.empty())
      zeilen[0].push_back("x < " + rechts);
    else if (rechts.empty())
      zeilen[0].push_back("x > " + links);
    else
      zeilen[0].push_back(links + " < x < " + rechts);
    if (!rechts.empty()) zeilen[0].push_back(rechts);
  }
  for (int k = 0; k < 3; ++k) {
    std::vector<std::string> zeile{ableitungsName(name, k) + "(x)"};
    for (Vorzeichen v : t.zeilen[static_cast<std::size_t>(k)]) zeile.push_back(vorzeichenText(v));
    zeilen.push_back(zeile);
  }
  // Rising or falling and the direction of bending belong to the intervals only.
  std::vector<std::string> monotonie{monotonieZeile};
  std::vector<std::string> kruemmung{kruemmungZeile};
  for (std::size_t j = 0; j < t.zeilen[1].size(); ++j) {
    const bool intervall = j % 2 == 0;
    monotonie.push_back(!intervall ? "" : t.zeilen[1][j] == Vorzeichen::plus ? steigend : fallend);
    kruemmung.push_back(!intervall                           ? ""
                        : t.zeilen[2][j] == Vorzeichen::plus ? linksgekruemmt
                                                             : rechtsgekruemmt);
  }
  zeilen.push_back(monotonie);
  zeilen.push_back(kruemmung);
  return kopf + ausgerichtet(zeilen);
}

}  // namespace quarvel
