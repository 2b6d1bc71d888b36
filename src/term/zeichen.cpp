#include "term/zeichen.h"

#include <optional>

#include "model/objektlisten.h"
#include "model/utf8.h"

namespace quarvel {

const Zeichenmenge& namensTeile() {
  static const Zeichenmenge menge = [] {
    Zeichenmenge m;
    for (char32_t c = U'a'; c <= U'z'; ++c) m.insert(c);
    for (char32_t c = U'A'; c <= U'Z'; ++c) m.insert(c);
    for (char32_t c = U'0'; c <= U'9'; ++c) m.insert(c);
    return m;
  }();
  return menge;
}

const Zeichenmenge& erlaubteZeichen() {
  static const Zeichenmenge menge = [] {
    Zeichenmenge m{U'x', U'(', U')', U'+', U'-', U'*', U',', U'.', U'^'};
    for (char32_t c = U'0'; c <= U'9'; ++c) m.insert(c);
    return m;
  }();
  return menge;
}

bool istLeerzeichen(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\u00A0';
}

namespace {

// The code point of a one-character text, nothing for any other text.
std::optional<char32_t> einzelnesZeichen(std::string_view text) {
  const std::vector<char32_t> zeichen = codepunkte(text);
  if (zeichen.size() != 1) return std::nullopt;
  return zeichen.front();
}

bool istTrennzeichen(char32_t c) {
  return c == U',' || c == U' ' || c == U';';
}

// Appends one code point; terms are nearly all ASCII, so that case avoids a temporary.
void haengeAn(std::string& text, char32_t c) {
  if (c < 0x80) {
    text.push_back(static_cast<char>(c));
  } else {
    text += utf8(c);
  }
}

// The one-character names among `funktionsnamen`, as code points.
std::set<char32_t> einbuchstabigeNamen(const std::set<std::string>& funktionsnamen) {
  std::set<char32_t> namen;
  for (const std::string& name : funktionsnamen) {
    if (const auto c = einzelnesZeichen(name)) namen.insert(*c);
  }
  return namen;
}

std::vector<std::string> zerlege(std::string_view s, bool leereBehalten) {
  std::vector<std::string> teile;
  std::string stueck;
  for (char32_t c : codepunkte(s)) {
    if (istTrennzeichen(c)) {
      if (leereBehalten || !stueck.empty()) teile.push_back(stueck);
      stueck.clear();
    } else {
      stueck += utf8(c);
    }
  }
  teile.push_back(stueck);
  return teile;
}

}  // namespace

std::string ersetzeZeichen(std::string_view ziel, std::string_view alt, std::string_view neu) {
  const auto gesucht = einzelnesZeichen(alt);
  if (!gesucht) return std::string(ziel);
  std::string ergebnis;
  for (char32_t c : codepunkte(ziel)) {
    if (c == *gesucht) {
      ergebnis += neu;
    } else {
      haengeAn(ergebnis, c);
    }
  }
  return ergebnis;
}

std::string filtereZeichenMenge(std::string_view ziel, const Zeichenmenge& zMenge,
                                const std::set<std::string>& funktionsnamen) {
  const std::set<char32_t> namen = einbuchstabigeNamen(funktionsnamen);
  std::string ergebnis;
  ergebnis.reserve(ziel.size() + 1);
  char32_t letztes = U'\0';
  for (char32_t c : codepunkte(ziel)) {
    if (zMenge.contains(c) || namen.contains(c)) haengeAn(ergebnis, c);
    letztes = c;
  }
  if (letztes == U'+' || letztes == U'-') {
    ergebnis += "0";
  } else if (letztes == U'*') {
    ergebnis += "1";
  }
  return ergebnis;
}

std::vector<std::string> gehackterString2Stringfeld(std::string_view s) {
  return zerlege(s, false);
}

std::vector<std::string> feingehackterString2Stringfeld(std::string_view s) {
  return zerlege(s, true);
}

std::size_t nameEnthaeltZeichen(std::string_view name, std::string_view zeichen) {
  const auto gesucht = einzelnesZeichen(zeichen);
  if (!gesucht) return 0;
  std::size_t anzahl = 0;
  for (char32_t c : codepunkte(name)) {
    if (c == *gesucht) ++anzahl;
  }
  return anzahl;
}

std::string_view ohneRand(std::string_view text, std::string_view rand) {
  const auto anfang = text.find_first_not_of(rand);
  if (anfang == std::string_view::npos) return {};
  return text.substr(anfang, text.find_last_not_of(rand) - anfang + 1);
}

Klammerung klammerung(std::u32string_view text) {
  Klammerung k;
  std::vector<std::size_t> offen;  // indices into k.paare
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'(') {
      offen.push_back(k.paare.size());
      k.paare.push_back({i + 1, 0});
    } else if (text[i] == U')') {
      if (offen.empty()) {
        k.ausgeglichen = false;
      } else {
        k.paare[offen.back()].zu = i + 1;
        offen.pop_back();
      }
    }
  }
  if (!offen.empty()) k.ausgeglichen = false;
  return k;
}

bool klammerTest(std::string_view q) {
  return klammerung(u32Text(q)).ausgeglichen;
}

Klammerpaar klammerpositionen(std::string_view quelle) {
  const Klammerung k = klammerung(u32Text(quelle));
  return k.paare.empty() ? Klammerpaar{} : k.paare.back();
}

namespace {

// What `sterneEinschieben` writes for the character s after the character `vorher`:
// `vorsatz` followed by s itself, or `vorsatz` alone when the rule consumes s.
struct Einschub {
  std::string_view vorsatz;
  bool zeichenBehalten = true;
};

// The rules in the order they are tried; the first that fits decides.
Einschub einschub(char32_t vorher, char32_t s, bool sIstFunktionsname) {
  const bool sIstZiffer = istZiffer(s);
  if (vorher == U')' && s == U'(') return {"*"};              // (a)(b)  -> (a)*(b)
  if (vorher == U'x' && sIstZiffer) return {"*"};             // x2      -> x*2
  if (vorher == U'x' && s == U'(') return {"*"};              // x(a)    -> x*(a)
  if (vorher == U')' && s == U'x') return {"*"};              // (a)x    -> (a)*x
  if (vorher == U'x' && s == U'x') return {"*"};              // xx      -> x*x
  if (vorher == U')' && sIstZiffer) return {"*"};             // (a)2    -> (a)*2
  if (vorher == U'-' && s == U'(') return {"1*"};             // -(a)    -> -1*(a)
  if (vorher == U'*' && s == U'-') return {"(0-1)*", false};  // 3*-x    -> 3*(0-1)*x
  if (vorher == U'(' && s == U'-') return {"(0-1)*", false};  // (-x)    -> ((0-1)*x)
  if (vorher == U'^' && !sIstZiffer) return {"1"};            // x^-2    -> x^1-2
  if (istZiffer(vorher) && s == U'(') return {"*"};           // 2(a)    -> 2*(a)
  if (vorher == U'-' && sIstFunktionsname) return {"1*"};     // -f      -> -1*f
  if (istZiffer(vorher) && sIstFunktionsname) return {"*"};   // 2f      -> 2*f
  return {};
}

}  // namespace

std::string sterneEinschieben(std::string_view q, const std::set<std::string>& funktionsnamen) {
  const std::set<char32_t> namen = einbuchstabigeNamen(funktionsnamen);
  std::string ergebnis;
  ergebnis.reserve(q.size() + q.size() / 2);
  char32_t vorher = U'&';  // matches no rule
  for (char32_t s : codepunkte(q)) {
    // Blanks between a caret and its exponent do not count as the character after the caret.
    if (vorher == U'^' && istLeerzeichen(s)) {
      haengeAn(ergebnis, s);
      continue;
    }
    const Einschub regel = einschub(vorher, s, namen.contains(s));
    ergebnis += regel.vorsatz;
    if (regel.zeichenBehalten) haengeAn(ergebnis, s);
    vorher = s;
  }
  return ergebnis;
}

std::string doppelZeichenTilgen(std::string_view q) {
  std::vector<char32_t> feld = codepunkte(q);
  // Each pair of signs becomes a blank and one sign; the new sign takes part in the next pair.
  for (std::size_t i = 0; i + 1 < feld.size(); ++i) {
    const char32_t a = feld[i];
    const char32_t b = feld[i + 1];
    char32_t neu = U'\0';
    if (a == U'-' && b == U'-') {
      neu = U'+';
    } else if (a == U'-' && b == U'+') {
      neu = U'-';
    } else if (a == U'+' && b == U'+') {
      neu = U'+';
    } else if (a == U'+' && b == U'-') {
      neu = U'-';
    } else if (a == U'*' && b == U'*') {
      neu = U'*';
    } else if (a == U'*' && b == U'+') {
      neu = U'*';
    }
    if (neu != U'\0') {
      feld[i] = U' ';
      feld[i + 1] = neu;
    }
  }
  std::string ergebnis;
  if (!feld.empty() && (feld.front() == U'+' || feld.front() == U'-')) ergebnis = "0";
  for (char32_t c : feld) {
    if (c != U' ') haengeAn(ergebnis, c);
  }
  return ergebnis;
}

std::string trimmString(std::string_view quelle, const std::set<std::string>& funktionsnamen) {
  const std::string mitPunkt = ersetzeZeichen(quelle, ",", ".");
  const std::string gefiltert = filtereZeichenMenge(mitPunkt, erlaubteZeichen(), funktionsnamen);
  return "1*" + doppelZeichenTilgen(gefiltert) + "*1";
}

}  // namespace quarvel
