#include "term/zeichen.h"

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

std::string filtereZeichenMenge(std::string_view ziel, const Zeichenmenge& zMenge,
                                const std::set<std::string>& funktionsnamen) {
  std::string ergebnis;
  char32_t letztes = U'\0';
  for (char32_t c : codepunkte(ziel)) {
    const std::string zeichen = utf8(c);
    if (zMenge.contains(c) || funktionsnamen.contains(zeichen)) ergebnis += zeichen;
    letztes = c;
  }
  if (letztes == U'+' || letztes == U'-') {
    ergebnis += "0";
  } else if (letztes == U'*') {
    ergebnis += "1";
  }
  return ergebnis;
}

namespace {
bool istTrennzeichen(char32_t c) { return c == U',' || c == U' ' || c == U';'; }

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

std::vector<std::string> gehackterString2Stringfeld(std::string_view s) { return zerlege(s, false); }

std::vector<std::string> feingehackterString2Stringfeld(std::string_view s) {
  return zerlege(s, true);
}

Klammerpaar klammerpositionen(std::string_view quelle) {
  const std::vector<char32_t> zeichen = codepunkte(quelle);
  Klammerpaar paar;
  for (std::size_t i = 0; i < zeichen.size(); ++i) {
    if (zeichen[i] == U'(') paar.auf = i + 1;
  }
  for (std::size_t i = 0; i < zeichen.size(); ++i) {
    if (zeichen[i] == U')' && paar.zu < paar.auf) paar.zu = i + 1;
  }
  return paar;
}

}  // namespace quarvel
