#include "construction/steckbriefrechenweg.h"

#include <algorithm>
#include <cstddef>

#include "construction/steckbrief.h"
#include "model/schultext.h"
#include "model/utf8.h"
#include "model/zahltext.h"

namespace quarvel {

namespace {

// Up to this many unknowns they are plain letters.
constexpr int hoechstensBuchstaben = 5;

// The unknown that multiplies x^potenz among n unknowns.
std::string unbekannte(int potenz, int n) {
  if (n > hoechstensBuchstaben) return "a" + tiefgestellt(potenz);
  return std::string(1, static_cast<char>('a' + (n - 1 - potenz)));
}

std::string potenzVon(int i) {
  return i == 0 ? "" : i == 1 ? "x" : "x" + hochgestellt(i);
}

// The condition a matrix row stands for: "f(1.0) = 2.0", "f'(0.0) = 0.0".
std::vector<std::string> bedingungen(const std::vector<Punkt>& pfeld, const std::string& name,
                                     Zahlformat format) {
  std::vector<std::string> texte;
  for (const Punkt& p : pfeld) {
    const std::string stelle = "(" + schulZahl(p.x(), format) + ") = ";
    if (p.valy()) texte.push_back(name + stelle + schulZahl(p.y(), format));
    if (p.valz()) texte.push_back(ableitungsName(name, 1) + stelle + schulZahl(p.z(), format));
    if (p.valw()) texte.push_back(ableitungsName(name, 2) + stelle + schulZahl(p.w(), format));
  }
  return texte;
}

std::size_t breite(const std::string& text) {
  return u32Text(text).size();
}

std::string rechtsbuendig(const std::string& text, std::size_t spaltenbreite) {
  return std::string(spaltenbreite - breite(text), ' ') + text;
}

// The augmented matrix, highest power first, each column right-aligned.
std::string matrixText(const Matrix& m, Zahlformat format) {
  const int n = m.rows;
  std::vector<std::vector<std::string>> zellen(static_cast<std::size_t>(n));
  std::vector<std::size_t> breiten(static_cast<std::size_t>(n) + 1, 0);
  for (int r = 0; r < n; ++r) {
    for (int spalte = 0; spalte <= n; ++spalte) {
      const int j = spalte < n ? n - 1 - spalte : n;
      const std::string zelle = schulZahl(m(r, j), format);
      auto& spaltenbreite = breiten[static_cast<std::size_t>(spalte)];
      spaltenbreite = std::max(spaltenbreite, breite(zelle));
      zellen[static_cast<std::size_t>(r)].push_back(zelle);
    }
  }
  std::string text;
  for (const auto& zeile : zellen) {
    text += " (";
    for (std::size_t s = 0; s < zeile.size(); ++s) {
      text += (s + 1 == zeile.size() ? " | " : " ") + rechtsbuendig(zeile[s], breiten[s]);
    }
    text += " )\n";
  }
  return text;
}

}  // namespace

std::string steckbriefRechenweg(const std::vector<Punkt>& pfeld, const Polynom& p,
                                const std::string& name, Zahlformat format) {
  const Matrix m = punkte2Matrix(pfeld).system;
  const int n = m.rows;
  std::string allgemein;
  for (int i = n - 1; i >= 0; --i) {
    allgemein += (allgemein.empty() ? "" : " + ") + unbekannte(i, n) + potenzVon(i);
  }
  std::string text = "Ansatz: Polynom vom Grad " + std::to_string(n - 1) + " mit " +
                     std::to_string(n) + " Unbekannten\n " + name + "(x) = " + allgemein +
                     "\n\nBedingungen:\n";
  const auto bedingungsTexte = bedingungen(pfeld, name, format);
  for (int r = 0; r < n; ++r) {
    std::string gleichung;
    for (int j = n - 1; j >= 0; --j) {
      if (runden(m(r, j), format.dezimalen) == 0.0) continue;
      gleichung += schulSummand(m(r, j), unbekannte(j, n), gleichung.empty(), format);
    }
    if (gleichung.empty()) gleichung = "0.0";
    text += " " + bedingungsTexte[static_cast<std::size_t>(r)] + " ⇒ " + gleichung + " = " +
            schulZahl(m(r, n), format) + "\n";
  }
  text += "\nLineares Gleichungssystem (Spalten:";
  for (int i = n - 1; i >= 0; --i) text += " " + unbekannte(i, n);
  text += " | rechte Seite):\n" + matrixText(m, format) + "\nLösung:";
  for (int i = n - 1; i >= 0; --i) {
    text += " " + unbekannte(i, n) + " = " +
            schulZahl(p.koeff[static_cast<std::size_t>(i)], format) + (i > 0 ? "," : "");
  }
  return text + "\n\n " + name + "(x) = " + schulPolynom(p, format);
}

}  // namespace quarvel
