// Runs short scripts of real commands on a fresh state. The fuzzer's bytes are decoded into
// steps: set a field to a hostile text (huge and tiny numbers, "-0", long and deep terms,
// clashing names, intervals, unicode), queue an answer, run a command of the table, send a
// wheel or mouse event. After every step the state must be sound:
//   - no report (output, hint, protocol, legend, mouse field, question) shows "inf", "nan"
//     or "-0.0", and no stored number or frame limit is non-finite;
//   - every stored object's name is out of its name pool;
//   - a command that beeped or raised a warning changed no list.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <sstream>
#include <string>
#include <vector>

#include "app/befehle.h"
#include "app/oberflaeche.h"
#include "app/schale.h"
#include "app/zustand.h"
#include "graph/anzeigeliste.h"

namespace {

using namespace quarvel;

// Reads the fuzzer's bytes one at a time; zero once they are used up.
class Leser {
 public:
  Leser(const std::uint8_t* daten, std::size_t groesse) : daten_(daten), groesse_(groesse) {}
  bool leer() const { return pos_ >= groesse_; }
  std::uint8_t byte() { return leer() ? 0 : daten_[pos_++]; }
  template <typename T>
  const T& waehle(const std::vector<T>& aus) {
    return aus[byte() % aus.size()];
  }

 private:
  const std::uint8_t* daten_;
  std::size_t groesse_;
  std::size_t pos_ = 0;
};

// Field texts. None of them holds "inf", "nan" or "-0.0" itself, so any such text in a
// report was made by the program.
const std::vector<std::string> zahlen{
    "0",      "-0",       "-0e0",  "1",      "-1",           "2",      "0.5",
    "3",      "-3",       "10",    "100",    "1e15",         "-1e15",  "1e16",
    "1e160",  "1e200",    "1e308", "-1e308", "8e307",        "-8e307", "1e999",
    "1e-308", "4.9e-324", "1e-7",  "-1e-9",  "638886422720", "1,5",    " 2 ",
    "",       "-",        "x",     "1e",     "0x10"};
const std::vector<std::string> intervalle{"1, 3", "-2;5",         "3, 1",       "-1e16;1", "0 0",
                                          "a;b",  "1e308;-1e308", "-1e15;1e15", "1;1",     "-0;0"};
const std::vector<std::string> terme{
    "x^2-4",
    "x^3+8x^2",
    "2x^2-2x-2",
    "x^14",
    "x^15",
    "(x+1)^14",
    "(x-1)^7*(x+1)^7",
    "1e308x^14+1e308",
    "1e-300x",
    "-x",
    "0",
    "3*638886422720",
    "f",
    "f+g",
    "akt*akt",
    "x(x",
    "((((((((((((((((((((x))))))))))))))))))))",
    "x^2,5",
    "2x²+√x",
    "\xe2\x80\x8bx",
    "x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x",
    "1/3x",
    "-0x"};
const std::vector<std::string> punkte{
    "A(1,2)",      "A(1e308,-1e308)", "B(2,,3,)",    "C(3,4,5,6)",   "P1(0,0)",
    "Z(-0.001,5)", "A(-0,-0)",        "B(2,-8e307)", "D(1e15,1e15)", "E(1,2",
    "(1,2)",       "F(1,2,3)",        "G(a,b)",      "Ä(1,2)",       "H(4,-4,-,-)"};
const std::vector<std::string> namen{"f",  "g",    "h",  "akt", "a", "A",    "B",   "A*",
                                     "P*", "P1",   "nP", "eP",  "x", "",     "f g", "zz",
                                     "C1", "alle", "s",  "?",   "ä", "A B C"};
// View positions a window can deliver: inside the view and, while dragging, past its edges.
const std::vector<std::string> ansichtsorte{"0",   "-0",  "1",   "20",    "325.5", "580",
                                            "650", "-40", "700", "-5000", "12000", "0.001"};
const std::vector<std::string> dateien{"", ".png", "bild.xyz", "/nicht/da/bild.png"};

const std::vector<const std::vector<std::string>*> allePools{&zahlen, &intervalle, &terme, &punkte,
                                                             &namen};

std::string feldtext(Leser& l, const std::vector<std::string>& eigene) {
  // Mostly a text of the field's own kind, sometimes any, sometimes two glued together.
  switch (l.byte() % 8) {
    case 0:
      return l.waehle(*l.waehle(allePools)) + l.waehle(eigene);
    case 1:
      return l.waehle(*l.waehle(allePools));
    default:
      return l.waehle(eigene);
  }
}

class FuzzOberflaeche final : public Oberflaeche {
 public:
  std::string auswahl(const std::string& meldung, const std::string& option,
                      const std::string& option2, Unveraendert) override {
    fragen += meldung + "\n";
    if (option == "Gelesen") gewarnt = true;
    if (antworten.empty() || option2.empty()) return option;
    const bool zweite = antworten.front();
    antworten.pop_front();
    return zweite ? option2 : option;
  }
  void piep() override { gewarnt = true; }
  void neuZeichnen() override {}
  void beenden() override {}

  std::deque<bool> antworten;
  std::string fragen;
  bool gewarnt = false;
};

[[noreturn]] void befund(const char* was, const std::string& text) {
  std::fprintf(stderr, "Befund: %s\n%s\n", was, text.c_str());
  __builtin_trap();
}

bool istBuchstabe(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// "inf" or "nan" as a word of its own, or a negative zero ("-0.0" not followed by a digit).
void pruefeText(const char* wo, const std::string& text) {
  for (const char* wort : {"inf", "nan"}) {
    for (auto pos = text.find(wort); pos != std::string::npos; pos = text.find(wort, pos + 1)) {
      const bool vorn = pos == 0 || !istBuchstabe(text[pos - 1]);
      const bool hinten = pos + 3 >= text.size() || !istBuchstabe(text[pos + 3]);
      if (vorn && hinten) befund(wo, text);
    }
  }
  for (auto pos = text.find("-0.0"); pos != std::string::npos; pos = text.find("-0.0", pos + 1)) {
    std::size_t ende = pos + 4;
    while (ende < text.size() && text[ende] == '0') ++ende;
    if (ende >= text.size() || text[ende] < '1' || text[ende] > '9') befund(wo, text);
  }
}

void pruefeZahl(const char* wo, double v) {
  if (!std::isfinite(v)) befund(wo, std::to_string(v));
}

// The lists as one comparable text.
std::string bestand(const Zustand& z) {
  std::ostringstream aus;
  aus.precision(17);
  for (const auto& [name, p] : z.listen.fuListe()) {
    aus << name;
    for (double k : p->koeff) aus << ' ' << k;
    aus << '\n';
  }
  for (const auto& [name, p] : z.listen.pktListe()) {
    aus << name << ' ' << p->aktiv << p->valid[0] << p->valid[1] << p->valid[2];
    for (double k : p->ko) aus << ' ' << k;
    aus << '\n';
  }
  for (const auto& [name, _] : z.listen.spListe()) aus << name << '\n';
  return aus.str();
}

void pruefeZustand(const Zustand& z) {
  for (const auto& [name, p] : z.listen.fuListe()) {
    for (double k : p->koeff) pruefeZahl("Koeffizient", k);
    if (z.listen.fuNamen().contains(name)) befund("Funktionsname im Pool", name);
  }
  for (double k : z.akt->koeff) pruefeZahl("aktuelle Funktion", k);
  for (const auto& [name, p] : z.listen.pktListe()) {
    for (double k : p->ko) pruefeZahl("Punkt", k);
    if (z.listen.punktNamen().contains(name)) befund("Punktname im Pool", name);
  }
  for (const auto& [name, s] : z.listen.spListe()) {
    for (const Polynom& stueck : s->stuecke) {
      for (double k : stueck.koeff) pruefeZahl("Spline", k);
    }
    if (z.listen.fuNamen().contains(name)) befund("Splinename im Pool", name);
  }
  const Grafikzustand& g = z.grafik;
  for (double v : {g.xlinks, g.xrechts, g.yunten, g.yoben}) pruefeZahl("Rahmen", v);
}

// One step decoded from the bytes.
void schritt(Leser& l, Zustand& z, FuzzOberflaeche& ui, const std::vector<std::string>& befehle) {
  Felder& f = z.felder;
  switch (l.byte() % 12) {
    case 0:
      f.eingabe = feldtext(l, terme);
      return;
    case 1:
      f.eingabe = feldtext(l, punkte);
      return;
    case 2:
      f.name = feldtext(l, namen);
      return;
    case 3:
      f.x = feldtext(l, l.byte() % 2 ? zahlen : intervalle);
      return;
    case 4:
      f.y = feldtext(l, l.byte() % 2 ? zahlen : namen);
      return;
    case 5:
      z.grafik.traeger = feldtext(l, namen);
      return;
    case 6:
      ui.antworten.push_back(l.byte() % 2 == 1);
      return;
    default:
      break;
  }
  std::string name;
  Argumente argumente;
  switch (l.byte() % 6) {
    case 0:
      name = "scrollWheel";
      argumente = {l.waehle(zahlen), l.waehle(zahlen)};
      for (const char* taste : {"ctrl", "alt", "cmd"}) {
        if (l.byte() % 3 == 0) argumente.emplace_back(taste);
      }
      break;
    case 1:
    case 2:
      name = l.byte() % 2 ? "mouseDragged" : "rightMouseDragged";
      argumente = {l.waehle(ansichtsorte), l.waehle(ansichtsorte)};
      break;
    case 3:
      name = "printB";
      argumente = {l.waehle(dateien)};
      break;
    default:
      name = l.waehle(befehle);
      break;
  }

  const std::string vorher = bestand(z);
  const std::size_t protokollVorher = z.protokoll.size();
  ui.gewarnt = false;
  ui.fragen.clear();
  fuehreAus(z, name, argumente);

  pruefeText("Ausgabe", f.ausgabe);
  pruefeText("Hinweis", f.hinweis);
  pruefeText("Protokoll", z.protokoll.substr(std::min(protokollVorher, z.protokoll.size())));
  pruefeText("Legende", legendenText(z.grafik, z.dezimalen));
  pruefeText("Maus", z.grafik.maus);
  pruefeText("Frage", ui.fragen);
  pruefeZustand(z);
  if (ui.gewarnt && bestand(z) != vorher) befund("Abgelehnter Befehl änderte die Listen", name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  static const std::vector<std::string> befehle = [] {
    std::vector<std::string> n;
    // printB and the events come with words of their own; ending the run would end nothing.
    for (const std::string& name : alleBefehle().namen()) {
      if (name != "printB" && name != "scrollWheel" && name != "mouseDragged" &&
          name != "rightMouseDragged" && name != "quitB") {
        n.push_back(name);
      }
    }
    return n;
  }();

  FuzzOberflaeche ui;
  Zustand z(ui, 1);
  starte(z);
  Leser l(daten, groesse);
  for (int schritte = 0; schritte < 40 && !l.leer(); ++schritte) schritt(l, z, ui, befehle);
  return 0;
}
