#include "app/dokument.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <utility>

#include "app/dateien.h"
#include "app/json.h"
#include "model/utf8.h"

namespace quarvel {

using Json = nlohmann::ordered_json;

namespace {

// ---- Writing ----

template <std::size_t N>
Json zahlen(const std::array<double, N>& werte) {
  return Json(std::vector<double>(werte.begin(), werte.end()));
}

Json rahmen(const Grenzen& g) {
  return Json::array({g.links, g.rechts, g.unten, g.oben});
}

std::string farbname(Farbe f) {
  return std::string(rohText(f));
}

Json polynomJson(const Polynom& p) {
  Json kritisch = Json::array();
  for (const KritPunkt& k : p.kritPunkte) kritisch.push_back(Json::array({k.x, k.y}));
  return Json{{"name", p.name},
              {"koeff", zahlen(p.koeff)},
              {"farbe", farbname(p.color)},
              {"sichtbar", p.sichtbar},
              {"grenzen", rahmen(p.grenzen)},
              {"kritPunkte", std::move(kritisch)}};
}

// The name of the first stored function that is the very object `p`, if any.
std::optional<std::string> gespeichertAls(const Zustand& z, const PolynomRef& p) {
  for (const auto& [name, f] : z.listen.fuListe()) {
    if (f == p) return name;
  }
  return std::nullopt;
}

Json funktionenJson(const Zustand& z) {
  Json liste = Json::array();
  for (const auto& [name, f] : z.listen.fuListe()) {
    // One object stored under two names stays one object.
    if (const auto erster = gespeichertAls(z, f); erster && *erster != name) {
      liste.push_back(Json{{"name", name}, {"wie", *erster}});
      continue;
    }
    Json eintrag = polynomJson(*f);
    eintrag["name"] = name;
    liste.push_back(std::move(eintrag));
  }
  return liste;
}

Json verweisOderPolynom(const Zustand& z, const PolynomRef& p, bool aktMoeglich) {
  if (aktMoeglich && p == z.akt) return Json{{"wie", "akt"}};
  if (const auto name = gespeichertAls(z, p)) return Json{{"wie", *name}};
  return polynomJson(*p);
}

Json punkteJson(const Zustand& z) {
  Json liste = Json::array();
  for (const auto& [name, p] : z.listen.pktListe()) {
    liste.push_back(Json{{"name", name},
                         {"ko", zahlen(p->ko)},
                         {"gueltig", {p->valid[0], p->valid[1], p->valid[2]}},
                         {"aktiv", p->aktiv},
                         {"bezeichnet", p->bezeichnet},
                         {"versatz", {p->pos.dx, p->pos.dy}}});
  }
  return liste;
}

Json splinesJson(const Zustand& z) {
  Json liste = Json::array();
  for (const auto& [name, s] : z.listen.spListe()) {
    Json stuecke = Json::array();
    for (const Polynom& p : s->stuecke) stuecke.push_back(zahlen(p.koeff));
    liste.push_back(Json{{"name", name},
                         {"zerlegung", s->zerlegung},
                         {"stuecke", std::move(stuecke)},
                         {"farbe", farbname(s->color)},
                         {"sichtbar", s->sichtbar},
                         {"grenzen", rahmen(s->grenzen)}});
  }
  return liste;
}

constexpr std::array fensterTypen = {std::pair{FensterW::rechteckig, "rechteckig"},
                                     std::pair{FensterW::grafbedingt, "grafbedingt"},
                                     std::pair{FensterW::nachpunkten, "nachpunkten"}};
constexpr std::array dimensionen = {std::pair{GrafikDimension::aktuell, "aktuell"},
                                    std::pair{GrafikDimension::nominal, "nominal"},
                                    std::pair{GrafikDimension::allfunktional, "allfunktional"}};

template <typename E, std::size_t N>
const char* nameVon(const std::array<std::pair<E, const char*>, N>& tabelle, E wert) {
  for (const auto& [w, name] : tabelle) {
    if (w == wert) return name;
  }
  return "";
}

// The switches of the graph by their names in the file.
template <typename G>
auto schalter(G& g) {
  return std::array{std::pair<const char*, decltype(&g.koordinatensystemSichtbar)>{
                        "koordinatensystem", &g.koordinatensystemSichtbar},
                    std::pair{"gitterpunkte", &g.gitterpunkteSichtbar},
                    std::pair{"xSkalapunkte", &g.xSkalapunkteSichtbar},
                    std::pair{"ySkalapunkte", &g.ySkalapunkteSichtbar},
                    std::pair{"punkte", &g.punkteImGraphenZeigen},
                    std::pair{"kritischePunkte", &g.kritischePunkteImGraphenZeigen},
                    std::pair{"funktionsnamen", &g.funktionsnamenZeigen}};
}

template <typename W>
auto wahlKnoepfe(W& w) {
  return std::array{std::pair<const char*, decltype(&w.aktuellB)>{"aktuell", &w.aktuellB},
                    std::pair{"funktional", &w.funktionalB},
                    std::pair{"allfunktional", &w.allfunktionalB},
                    std::pair{"nachFunktion", &w.nachFunktion},
                    std::pair{"rechteck", &w.rechteckGB},
                    std::pair{"nachPunkten", &w.nachPunktenGB}};
}

Json grafikJson(const Grafikzustand& g) {
  Json j{{"rahmen", Json::array({g.xlinks, g.xrechts, g.yunten, g.yoben})},
         {"xyRahmen", rahmen(g.xyRahmen)},
         {"fuRahmen", rahmen(g.fuRahmen)},
         {"pRahmen", rahmen(g.pRahmen)},
         {"neuG", g.neuG},
         {"fensterTyp", nameVon(fensterTypen, g.fensterTyp)},
         {"grafikDim", nameVon(dimensionen, g.grafikDim)},
         {"letzterFname", g.letzterFname}};
  for (const auto& [name, wert] : schalter(g)) j[name] = *wert;
  Json wahl;
  for (const auto& [name, wert] : wahlKnoepfe(g.wahl)) wahl[name] = *wert;
  wahl["rechteckTitel"] = g.wahl.rechteckTitel;
  j["wahl"] = std::move(wahl);
  return j;
}

Json felderJson(const Zustand& z) {
  const Felder& f = z.felder;
  return Json{{"eingabe", f.eingabe},
              {"name", f.name},
              {"x", f.x},
              {"y", f.y},
              {"ausgabe", f.ausgabe},
              {"hinweis", f.hinweis},
              {"kritPunkteMarkiert", f.kritPunkteMarkiert},
              {"punkteMarkiert", f.punkteMarkiert},
              {"protokollImFenster", z.protkollImFenster},
              {"geretteteAusgabe", z.geretteteAusgabe}};
}

Json arbeitJson(const Zustand& z) {
  return Json{{"format", dokumentFormat},
              {"version", dokumentVersion},
              {"dezimalen", z.dezimalen},
              {"brueche", z.brueche},
              {"akt", verweisOderPolynom(z, z.akt, false)},
              {"grafTarget", verweisOderPolynom(z, z.grafTarget, true)},
              {"funktionen", funktionenJson(z)},
              {"punkte", punkteJson(z)},
              {"splines", splinesJson(z)},
              {"geloeschteTerme", z.listen.backupf()},
              {"grafik", grafikJson(z.grafik)},
              {"protokoll", z.protokoll}};
}

void schreibeZahl(double x, std::string& aus) {
  // A zero is written without sign: -0 is no value of its own anywhere in Quarvel. The
  // state never holds a non-finite number; should one slip in, the file stays readable.
  if (x == 0 || !std::isfinite(x)) {
    aus += "0.0";
    return;
  }
  char puffer[32];
  const auto ende = std::to_chars(puffer, puffer + sizeof puffer, x).ptr;
  const std::string_view text(puffer, static_cast<std::size_t>(ende - puffer));
  aus += text;
  if (text.find_first_of(".e") == std::string_view::npos) aus += ".0";
}

void schreibeWert(const Json& j, std::string& aus) {
  if (j.is_number_float()) {
    schreibeZahl(j.get<double>(), aus);
  } else if (j.is_string()) {
    // Texts the user typed may hold broken UTF-8; JSON needs it whole.
    const std::string& text = j.get_ref<const std::string&>();
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    aus += jsonText(ascii ? text : utf8(codepunkte(text)));
  } else if (j.is_boolean()) {
    aus += j.get<bool>() ? "true" : "false";
  } else if (j.is_number_integer()) {
    aus += std::to_string(j.get<std::int64_t>());
  } else {
    aus += j.dump();  // null
  }
}

// An object of plain values and lists of them, such as a point: one line in a list.
bool istZeile(const Json& j) {
  return j.is_object() && std::all_of(j.begin(), j.end(), [](const Json& e) {
           return !e.is_structured() ||
                  (e.is_array() && std::none_of(e.begin(), e.end(),
                                                [](const Json& x) { return x.is_structured(); }));
         });
}

// Indented by tabs like any pretty JSON, but a list of plain values stays on one line, so
// that coefficients and coordinates read as rows, and so does each point of the point list.
void schreibe(const Json& j, std::string& aus, int tiefe, bool zeile = false) {
  if (!j.is_structured()) {
    schreibeWert(j, aus);
    return;
  }
  const bool objekt = j.is_object();
  if (j.empty()) {
    aus += objekt ? "{}" : "[]";
    return;
  }
  const bool flach =
      !objekt && std::none_of(j.begin(), j.end(), [](const Json& e) { return e.is_structured(); });
  if (flach) {
    aus += '[';
    for (auto it = j.begin(); it != j.end(); ++it) {
      if (it != j.begin()) aus += ", ";
      schreibe(*it, aus, tiefe + 1);
    }
    aus += ']';
    return;
  }
  if (objekt && zeile) {
    aus += '{';
    for (auto it = j.begin(); it != j.end(); ++it) {
      aus += it == j.begin() ? "" : ", ";
      aus += jsonText(it.key()) + ": ";
      schreibe(*it, aus, tiefe + 1);
    }
    aus += '}';
    return;
  }
  aus += objekt ? '{' : '[';
  const std::string einzug(static_cast<std::size_t>(tiefe) + 1, '\t');
  for (auto it = j.begin(); it != j.end(); ++it) {
    aus += it == j.begin() ? "\n" : ",\n";
    aus += einzug;
    if (objekt) aus += jsonText(it.key()) + ": ";
    schreibe(*it, aus, tiefe + 1, !objekt && istZeile(*it));
  }
  aus += '\n' + std::string(static_cast<std::size_t>(tiefe), '\t') + (objekt ? '}' : ']');
}

// ---- Reading ----

enum class Art { zahl, ganzeZahl, wahrheitswert, text, liste, objekt };

bool istArt(const Json& j, Art art) {
  switch (art) {
    case Art::zahl:
      return j.is_number();
    case Art::ganzeZahl:
      return j.is_number_integer();
    case Art::wahrheitswert:
      return j.is_boolean();
    case Art::text:
      return j.is_string();
    case Art::liste:
      return j.is_array();
    case Art::objekt:
      return j.is_object();
  }
  return false;
}

const char* artName(Art art) {
  switch (art) {
    case Art::zahl:
      return "eine Zahl";
    case Art::ganzeZahl:
      return "eine ganze Zahl";
    case Art::wahrheitswert:
      return "ein Wahrheitswert";
    case Art::text:
      return "ein Text";
    case Art::liste:
      return "eine Liste";
    case Art::objekt:
      return "ein Objekt";
  }
  return "";
}

// Where a value sits in the document, such as funktionen[2].koeff. Built as a chain on the
// stack and spelled out only for a message, so checking a good document costs nothing.
struct Ort {
  const Ort* eltern = nullptr;
  std::string_view schluessel;
  std::size_t index = 0;

  std::string text() const {
    if (eltern == nullptr) return {};  // the document itself
    std::string vorne = eltern != nullptr ? eltern->text() : std::string();
    if (schluessel.empty()) return vorne + "[" + std::to_string(index) + "]";
    return vorne.empty() ? std::string(schluessel) : vorne + "." + std::string(schluessel);
  }
};

const Ort wurzel{};
const Ort ortFunktionen{&wurzel, "funktionen"};
const Ort ortPunkte{&wurzel, "punkte"};
const Ort ortSplines{&wurzel, "splines"};
Ort unter(const Ort& ort, std::string_view schluessel) {
  return {&ort, schluessel};
}
Ort an(const Ort& ort, std::size_t i) {
  return {&ort, {}, i};
}

// "„ort“" for messages.
std::string zitat(const Ort& ort) {
  return "„" + ort.text() + "“";
}

bool istGueltigerName(const std::string& name) {
  if (name.empty() || name.size() > 64) return false;
  for (const char32_t c : codepunkte(name)) {
    if (!istNamensTeil(c)) return false;
  }
  return true;
}

// Checks every value it takes out of the document; the first fault is kept as the reason
// and every later step is skipped.
class Leser {
 public:
  bool ok() const { return fehler_.empty(); }
  const std::string& fehler() const { return fehler_; }
  bool scheitere(std::string grund) {
    if (fehler_.empty()) fehler_ = std::move(grund);
    return false;
  }

  // The member `schluessel` of `o` (an object at `ort`) if it is of the art asked for.
  const Json* eintrag(const Json& o, const Ort& ort, std::string_view schluessel, Art art) {
    if (!ok()) return nullptr;
    const auto it = o.find(schluessel);
    if (it == o.end()) {
      scheitere("Der Eintrag " + zitat(unter(ort, schluessel)) + " fehlt.");
      return nullptr;
    }
    if (!pruefeArt(*it, unter(ort, schluessel), art)) return nullptr;
    return &*it;
  }

  bool pruefeArt(const Json& j, const Ort& ort, Art art) {
    if (istArt(j, art)) return true;
    return scheitere("Der Eintrag " + zitat(ort) + " ist nicht " + artName(art) + ".");
  }

  bool zahl(const Json& j, const Ort& ort, double& aus) {
    if (!pruefeArt(j, ort, Art::zahl)) return false;
    const double x = j.get<double>();
    if (!std::isfinite(x))
      return scheitere("Der Eintrag " + zitat(ort) + " ist keine endliche Zahl.");
    aus = x == 0 ? 0.0 : x;  // never -0
    return true;
  }

  bool zahlen(const Json& j, const Ort& ort, std::span<double> aus) {
    if (!pruefeArt(j, ort, Art::liste)) return false;
    if (j.size() != aus.size()) {
      return scheitere("Der Eintrag " + zitat(ort) + " muss " + std::to_string(aus.size()) +
                       " Werte haben.");
    }
    for (std::size_t i = 0; i < aus.size(); ++i) {
      if (!zahl(j[i], an(ort, i), aus[i])) return false;
    }
    return true;
  }

  bool zahl(const Json& o, const Ort& ort, std::string_view schluessel, double& aus) {
    const Json* j = eintrag(o, ort, schluessel, Art::zahl);
    return j != nullptr && zahl(*j, unter(ort, schluessel), aus);
  }

  bool wahr(const Json& o, const Ort& ort, std::string_view schluessel, bool& aus) {
    const Json* j = eintrag(o, ort, schluessel, Art::wahrheitswert);
    if (j != nullptr) aus = j->get<bool>();
    return j != nullptr;
  }

  bool text(const Json& o, const Ort& ort, std::string_view schluessel, std::string& aus) {
    const Json* j = eintrag(o, ort, schluessel, Art::text);
    if (j != nullptr) aus = j->get_ref<const std::string&>();
    return j != nullptr;
  }

  bool ganz(const Json& j, const Ort& ort, int von, int bis, int& aus) {
    if (!pruefeArt(j, ort, Art::ganzeZahl)) return false;
    const auto wert = j.get<std::int64_t>();
    if (wert < von || wert > bis) {
      return scheitere("Der Eintrag " + zitat(ort) + " liegt außerhalb von " + std::to_string(von) +
                       " bis " + std::to_string(bis) + ".");
    }
    aus = static_cast<int>(wert);
    return true;
  }

  bool grenzen(const Json& o, const Ort& ort, std::string_view schluessel, Grenzen& aus) {
    const Json* j = eintrag(o, ort, schluessel, Art::liste);
    std::array<double, 4> w{};
    if (j == nullptr || !zahlen(*j, unter(ort, schluessel), w)) return false;
    aus = {w[0], w[1], w[2], w[3]};
    return true;
  }

  // 1 to 15 coefficients, lowest power first; more would exceed the maximum degree.
  bool koeffizienten(const Json& j, const Ort& ort, Koeffizienten& aus) {
    if (!pruefeArt(j, ort, Art::liste)) return false;
    if (j.size() > aus.size()) {
      return scheitere("Die Funktion in " + zitat(ort) + " hat einen Grad über " +
                       std::to_string(pgrad) + ".");
    }
    if (j.empty()) return scheitere("Der Eintrag " + zitat(ort) + " ist leer.");
    aus.fill(0.0);
    for (std::size_t i = 0; i < j.size(); ++i) {
      if (!zahl(j[i], an(ort, i), aus[i])) return false;
    }
    return true;
  }

  template <typename E, std::size_t N>
  bool auswahl(const Json& o, const Ort& ort, std::string_view schluessel,
               const std::array<std::pair<E, const char*>, N>& tabelle, E& aus) {
    std::string name;
    if (!text(o, ort, schluessel, name)) return false;
    for (const auto& [wert, n] : tabelle) {
      if (name == n) {
        aus = wert;
        return true;
      }
    }
    return scheitere("Der Eintrag " + zitat(unter(ort, schluessel)) +
                     " hat den unbekannten Wert „" + name + "“.");
  }

  bool farbe(const Json& o, const Ort& ort, Farbe& aus) {
    std::string name;
    if (!text(o, ort, "farbe", name)) return false;
    for (const Farbe f : alleFarben) {
      if (name == rohText(f)) {
        aus = f;
        return true;
      }
    }
    return scheitere("Der Eintrag " + zitat(unter(ort, "farbe")) + " nennt keine bekannte Farbe.");
  }

 private:
  std::string fehler_;
};

std::optional<Polynom> polynomLesen(Leser& l, const Json& o, const Ort& ort) {
  Polynom p;
  const Json* koeff = l.eintrag(o, ort, "koeff", Art::liste);
  if (koeff == nullptr || !l.koeffizienten(*koeff, unter(ort, "koeff"), p.koeff)) return {};
  l.text(o, ort, "name", p.name);
  l.farbe(o, ort, p.color);
  l.wahr(o, ort, "sichtbar", p.sichtbar);
  l.grenzen(o, ort, "grenzen", p.grenzen);
  if (const Json* krit = l.eintrag(o, ort, "kritPunkte", Art::liste)) {
    for (std::size_t i = 0; i < krit->size() && l.ok(); ++i) {
      std::array<double, 2> xy{};
      if (l.zahlen((*krit)[i], an(unter(ort, "kritPunkte"), i), xy)) {
        p.kritPunkte.push_back({xy[0], xy[1]});
      }
    }
  }
  if (!l.ok()) return {};
  return p;
}

// The document's work is built up in a fresh state beside the open one, through the lists'
// own store operations, so that names and pools agree as after any command.

// A name for a new function or spline: well formed and not yet taken.
bool funktionsnameFrei(Leser& l, const Zustand& a, const std::string& name, const Ort& ort) {
  if (!istGueltigerName(name) || name == "akt" ||
      a.listen.namensBewertung(name, ObjektTyp::f) == NamensAttribut::unerlaubt ||
      a.listen.namensBewertung(name, ObjektTyp::f) == NamensAttribut::reserviert) {
    return l.scheitere("Der Name „" + name + "“ in " + zitat(ort) + " ist nicht erlaubt.");
  }
  if (a.listen.namensBewertung(name, ObjektTyp::f) == NamensAttribut::belegt) {
    return l.scheitere("Der Name „" + name + "“ kommt doppelt vor.");
  }
  return true;
}

void funktionenLesen(Leser& l, const Json& liste, Zustand& a) {
  for (std::size_t i = 0; i < liste.size() && l.ok(); ++i) {
    const Ort ort = an(ortFunktionen, i);
    const Json& e = liste[i];
    std::string name;
    if (!l.pruefeArt(e, ort, Art::objekt) || !l.text(e, ort, "name", name) ||
        !funktionsnameFrei(l, a, name, ort)) {
      return;
    }
    if (e.contains("wie")) {
      std::string wie;
      if (!l.text(e, ort, "wie", wie)) return;
      const auto it = a.listen.fuListe().find(wie);
      if (it == a.listen.fuListe().end()) {
        l.scheitere(zitat(unter(ort, "wie")) + " nennt keine vorher gespeicherte Funktion.");
        return;
      }
      a.listen.speichereFunktion(name, it->second);
      continue;
    }
    auto p = polynomLesen(l, e, ort);
    if (!p) return;
    a.listen.speichereFunktion(name, teile(std::move(*p)));
  }
}

// A function given in full, or as {"wie": NAME} of a stored one (or of "akt" when it may).
PolynomRef polynomOderVerweis(Leser& l, const Json& o, std::string_view schluessel,
                              const Zustand& a, bool aktMoeglich) {
  const Json* j = l.eintrag(o, wurzel, schluessel, Art::objekt);
  if (j == nullptr) return nullptr;
  const Ort ort = unter(wurzel, schluessel);
  if (j->contains("wie")) {
    std::string wie;
    if (!l.text(*j, ort, "wie", wie)) return nullptr;
    if (wie == "akt" && aktMoeglich) return a.akt;
    const auto it = a.listen.fuListe().find(wie);
    if (it != a.listen.fuListe().end()) return it->second;
    l.scheitere(zitat(unter(ort, "wie")) + " nennt keine gespeicherte Funktion.");
    return nullptr;
  }
  auto p = polynomLesen(l, *j, ort);
  return p ? teile(std::move(*p)) : nullptr;
}

void punkteLesen(Leser& l, const Json& liste, Zustand& a) {
  if (liste.size() > maxDokumentPunkte) {
    l.scheitere("Das Dokument enthält mehr als " + std::to_string(maxDokumentPunkte) + " Punkte.");
    return;
  }
  for (std::size_t i = 0; i < liste.size() && l.ok(); ++i) {
    const Ort ort = an(ortPunkte, i);
    const Json& e = liste[i];
    Punkt p;
    if (!l.pruefeArt(e, ort, Art::objekt) || !l.text(e, ort, "name", p.name)) return;
    if (!istGueltigerName(p.name) ||
        a.listen.namensBewertung(p.name, ObjektTyp::p) == NamensAttribut::unerlaubt) {
      l.scheitere("Der Name „" + p.name + "“ in " + zitat(ort) + " ist nicht erlaubt.");
      return;
    }
    if (a.listen.pktExistiert(p.name)) {
      l.scheitere("Der Name „" + p.name + "“ kommt doppelt vor.");
      return;
    }
    if (const Json* ko = l.eintrag(e, ort, "ko", Art::liste)) l.zahlen(*ko, unter(ort, "ko"), p.ko);
    if (const Json* g = l.eintrag(e, ort, "gueltig", Art::liste)) {
      if (g->size() != p.valid.size()) {
        l.scheitere("Der Eintrag " + zitat(unter(ort, "gueltig")) + " muss 3 Werte haben.");
      }
      for (std::size_t k = 0; k < p.valid.size() && l.ok(); ++k) {
        if (l.pruefeArt((*g)[k], an(unter(ort, "gueltig"), k), Art::wahrheitswert)) {
          p.valid[k] = (*g)[k].get<bool>();
        }
      }
    }
    l.wahr(e, ort, "aktiv", p.aktiv);
    l.wahr(e, ort, "bezeichnet", p.bezeichnet);
    if (const Json* v = l.eintrag(e, ort, "versatz", Art::liste)) {
      if (v->size() != 2)
        l.scheitere("Der Eintrag " + zitat(unter(ort, "versatz")) + " muss 2 Werte haben.");
      if (l.ok()) l.ganz((*v)[0], an(unter(ort, "versatz"), 0), -100000, 100000, p.pos.dx);
      if (l.ok()) l.ganz((*v)[1], an(unter(ort, "versatz"), 1), -100000, 100000, p.pos.dy);
    }
    if (!l.ok()) return;
    const std::string name = p.name;
    a.listen.speicherePunkt(name, teile(std::move(p)));
  }
}

void splinesLesen(Leser& l, const Json& liste, Zustand& a) {
  for (std::size_t i = 0; i < liste.size() && l.ok(); ++i) {
    const Ort ort = an(ortSplines, i);
    const Json& e = liste[i];
    Spline s;
    if (!l.pruefeArt(e, ort, Art::objekt) || !l.text(e, ort, "name", s.name) ||
        !funktionsnameFrei(l, a, s.name, ort)) {
      return;
    }
    if (const Json* z = l.eintrag(e, ort, "zerlegung", Art::liste)) {
      s.zerlegung.resize(z->size());
      l.zahlen(*z, unter(ort, "zerlegung"), s.zerlegung);
    }
    if (const Json* st = l.eintrag(e, ort, "stuecke", Art::liste)) {
      for (std::size_t k = 0; k < st->size() && l.ok(); ++k) {
        Polynom stueck;
        if (l.koeffizienten((*st)[k], an(unter(ort, "stuecke"), k), stueck.koeff)) {
          s.stuecke.push_back(stueck);
        }
      }
    }
    l.farbe(e, ort, s.color);
    l.wahr(e, ort, "sichtbar", s.sichtbar);
    l.grenzen(e, ort, "grenzen", s.grenzen);
    if (!l.ok()) return;
    if (!s.istKorrekt()) {
      l.scheitere("Der Spline „" + s.name +
                  "“ ist fehlerhaft: Stützstellen und Stücke passen "
                  "nicht zusammen.");
      return;
    }
    const std::string name = s.name;
    a.listen.speichereSpline(name, std::make_shared<Spline>(std::move(s)));
  }
}

void grafikLesen(Leser& l, const Json& o, Grafikzustand& g) {
  const Ort ort = unter(wurzel, "grafik");
  std::array<double, 4> r{};
  if (const Json* j = l.eintrag(o, ort, "rahmen", Art::liste))
    l.zahlen(*j, unter(ort, "rahmen"), r);
  g.xlinks = r[0];
  g.xrechts = r[1];
  g.yunten = r[2];
  g.yoben = r[3];
  l.grenzen(o, ort, "xyRahmen", g.xyRahmen);
  l.grenzen(o, ort, "fuRahmen", g.fuRahmen);
  l.grenzen(o, ort, "pRahmen", g.pRahmen);
  l.wahr(o, ort, "neuG", g.neuG);
  l.auswahl(o, ort, "fensterTyp", fensterTypen, g.fensterTyp);
  l.auswahl(o, ort, "grafikDim", dimensionen, g.grafikDim);
  l.text(o, ort, "letzterFname", g.letzterFname);
  for (const auto& [name, wert] : schalter(g)) l.wahr(o, ort, name, *wert);
  if (const Json* w = l.eintrag(o, ort, "wahl", Art::objekt)) {
    const Ort wort = unter(ort, "wahl");
    for (const auto& [name, wert] : wahlKnoepfe(g.wahl)) l.wahr(*w, wort, name, *wert);
    l.text(*w, wort, "rechteckTitel", g.wahl.rechteckTitel);
  }
}

void felderLesen(Leser& l, const Json& o, Zustand& a) {
  const Ort ort = unter(wurzel, "felder");
  Felder& f = a.felder;
  l.text(o, ort, "eingabe", f.eingabe);
  l.text(o, ort, "name", f.name);
  l.text(o, ort, "x", f.x);
  l.text(o, ort, "y", f.y);
  l.text(o, ort, "ausgabe", f.ausgabe);
  l.text(o, ort, "hinweis", f.hinweis);
  l.wahr(o, ort, "kritPunkteMarkiert", f.kritPunkteMarkiert);
  l.wahr(o, ort, "punkteMarkiert", f.punkteMarkiert);
  l.wahr(o, ort, "protokollImFenster", a.protkollImFenster);
  l.text(o, ort, "geretteteAusgabe", a.geretteteAusgabe);
}

// Nesting deeper than any document has is refused before parsing, so no input can build
// a deep tree. Brackets inside strings do not count.
bool zuTiefVerschachtelt(std::string_view text) {
  constexpr int maxTiefe = 8;
  int tiefe = 0;
  bool inText = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inText) {
      if (c == '\\')
        ++i;
      else if (c == '"')
        inText = false;
    } else if (c == '"') {
      inText = true;
    } else if (c == '[' || c == '{') {
      if (++tiefe > maxTiefe) return true;
    } else if (c == ']' || c == '}') {
      --tiefe;
    }
  }
  return false;
}

std::string arbeitLesen(std::string_view text, Zustand& a) {
  if (text.size() > maxDokumentBytes) {
    return "Die Datei ist größer als " + std::to_string(maxDokumentBytes / (1024 * 1024)) + " MB.";
  }
  if (zuTiefVerschachtelt(text)) return "Die Datei ist zu tief verschachtelt.";
  const Json doc = Json::parse(text.begin(), text.end(), nullptr, false);
  if (doc.is_discarded())
    return "Die Datei ist kein gültiges JSON (beschädigt oder unvollständig).";
  if (!doc.is_object()) return "Die Datei ist kein Quarvel-Dokument.";
  const auto format = doc.find("format");
  if (format == doc.end() || !format->is_string() || *format != dokumentFormat) {
    return "Die Datei ist kein Quarvel-Dokument.";
  }
  const auto version = doc.find("version");
  if (version == doc.end() || !version->is_number_integer() || version->get<std::int64_t>() < 1) {
    return "Die Formatversion des Dokuments fehlt oder ist ungültig.";
  }
  if (version->get<std::int64_t>() > dokumentVersion) {
    return "Das Dokument stammt aus einer neueren Quarvel-Version (Formatversion " +
           std::to_string(version->get<std::int64_t>()) + ").";
  }

  Leser l;
  if (const Json* d = l.eintrag(doc, wurzel, "dezimalen", Art::ganzeZahl)) {
    l.ganz(*d, unter(wurzel, "dezimalen"), 1, 8, a.dezimalen);
  }
  l.wahr(doc, wurzel, "brueche", a.brueche);
  if (const Json* f = l.eintrag(doc, wurzel, "funktionen", Art::liste)) funktionenLesen(l, *f, a);
  if (const Json* s = l.eintrag(doc, wurzel, "splines", Art::liste)) splinesLesen(l, *s, a);
  if (const Json* p = l.eintrag(doc, wurzel, "punkte", Art::liste)) punkteLesen(l, *p, a);
  a.akt = polynomOderVerweis(l, doc, "akt", a, false);
  a.grafTarget = polynomOderVerweis(l, doc, "grafTarget", a, true);
  if (const Json* t = l.eintrag(doc, wurzel, "geloeschteTerme", Art::liste)) {
    const Ort terme = unter(wurzel, "geloeschteTerme");
    for (std::size_t i = 0; i < t->size() && l.ok(); ++i) {
      if (l.pruefeArt((*t)[i], an(terme, i), Art::text)) {
        a.listen.merkeGeloeschtenTerm((*t)[i].get<std::string>());
      }
    }
  }
  if (const Json* g = l.eintrag(doc, wurzel, "grafik", Art::objekt)) grafikLesen(l, *g, a.grafik);
  l.text(doc, wurzel, "protokoll", a.protokoll);
  if (const Json* f = l.eintrag(doc, wurzel, "felder", Art::objekt)) felderLesen(l, *f, a);
  return l.fehler();
}

}  // namespace

std::string dokumentText(const Zustand& z) {
  Json j = arbeitJson(z);
  j["felder"] = felderJson(z);
  std::string text;
  schreibe(j, text, 0);
  return text + "\n";
}

std::string arbeitsstand(const Zustand& z) {
  std::string text;
  schreibe(arbeitJson(z), text, 0);
  return text;
}

std::string dokumentLesen(Zustand& z, std::string_view text) {
  Zustand a(z.ui, 0);
  if (std::string fehler = arbeitLesen(text, a); !fehler.empty()) return fehler;
  z.listen = std::move(a.listen);
  z.akt = std::move(a.akt);
  z.grafTarget = std::move(a.grafTarget);
  // The size of the view belongs to the window showing it, not to the work.
  a.grafik.ansicht = z.grafik.ansicht;
  z.grafik = std::move(a.grafik);
  z.felder = std::move(a.felder);
  z.protokoll = std::move(a.protokoll);
  z.geretteteAusgabe = std::move(a.geretteteAusgabe);
  z.protkollImFenster = a.protkollImFenster;
  z.dezimalen = a.dezimalen;
  z.brueche = a.brueche;
  z.testString.clear();
  z.ui.neuZeichnen();
  return {};
}

std::string dokumentOeffnen(Zustand& z, const std::string& datei) {
  std::string text;
  std::string fehler = leseDatei(datei, maxDokumentBytes, text);
  if (fehler.empty()) fehler = dokumentLesen(z, text);
  if (fehler.empty()) return {};
  return "Die Datei „" + datei + "“ kann nicht geöffnet werden. " + fehler;
}

std::string dokumentSpeichern(const Zustand& z, const std::string& datei) {
  const std::string fehler = schreibeDateiSicher(datei, dokumentText(z));
  if (fehler.empty()) return {};
  return "Die Datei „" + datei + "“ kann nicht gespeichert werden. " + fehler;
}

}  // namespace quarvel
