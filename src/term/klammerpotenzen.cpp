#include "term/klammerpotenzen.h"

#include "model/objektlisten.h"
#include "model/polynom.h"
#include "model/utf8.h"
#include "term/zeichen.h"

namespace quarvel {

namespace {

using Text = std::u32string;
using TextView = std::u32string_view;

bool enthaeltKlammerHoch(TextView q) {
  return q.find(U")^") != TextView::npos;
}

// The brackets around the base of the first bracket power: the pair closed right before
// the first ")^", so nested powers are expanded from the inside out; (0, 0) when there is
// none or its ")" closes nothing.
Klammerpaar grenzenDerBasis(TextView q) {
  const std::size_t dach = q.find(U")^");
  if (dach == TextView::npos) return {};
  for (const Klammerpaar& paar : klammerung(q).paare) {
    if (paar.zu == dach + 1) return paar;
  }
  return {};
}

struct Schnitt {
  Text vorne, mitte, hinten;
  int n = 0;
  bool exponentGelesen = false;
  std::string fehlerMeldung;
};

Schnitt schneide(TextView q) {
  const Klammerpaar basis = grenzenDerBasis(q);
  Schnitt s;
  if (basis.auf == 0) {
    s.vorne = Text(q);
    return s;
  }
  // Positions count from 1: [auf, zu] is the base, zu + 1 the caret, zu + 2 the exponent.
  s.vorne = Text(q.substr(0, basis.auf - 1));
  s.mitte = Text(q.substr(basis.auf - 1, basis.zu - basis.auf + 1));
  if (basis.zu + 1 < q.size()) {
    const char32_t exponent = q[basis.zu + 1];
    if (istZiffer(exponent)) {
      s.n = static_cast<int>(exponent - U'0');
      s.exponentGelesen = true;
      if (s.n * (pgrad - s.n) < 0) {
        s.fehlerMeldung = std::string(exponentBereichMeldung) + std::to_string(pgrad);
      }
    }
    s.hinten = Text(q.substr(basis.zu + 2));
  }
  return s;
}

Text vervielfache(TextView mitte, int n) {
  if (mitte.empty()) return {};
  if (n == 0) return U"1";
  if (n < 2 || n > pgrad) return Text(mitte);
  Text ergebnis;
  ergebnis.reserve(static_cast<std::size_t>(n) * (mitte.size() + 1));
  for (int i = 0; i < n; ++i) {
    if (i > 0) ergebnis += U'*';
    ergebnis += mitte;
  }
  return ergebnis;
}

struct TextEntfaltung {
  Text text;
  bool ok = true;
  std::string fehlerMeldung;
};

TextEntfaltung entfalteErste(TextView q) {
  Schnitt s = schneide(q);
  if (!s.exponentGelesen) return {Text(q), false, {}};
  return {s.vorne + vervielfache(s.mitte, s.n) + s.hinten, true, s.fehlerMeldung};
}

}  // namespace

Entfaltung entfaltePotenzen(std::string_view q) {
  Text text = u32Text(q);
  std::string fehlerMeldung;
  // Each pass removes one ")^", so the loop ends; the length bound stops runaway nesting.
  while (enthaeltKlammerHoch(text)) {
    TextEntfaltung e = entfalteErste(text);
    if (!e.fehlerMeldung.empty()) fehlerMeldung = e.fehlerMeldung;
    if (!e.ok || e.text.size() > groessteTermlaenge) return {utf8(text), false, fehlerMeldung};
    text = std::move(e.text);
  }
  return {utf8(text), true, fehlerMeldung};
}

}  // namespace quarvel
