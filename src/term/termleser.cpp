#include "term/termleser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <system_error>
#include <vector>

#include "model/toleranz.h"
#include "model/utf8.h"
#include "model/zahltext.h"
#include "term/klammerpotenzen.h"
#include "term/zeichen.h"

namespace quarvel {

namespace {

// The reader works on code points: placeholders are single characters outside the alphabet.
using Text = std::u32string;
using TextView = std::u32string_view;

// While a term is read, every bracket and every function name in the text is replaced by
// one placeholder character standing for a polynomial already computed. The pool is fresh
// for every term; a term that needs more placeholders at once than there are is refused.
class Platzhalter {
 public:
  Platzhalter() {
    // U+1000 ... U+1009, U+1010 ... U+1019, U+1020 ... U+1029 and U+1030: 31 characters.
    for (char32_t zehner = 0x1000; zehner <= 0x1020; zehner += 0x10) {
      for (char32_t c = zehner; c <= zehner + 9; ++c) tempNamen_.insert(c);
    }
    tempNamen_.insert(0x1030);
  }

  // A free placeholder bound to p; nothing when all are in use.
  std::optional<char32_t> binde(const Polynom& p) {
    if (tempNamen_.empty()) return std::nullopt;
    const char32_t t = *tempNamen_.begin();
    tempNamen_.erase(tempNamen_.begin());
    tempFuListe_[t] = p.nurKoeffizienten();
    return t;
  }

  // The polynomial `term` stands for when it is exactly one bound placeholder; the
  // placeholder is free again afterwards.
  std::optional<Polynom> loese(TextView term) {
    if (term.size() != 1) return std::nullopt;
    const auto eintrag = tempFuListe_.find(term.front());
    if (eintrag == tempFuListe_.end() || tempNamen_.contains(term.front())) return std::nullopt;
    tempNamen_.insert(term.front());
    return eintrag->second;
  }

 private:
  std::set<char32_t> tempNamen_;
  std::map<char32_t, Polynom> tempFuListe_;
};

// The state of one reading.
struct Leser {
  Platzhalter platzhalter;
  bool gradUeberschritten = false;
};

struct Teilergebnis {
  Polynom p;
  bool ok = false;
};

// The exponent of a power text: "x" 1, "x^0" ... "x^14"; nothing for any other text
// ("x^02" and "x^15" included).
std::optional<int> hochwert(TextView potenz) {
  if (potenz.empty()) return 0;
  if (potenz == U"x") return 1;
  if (potenz.size() < 3 || potenz.substr(0, 2) != U"x^") return std::nullopt;
  const TextView ziffern = potenz.substr(2);
  for (int exponent = 0; exponent <= pgrad; ++exponent) {
    const std::string text = std::to_string(exponent);
    if (ziffern.size() == text.size() && std::equal(text.begin(), text.end(), ziffern.begin())) {
      return exponent;
    }
  }
  return std::nullopt;
}

// A number inside a term ("2", "-0.5", ".5", "3."): see zahlImTerm.
std::optional<double> dezimalzahl(TextView zahl) {
  std::string ascii;
  ascii.reserve(zahl.size());
  for (char32_t c : zahl) {
    if (c > 0x7f) return std::nullopt;
    ascii += static_cast<char>(c);
  }
  return alsZahl(ascii, zahlImTerm);
}

// One elementary term: a placeholder, a number, a power of x, or a coefficient (or "-")
// directly followed by a power of x ("3x^2", "-2.5x", "-x^4").
Teilergebnis zerlegeElementarTerm(Leser& leser, TextView term) {
  if (auto p = leser.platzhalter.loese(term)) return {*p, true};
  Koeffizienten k{};
  const std::size_t x = term.find(U'x');
  if (x == TextView::npos) {
    const auto zahl = dezimalzahl(term);
    if (!zahl) return {};
    k[0] = *zahl;
    return {Polynom(k), true};
  }
  const auto exponent = hochwert(term.substr(x));
  if (!exponent) return {};
  const TextView zahlText = term.substr(0, x);
  if (zahlText.empty()) {
    k[*exponent] = 1.0;
  } else if (zahlText == U"-") {
    k[*exponent] = -1.0;
  } else {
    const auto zahl = dezimalzahl(zahlText);
    if (!zahl) return {};
    k[*exponent] = *zahl;
  }
  return {Polynom(k), true};
}

// A product: the factors between the stars, multiplied from the left, starting from 1.
// A product beyond the maximum degree is the zero polynomial and fails the term.
Teilergebnis elementarProdukt2Polynom(Leser& leser, TextView produkt) {
  Teilergebnis ergebnis{Polynom{1.0}, true};
  std::size_t anfang = 0;
  while (true) {
    const std::size_t stern = produkt.find(U'*', anfang);
    const TextView faktor =
        produkt.substr(anfang, stern == TextView::npos ? TextView::npos : stern - anfang);
    const Teilergebnis q = zerlegeElementarTerm(leser, faktor);
    ergebnis.ok = ergebnis.ok && q.ok;
    if (produktZuGross(ergebnis.p, q.p)) {
      leser.gradUeberschritten = true;
      ergebnis.ok = false;
    }
    ergebnis.p = ergebnis.p * q.p;
    if (stern == TextView::npos) break;
    anfang = stern + 1;
  }
  return ergebnis;
}

// Splits a bracket-free text at "+" and "-" into single summands and products; a "-" stays
// with the summand after it. Empty pieces are kept: they cannot be read and fail the term.
struct Summen {
  std::vector<Text> summanden;
  std::vector<Text> produkte;
};

Summen zeichenFeld2Stringfeld(TextView quelle) {
  Summen summen;
  Text stueck;
  bool produkt = false;
  const auto abschliessen = [&](Text neu) {
    (produkt ? summen.produkte : summen.summanden).push_back(std::move(stueck));
    produkt = false;
    stueck = std::move(neu);
  };
  for (char32_t c : quelle) {
    if (c == U'+') {
      abschliessen({});
    } else if (c == U'-') {
      abschliessen(U"-");
    } else {
      stueck += c;
      if (c == U'*') produkt = true;
    }
  }
  (produkt ? summen.produkte : summen.summanden).push_back(std::move(stueck));
  return summen;
}

// A bracket-free text: the sum of its summands and products.
Teilergebnis term2Polynom0(Leser& leser, TextView term) {
  const Summen summen = zeichenFeld2Stringfeld(term);
  Teilergebnis ergebnis{Polynom{}, true};
  for (const Text& summand : summen.summanden) {
    const Teilergebnis q = zerlegeElementarTerm(leser, summand);
    ergebnis.ok = ergebnis.ok && q.ok;
    ergebnis.p = ergebnis.p + q.p;
  }
  for (const Text& produkt : summen.produkte) {
    const Teilergebnis q = elementarProdukt2Polynom(leser, produkt);
    ergebnis.ok = ergebnis.ok && q.ok;
    ergebnis.p = ergebnis.p + q.p;
  }
  return ergebnis;
}

// Replaces every one-letter function name by a placeholder for that function, from the
// right end of the text to the left. False when the placeholders run out.
bool alleFuNamenErsetzen(Leser& leser, Text& q, const std::map<char32_t, const Polynom*>& namen) {
  for (std::size_t i = q.size(); i-- > 0;) {
    const auto name = namen.find(q[i]);
    if (name == namen.end()) continue;
    const auto t = leser.platzhalter.binde(*name->second);
    if (!t) return false;
    q[i] = *t;
  }
  return true;
}

// Reads every bracket, innermost first and from right to left (always the last "(" still
// in the text), and replaces it by a placeholder for its polynomial. Returns the
// bracket-free rest, or nothing when a bracket is empty, cannot be read, or no placeholder
// is left.
//
// Instead of cutting and gluing the text for every bracket, each "(" remembers the
// placeholder that replaced its bracket; reading a content skips over the brackets inside
// it. That keeps long terms linear.
std::optional<Text> klammernErsetzen(Leser& leser, const Text& q) {
  constexpr std::size_t keiner = Text::npos;
  std::vector<std::size_t> partner(q.size(), keiner);
  std::vector<std::size_t> offen;
  for (std::size_t i = 0; i < q.size(); ++i) {
    if (q[i] == U'(') {
      offen.push_back(i);
    } else if (q[i] == U')') {
      if (offen.empty()) return std::nullopt;
      partner[offen.back()] = i;
      offen.pop_back();
    }
  }
  if (!offen.empty()) return std::nullopt;

  std::vector<char32_t> ersatz(q.size(), U'\0');
  const auto abschnitt = [&](std::size_t von, std::size_t bis) {
    Text text;
    for (std::size_t k = von; k < bis;) {
      if (q[k] == U'(') {
        text += ersatz[k];
        k = partner[k] + 1;
      } else {
        text += q[k];
        ++k;
      }
    }
    return text;
  };
  for (std::size_t i = q.size(); i-- > 0;) {
    if (q[i] != U'(') continue;
    const Text inhalt = abschnitt(i + 1, partner[i]);
    if (inhalt.empty()) return std::nullopt;
    const Teilergebnis p = term2Polynom0(leser, inhalt);
    if (!p.ok) return std::nullopt;
    const auto t = leser.platzhalter.binde(p.p);
    if (!t) return std::nullopt;
    ersatz[i] = *t;
  }
  return abschnitt(0, q.size());
}

bool istAusDemAlphabet(char32_t c, const std::map<char32_t, const Polynom*>& namen) {
  return erlaubteZeichen().contains(c) || istLeerzeichen(c) || namen.contains(c);
}

}  // namespace

Termergebnis term2Polynom(std::string_view s, const Funktionsliste& fuListe) {
  Termergebnis ergebnis{Polynom{}, std::string(nichtZuVerarbeitenMeldung), true, {}};

  std::set<std::string> funktionsnamen;
  std::map<char32_t, const Polynom*> einbuchstabige;
  for (const auto& [name, p] : fuListe) {
    if (!p) continue;
    funktionsnamen.insert(name);
    const std::vector<char32_t> zeichen = codepunkte(name);
    if (zeichen.size() == 1) einbuchstabige[zeichen.front()] = p.get();
  }

  const std::vector<char32_t> getippt = codepunkte(s);
  Leser leser;
  if (getippt.size() > groessteTermlaenge) {
    ergebnis.ok = false;
  } else if (!klammerTest(s)) {
    ergebnis.ok = false;
    ergebnis.meldung = klammerfehlerMeldung;
  } else if (!std::all_of(getippt.begin(), getippt.end(),
                          [&](char32_t c) { return istAusDemAlphabet(c, einbuchstabige); })) {
    // A character that is neither in the alphabet nor a function name would otherwise be
    // dropped silently and change the meaning ("1/3x" would read as 13x).
    ergebnis.ok = false;
  } else {
    const std::string normalisiert =
        trimmString(sterneEinschieben(s, funktionsnamen), funktionsnamen);
    const Entfaltung entfaltet = entfaltePotenzen(normalisiert);
    Text q = u32Text(entfaltet.text);
    if (!entfaltet.ok || !alleFuNamenErsetzen(leser, q, einbuchstabige)) {
      ergebnis.ok = false;
    } else if (!entfaltet.fehlerMeldung.empty()) {
      ergebnis.ok = false;
      ergebnis.meldung += entfaltet.fehlerMeldung;
    } else if (const auto ohneKlammern = klammernErsetzen(leser, q)) {
      const Teilergebnis summe = term2Polynom0(leser, *ohneKlammern);
      ergebnis.p = summe.p;
      ergebnis.ok = summe.ok;
    } else {
      ergebnis.ok = false;
    }
  }

  for (double& c : ergebnis.p.koeff) {
    if (istNull(c)) c = 0.0;
    // Huge numbers can overflow in a product; such a result is no polynomial to work with.
    if (!std::isfinite(c)) ergebnis.ok = false;
  }
  if (leser.gradUeberschritten) ergebnis.testString = maximalgradMeldung;
  return ergebnis;
}

}  // namespace quarvel
