#include "app/skript.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/befehle.h"
#include "app/grafikanzeige.h"
#include "app/json.h"
#include "app/schale.h"
#include "app/zustand.h"

namespace quarvel {

namespace {

// The headless front end: answers questions from the queue, prints what a window shows.
class Skriptoberflaeche final : public Oberflaeche {
 public:
  Skriptoberflaeche(std::ostream& aus, std::ostream& fehler, Grafikexport grafikexport)
      : aus_(aus), fehler_(fehler), grafikexport_(std::move(grafikexport)) {}

  std::string auswahl(const std::string& meldung, const std::string& option,
                      const std::string& option2, Unveraendert /*unveraendert*/) override {
    std::string gewaehlt = option;
    if (!antworten_.empty()) {
      const std::string antwort = antworten_.front();
      antworten_.pop_front();
      gewaehlt =
          (antwort == option || (!option2.empty() && antwort == option2)) ? antwort : "Fehler";
    }
    aus_ << "auswahl: " << jsonText(meldung) << " [" << jsonText(option) << ", "
         << jsonText(option2) << "] -> " << jsonText(gewaehlt) << "\n";
    return gewaehlt;
  }
  void piep() override { aus_ << "piep\n"; }
  void dateifehler(const std::string& meldung) override {
    fehler_ << "fehler: " << meldung << "\n";
    dateifehlerGemeldet_ = true;
  }
  // Nothing is painted: what a script asks about the view follows from the state.
  void neuZeichnen() override {}
  std::string grafikAusgeben(const Anzeigeliste& liste, const std::string& datei,
                             Grafikformat format) override {
    if (datei.empty())
      return "Ohne Fenster gibt es keinen Drucker; printB DATEI schreibt eine Datei.";
    if (!grafikexport_) return "Grafik in eine Datei schreibt nur quarvel --skript.";
    return grafikexport_(liste, datei, format);
  }
  void beenden() override { beendet_ = true; }

  void antwortEinreihen(const std::string& antwort) { antworten_.push_back(antwort); }
  bool beendet() const { return beendet_; }
  bool dateifehlerGemeldet() const { return dateifehlerGemeldet_; }

 private:
  std::ostream& aus_;
  std::ostream& fehler_;
  bool dateifehlerGemeldet_ = false;
  std::deque<std::string> antworten_;
  bool beendet_ = false;
  Grafikexport grafikexport_;
};

enum class Zeilenende { gelesen, zuLang, nullzeichen, eingabeEnde };

// Reads one line without its line break. A line over `laengsteZeile` bytes is read to its
// end but not kept, so an endless line costs no memory.
Zeilenende liesZeile(std::istream& ein, std::string& zeile) {
  zeile.clear();
  std::streambuf* puffer = ein.rdbuf();
  bool zuLang = false;
  bool etwasGelesen = false;
  for (;;) {
    const int zeichen = puffer->sbumpc();
    if (zeichen == std::char_traits<char>::eof()) {
      if (!etwasGelesen) return Zeilenende::eingabeEnde;
      break;
    }
    etwasGelesen = true;
    if (zeichen == '\n') break;
    if (zeichen == 0) return Zeilenende::nullzeichen;
    if (zeile.size() < laengsteZeile) {
      zeile.push_back(static_cast<char>(zeichen));
    } else {
      zuLang = true;
    }
  }
  if (zuLang) {
    zeile.clear();
    return Zeilenende::zuLang;
  }
  return Zeilenende::gelesen;
}

// The rest of the line after the command's name and the blanks that follow it.
std::string restDerZeile(const std::string& zeile, const std::string& befehl) {
  const auto anfang = zeile.find(befehl) + befehl.size();
  const auto wort = zeile.find_first_not_of(" \t", anfang);
  return wort == std::string::npos ? std::string() : zeile.substr(wort);
}

std::vector<std::string> woerter(const std::string& zeile) {
  std::istringstream ein(zeile);
  std::vector<std::string> w;
  for (std::string wort; ein >> wort;) w.push_back(wort);
  return w;
}

bool setzeFeld(Zustand& z, const std::string& feld, const std::string& text) {
  Felder& f = z.felder;
  std::string* ziel = nullptr;
  if (feld == "eingabe") ziel = &f.eingabe;
  if (feld == "name") ziel = &f.name;
  if (feld == "x") ziel = &f.x;
  if (feld == "y") ziel = &f.y;
  if (feld == "traeger") ziel = &z.grafik.traeger;
  if (ziel != nullptr) {
    *ziel = text;
    return true;
  }
  if (feld == "kritPunkteMarkiert" || feld == "punkteMarkiert") {
    if (text != "0" && text != "1") return false;
    (feld == "kritPunkteMarkiert" ? f.kritPunkteMarkiert : f.punkteMarkiert) = text == "1";
    return true;
  }
  return false;
}

const std::string* feldText(const Zustand& z, const std::string& was) {
  const Felder& f = z.felder;
  const Grafikzustand& g = z.grafik;
  if (was == "ausgabe") return &f.ausgabe;
  if (was == "hinweis") return &f.hinweis;
  if (was == "protokoll") return &z.protokoll;
  if (was == "eingabe") return &f.eingabe;
  if (was == "name") return &f.name;
  if (was == "x") return &f.x;
  if (was == "y") return &f.y;
  if (was == "traeger") return &g.traeger;
  if (was == "maus") return &g.maus;
  if (was == "punktButton") return &g.punktButton;
  if (was == "hilfe") return &z.hilfe;
  return nullptr;
}

const Polynom* findePolynom(const Zustand& z, const std::string& name) {
  if (name == "akt") return z.akt.get();
  const auto it = z.listen.fuListe().find(name);
  return it == z.listen.fuListe().end() ? nullptr : it->second.get();
}

// Prints what "zeige" asks for; false when the request is not understood.
bool zeige(const Zustand& z, const std::vector<std::string>& w, std::ostream& aus) {
  if (w.size() == 2 && w[1] == "rahmen") {
    const Grafikzustand& g = z.grafik;
    aus << "rahmen=[" << jsonZahl(g.xlinks) << "," << jsonZahl(g.xrechts) << ","
        << jsonZahl(g.yunten) << "," << jsonZahl(g.yoben) << "]\n";
    return true;
  }
  if (w.size() == 3 && w[1] == "koeff") {
    aus << "koeff " << w[2] << "=";
    if (const Polynom* p = findePolynom(z, w[2])) {
      aus << "[";
      for (std::size_t i = 0; i < p->koeff.size(); ++i)
        aus << (i ? "," : "") << jsonZahl(p->koeff[i]);
      aus << "]\n";
    } else {
      aus << "null\n";
    }
    return true;
  }
  if (w.size() == 2 && w[1] == "legende") {
    aus << "legende=" << jsonText(grafikLegende(z)) << "\n";
    return true;
  }
  if (w.size() == 2) {
    if (const std::string* text = feldText(z, w[1])) {
      aus << w[1] << "=" << jsonText(*text) << "\n";
      return true;
    }
  }
  return false;
}

}  // namespace

int fuehreSkriptAus(std::istream& skript, std::ostream& aus, std::ostream& fehler,
                    std::optional<std::uint32_t> seed, Grafikexport grafikexport) {
  Skriptoberflaeche oberflaeche(aus, fehler, std::move(grafikexport));
  Zustand z(oberflaeche, seed.value_or(std::random_device{}()));
  starte(z);

  int status = 0;
  int zeilennummer = 0;
  const auto melde = [&](const std::string& grund, const std::string& zeile) {
    fehler << "fehler: Zeile " << zeilennummer << ": " << grund << ": " << zeile << "\n";
    status = 1;
  };

  std::string zeile;
  while (!oberflaeche.beendet()) {
    const Zeilenende ende = liesZeile(skript, zeile);
    if (ende == Zeilenende::eingabeEnde) break;
    ++zeilennummer;
    if (ende == Zeilenende::nullzeichen) {
      fehler << "fehler: Zeile " << zeilennummer
             << ": Nullzeichen gelesen; das Skript ist keine Textdatei, der Lauf endet hier\n";
      return 1;
    }
    if (ende == Zeilenende::zuLang) {
      fehler << "fehler: Zeile " << zeilennummer << ": länger als " << laengsteZeile
             << " Bytes, übergangen\n";
      status = 1;
      continue;
    }
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    if (zeile.empty() || zeile.front() == '#') continue;

    const auto gleich = zeile.find('=');
    const auto blank = zeile.find(' ');
    if (gleich != std::string::npos && (blank == std::string::npos || gleich < blank)) {
      const std::string feld = zeile.substr(0, gleich);
      const std::string text = zeile.substr(gleich + 1);
      if (feld == "antwort") {
        oberflaeche.antwortEinreihen(text);
      } else if (!setzeFeld(z, feld, text)) {
        melde("unbekanntes Feld oder ungültiger Wert", zeile);
      }
      continue;
    }

    const std::vector<std::string> w = woerter(zeile);
    if (w.empty()) continue;
    if (w.front() == "zeige") {
      if (!zeige(z, w, aus)) melde("unbekannte Anzeige", zeile);
      continue;
    }
    const std::string& name = w.front();
    if (alleBefehle().finde(name) == nullptr) {
      melde("unbekannter Befehl", zeile);
    } else {
      Argumente argumente(w.begin() + 1, w.end());
      if (alleBefehle().nimmtRestzeile(name)) {
        const std::string rest = restDerZeile(zeile, name);
        argumente = rest.empty() ? Argumente{} : Argumente{rest};
      }
      if (!fuehreAus(z, name, argumente)) {
        std::string grund =
            z.befehlsfehler.empty() ? "ungültige Angaben zum Befehl" : z.befehlsfehler;
        if (grund.back() == '.') grund.pop_back();  // the line follows after a colon
        melde(grund, zeile);
      }
    }
  }
  if (oberflaeche.dateifehlerGemeldet()) status = 1;
  return oberflaeche.beendet() ? 0 : status;
}

int fuehreSkriptdateiAus(const std::string& pfad, std::istream& standardeingabe, std::ostream& aus,
                         std::ostream& fehler, std::optional<std::uint32_t> seed,
                         Grafikexport grafikexport) {
  if (pfad == "-")
    return fuehreSkriptAus(standardeingabe, aus, fehler, seed, std::move(grafikexport));
  std::error_code ignoriert;
  if (std::filesystem::is_directory(pfad, ignoriert)) {
    fehler << "fehler: Das Skript „" << pfad << "“ ist ein Ordner, keine Datei.\n";
    return 1;
  }
  std::ifstream datei(pfad, std::ios::binary);
  if (!datei) {
    fehler << "fehler: Das Skript „" << pfad << "“ lässt sich nicht lesen"
           << (std::filesystem::exists(pfad, ignoriert) ? " (keine Leseberechtigung).\n"
                                                        : " (die Datei gibt es nicht).\n");
    return 1;
  }
  return fuehreSkriptAus(datei, aus, fehler, seed, std::move(grafikexport));
}

}  // namespace quarvel
