#include "analysis/begruendung.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "analysis/ableitungen.h"
#include "analysis/kurvendiskussion.h"
#include "analysis/nullstellen.h"
#include "analysis/vorzeichentabelle.h"
#include "model/schultext.h"
#include "model/zahltext.h"

namespace quarvel {

namespace {

// The pieces of the reasoning.
constexpr const char* folgt = " ⇒ ";
constexpr const char* und = " und ";
constexpr const char* gleichNull = " = 0";
constexpr const char* vorzeichenwechsel = " (Vorzeichenwechselkriterium)";
constexpr const char* ersteGerade = " (erste nicht verschwindende Ableitung, gerade Ordnung)";
constexpr const char* ersteUngerade = " (erste nicht verschwindende Ableitung, ungerade Ordnung)";
constexpr const char* waagerechteTangente = ", ein Wendepunkt mit waagerechter Tangente";
constexpr const char* steigungDort = ", Steigung dort: ";
constexpr const char* kopf = "Begründung der kritischen Punkte von\n ";
constexpr const char* nullfunktionSatz =
    "Die Nullfunktion hat überall den Wert 0; ihr Graph ist die x-Achse und hat keine "
    "einzelnen kritischen Punkte.";
constexpr const char* konstantSatz =
    "(x) = 0 für alle x: Der Graph ist eine waagerechte Gerade ohne Extrem-, Wende- und "
    "Nullpunkte.";
constexpr const char* geradenSatz =
    " ist nie 0: Der Graph ist eine Gerade ohne Extrem- und Wendepunkte.";

// The kinds of a position as the curve description states them, without the slope.
std::vector<std::string> artenAus(std::string verlaufText) {
  const auto steigung = verlaufText.find(steigungDort);
  if (steigung != std::string::npos) verlaufText.erase(steigung);
  std::vector<std::string> arten;
  const std::string trenner = und;
  std::size_t anfang = 0;
  for (auto ende = verlaufText.find(trenner); ende != std::string::npos;
       ende = verlaufText.find(trenner, anfang)) {
    arten.push_back(verlaufText.substr(anfang, ende - anfang));
    anfang = ende + trenner.size();
  }
  arten.push_back(verlaufText.substr(anfang));
  return arten;
}

bool endetAuf(const std::string& text, const std::string& ende) {
  return text.size() >= ende.size() &&
         text.compare(text.size() - ende.size(), ende.size(), ende) == 0;
}

// Everything known at one position: the derivatives there and the signs of f' and f'' on
// both sides.
struct Stelle {
  const Ableitungen& d;
  const std::string& name;
  Zahlformat format;
  double x;
  std::array<Vorzeichen, 3> links;
  std::array<Vorzeichen, 3> rechts;

  double wert(int k) const { return d[static_cast<std::size_t>(k)].wert(x); }
  // Zero as the classification takes it: pure rounding noise or nothing after rounding.
  bool istNullDort(int k) const {
    const auto& q = d[static_cast<std::size_t>(k)];
    return wertIstNull(q, x) || runden(q.wert(x), format.dezimalen) == 0.0;
  }
  std::string bei(int k) const {
    return ableitungsName(name, k) + "(" + schulZahl(x, format) + ")";
  }
  std::string zahl(double v) const { return schulZahl(v, format); }
  // The first derivative from order `ab` on that does not vanish here; 0 when none does.
  int ersteNichtNull(int ab) const {
    for (int k = ab; k <= pgrad; ++k) {
      if (!istNullDort(k)) return k;
    }
    return 0;
  }
  // "f''(x) = f'''(x) = 0" or "f''(x) = … = f⁽⁵⁾(x) = 0" for the orders von … bis.
  std::string nullKette(int von, int bis) const {
    std::string text = bei(von);
    if (bis == von + 1) text += " = " + bei(bis);
    if (bis > von + 1) text += " = … = " + bei(bis);
    return text + gleichNull;
  }
  std::string wechselText(int k) const {
    return ableitungsName(name, k) + " wechselt bei x = " + zahl(x) + " das Vorzeichen von " +
           vorzeichenText(links[static_cast<std::size_t>(k)]) + " nach " +
           vorzeichenText(rechts[static_cast<std::size_t>(k)]) + vorzeichenwechsel;
  }
  bool wechselt(int k, Vorzeichen von, Vorzeichen nach) const {
    const auto i = static_cast<std::size_t>(k);
    return links[i] == von && rechts[i] == nach;
  }
};

// Why a position is a high or low point: f'' there, or the sign change of f', or the first
// derivative of even order that does not vanish.
std::string extremumGrund(const Stelle& s, bool tief) {
  const std::string anfang = s.bei(1) + gleichNull;
  const double f2 = s.wert(2);
  if (!s.istNullDort(2) && (f2 > 0) == tief) {
    return anfang + und + s.bei(2) + " = " + s.zahl(f2) + (tief ? " > 0" : " < 0");
  }
  const auto vorher = tief ? Vorzeichen::minus : Vorzeichen::plus;
  const auto nachher = tief ? Vorzeichen::plus : Vorzeichen::minus;
  if (s.wechselt(1, vorher, nachher)) {
    return anfang + und + s.bei(2) + gleichNull + "; " + s.wechselText(1);
  }
  const int k = s.ersteNichtNull(2);
  if (k == 0) return anfang;
  return anfang + ", " + s.nullKette(2, k - 1) + und + s.bei(k) + " = " + s.zahl(s.wert(k)) +
         (s.wert(k) > 0 ? " > 0" : " < 0") + ersteGerade;
}

// Why a position is a point of inflection: f''' there, or the sign change of f'', or the
// first derivative of odd order that does not vanish.
std::string wendeGrund(const Stelle& s, bool rechtsLinks, bool sattel) {
  const std::string anfang = sattel ? s.bei(1) + gleichNull + ", " : "";
  if (!s.istNullDort(3)) {
    return anfang + s.bei(2) + gleichNull + und + s.bei(3) + " = " + s.zahl(s.wert(3)) + " ≠ 0";
  }
  const auto vorher = rechtsLinks ? Vorzeichen::minus : Vorzeichen::plus;
  const auto nachher = rechtsLinks ? Vorzeichen::plus : Vorzeichen::minus;
  if (s.wechselt(2, vorher, nachher)) {
    return anfang + s.bei(2) + gleichNull + und + s.bei(3) + gleichNull + "; " + s.wechselText(2);
  }
  const int k = s.ersteNichtNull(3);
  if (k == 0) return anfang + s.bei(2) + gleichNull;
  return anfang + s.nullKette(2, k - 1) + und + s.bei(k) + " = " + s.zahl(s.wert(k)) + " ≠ 0" +
         ersteUngerade;
}

// Why a root of f'' is no point of inflection: f'' keeps its sign there.
std::string keinWendepunkt(const Stelle& s) {
  return s.bei(2) + gleichNull + ", aber " + ableitungsName(s.name, 2) +
         " wechselt bei x = " + s.zahl(s.x) + " das Vorzeichen nicht (" +
         vorzeichenText(s.links[2]) + und + vorzeichenText(s.rechts[2]) + ")" + folgt +
         "kein Wendepunkt";
}

std::string zeileFuer(const Stelle& s, const std::string& art) {
  const double y = s.wert(0);
  if (art == "Nullpunkt") {
    return s.bei(0) + gleichNull + folgt + art + " " + schulPunkt("N", s.x, 0.0, s.format);
  }
  if (art == "Hochpunkt" || art == "Tiefpunkt") {
    const bool tief = art == "Tiefpunkt";
    return extremumGrund(s, tief) + folgt + art + " " +
           schulPunkt(tief ? "T" : "H", s.x, y, s.format);
  }
  const bool sattel = endetAuf(art, "Sattelpunkt");
  if (sattel || endetAuf(art, "Wendepunkt")) {
    return wendeGrund(s, art.starts_with("r-l-"), sattel) + folgt + art + " " +
           schulPunkt(sattel ? "S" : "W", s.x, y, s.format) + (sattel ? waagerechteTangente : "");
  }
  // A flat point: f'' vanishes but keeps its sign.
  return keinWendepunkt(s) + ": " + schulPunkt("F", s.x, y, s.format) + " ist ein " + art;
}

bool istWendeArt(const std::string& art) {
  return endetAuf(art, "Wendepunkt") || endetAuf(art, "Sattelpunkt") || art == "Flachpunkt";
}

std::string ableitungsZeile(const std::string& name, int k, const Polynom& q, Zahlformat format) {
  return ableitungsName(name, k) + "(x) = " + schulPolynom(q, format);
}

}  // namespace

std::vector<BegruendetePosition> begruendePositionen(const Polynom& p, const std::string& name,
                                                     Zahlformat format) {
  const int dezimalen = format.dezimalen;
  const Ableitungen d = ableitungenVon(p);
  const Vorzeichentabelle tabelle = vorzeichentabelle(p, dezimalen);
  std::vector<BegruendetePosition> positionen;
  for (std::size_t i = 0; i < tabelle.stellen.size(); ++i) {
    Stelle s{d, name, format, tabelle.stellen[i], {}, {}};
    for (std::size_t k = 0; k < 3; ++k) {
      s.links[k] = tabelle.zeilen[k][2 * i];
      s.rechts[k] = tabelle.zeilen[k][2 * i + 2];
    }
    BegruendetePosition position{s.x, artenAus(verlauf(p, s.x, dezimalen)), {}};
    for (const std::string& art : position.arten) position.zeilen.push_back(zeileFuer(s, art));
    // A root of f'' that is no point of inflection, such as 0 for x⁴, is explained too.
    const bool zweiteNull = tabelle.zeilen[2][2 * i + 1] == Vorzeichen::null;
    if (zweiteNull && std::none_of(position.arten.begin(), position.arten.end(), istWendeArt)) {
      position.zeilen.push_back(keinWendepunkt(s));
    }
    positionen.push_back(std::move(position));
  }
  return positionen;
}

std::string begruendungsText(const Polynom& p, const std::string& name, Zahlformat format) {
  const int grad = p.grad2();
  if (grad < 0) return nullfunktionSatz;
  const Polynom d1 = p.abl();
  if (grad == 0) return ableitungsName(name, 1) + konstantSatz;
  if (grad == 1) {
    const double nullstelle = -p.koeff[0] / p.koeff[1];
    return ableitungsZeile(name, 1, d1, format) + geradenSatz + "\n" + name + "(" +
           schulZahl(nullstelle, format) + ") = 0 ⇒ Nullpunkt " +
           schulPunkt("N", nullstelle, 0.0, format);
  }
  std::string text = kopf + ableitungsZeile(name, 0, p, format) + "\n " +
                     ableitungsZeile(name, 1, d1, format) + "\n " +
                     ableitungsZeile(name, 2, d1.abl(), format) + "\n\n";
  for (const auto& position : begruendePositionen(p, name, format)) {
    for (const auto& zeile : position.zeilen) text += zeile + "\n";
  }
  return text;
}

}  // namespace quarvel
