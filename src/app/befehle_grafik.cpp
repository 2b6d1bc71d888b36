#include <string>

#include "app/befehle.h"
#include "app/fensterwahl.h"
#include "app/grafikanzeige.h"
#include "app/listenpflege.h"
#include "app/schale.h"
#include "graph/mausrad.h"
#include "graph/punktgeste.h"
#include "graph/rahmen.h"
#include "model/toleranz.h"
#include "model/zahltext.h"
#include "points/punktauswahl.h"

namespace quarvel {

namespace {

// Messages of the window choice.
constexpr const char* rahmenfelderUnbrauchbar =
    "Die eingegebenen Werte in den Feldern x und y sind nicht verwertbar\n ";
constexpr const char* rahmengrenzenZuGross =
    "Die Grenzen des Rahmens sind zu groß: jede darf höchstens den Betrag 1e15 haben.";

// --- What is drawn and the frame it is fitted to ---

void aktuellWahlB(Zustand& z) {
  grafWahl(z, GrafikDimension::aktuell);
  // The function frame follows the choice, else the view would keep the frame of
  // the functions drawn before.
  neuF(z);
}

void funktionalWahlB(Zustand& z) {
  z.grafik.letzterFname = z.felder.name;
  grafWahl(z, GrafikDimension::nominal);
  neuF(z);
}

void allfunktionalWahlB(Zustand& z) {
  grafWahl(z, GrafikDimension::allfunktional);
  neuF(z);
}

// A window choice shows its frame at once, the way a wheel turn settles the view.
void fensterZeigen(Zustand& z) {
  klarSchiff(z.grafik);
  z.ui.neuZeichnen();
}

void rechteckWahlB(Zustand& z) {
  fensterWahl(z, FensterW::rechteckig);
  fensterZeigen(z);
}

void nachFunktionB(Zustand& z) {
  fensterWahl(z, FensterW::grafbedingt);
  fensterZeigen(z);
}

void nachPunktenWahlB(Zustand& z) {
  fensterWahl(z, FensterW::nachpunkten);
  fensterZeigen(z);
}

// A new rectangle is shown when the rectangle window is chosen; otherwise it only waits
// for that choice, and the view keeps what it shows.
void neuesRechteck(Zustand& z, double xmi, double xma, double ymi, double yma) {
  setzeXYRahmen(z.grafik, xmi, xma, ymi, yma);
  if (z.grafik.fensterTyp != FensterW::rechteckig) return;
  z.grafik.neuG = true;
  fensterZeigen(z);
}

void fRahmenWahlB(Zustand& z) {
  const std::string& x = z.felder.x;
  const std::string& y = z.felder.y;
  if (istIntervall(x) && istIntervall(y)) {
    const auto [a, b] = entpacke(x);
    const auto [c, d] = entpacke(y);
    if (!istHandlich(a) || !istHandlich(b) || !istHandlich(c) || !istHandlich(d)) {
      ausgabe(z, 0, rahmengrenzenZuGross);
      return;
    }
    if (a < b && c < d) {
      neuesRechteck(z, a, b, c, d);
      return;
    }
  }
  ausgabe(z, 0, rahmenfelderUnbrauchbar);
}

void fRahmenUebernahmeB(Zustand& z) {
  const Grafikzustand& g = z.grafik;
  neuesRechteck(z, rund1(g.xlinks), rund1(g.xrechts), rund1(g.yunten), rund1(g.yoben));
}

// --- Display switches ---

void umschalten(Zustand& z, bool Grafikzustand::*schalter) {
  z.grafik.*schalter = !(z.grafik.*schalter);
  z.ui.neuZeichnen();
}

// --- Point gesture buttons ---

void punktSetzenB(Zustand& z) {
  if (punktSetzen(z.grafik, z.listen)) neuF(z);
  z.ui.neuZeichnen();
}

void labelVerschieben(Zustand& z, int dx, int dy) {
  buchstabenPos(z.grafik, z.listen, dx, dy);
  z.ui.neuZeichnen();
}

// --- Events of the view (view coordinates, origin lower left) ---

bool zahlen(const Argumente& a, double& x, double& y) {
  if (a.size() != 2) return false;
  const auto ax = alsZahl(a[0]), ay = alsZahl(a[1]);
  if (!ax || !ay) return false;
  x = *ax;
  y = *ay;
  return true;
}

// scrollWheel DX DY [ctrl] [alt] [cmd]
bool scrollWheelB(Zustand& z, const Argumente& a) {
  double dx = 0, dy = 0;
  if (a.size() < 2 || !zahlen({a[0], a[1]}, dx, dy)) return false;
  Tasten tasten;
  for (std::size_t i = 2; i < a.size(); ++i) {
    if (a[i] == "ctrl") {
      tasten.ctrl = true;
    } else if (a[i] == "alt") {
      tasten.alt = true;
    } else if (a[i] == "cmd") {
      tasten.cmd = true;
    } else {
      return false;
    }
  }
  scrollWheel(z.grafik, dx, dy, tasten);
  z.ui.neuZeichnen();
  return true;
}

// A point of the view, bounds included; anything outside would map to a point no one saw.
bool ansichtspunkt(Zustand& z, const Argumente& a, double& x, double& y) {
  if (!zahlen(a, x, y)) return false;
  const Ansichtsgroesse ansicht = z.grafik.ansicht;
  if (x >= 0 && x <= ansicht.breite && y >= 0 && y <= ansicht.hoehe) return true;
  z.befehlsfehler = "Die Stelle liegt außerhalb der Grafik (x von 0 bis " +
                    std::to_string(static_cast<long>(ansicht.breite)) + ", y von 0 bis " +
                    std::to_string(static_cast<long>(ansicht.hoehe)) + ").";
  return false;
}

bool mouseDraggedB(Zustand& z, const Argumente& a) {
  double x = 0, y = 0;
  if (!ansichtspunkt(z, a, x, y)) return false;
  mouseDragged(z.grafik, x, y);
  z.ui.neuZeichnen();
  return true;
}

bool rightMouseDraggedB(Zustand& z, const Argumente& a) {
  double x = 0, y = 0;
  if (!ansichtspunkt(z, a, x, y)) return false;
  rightMouseDragged(z.grafik, z.listen, x, y);
  z.ui.neuZeichnen();
  return true;
}

// grafikGroesse B H: the size of the view in view units; the frame stays, the picture is
// stretched or squeezed.
bool grafikGroesseB(Zustand& z, const Argumente& a) {
  double breite = 0, hoehe = 0;
  if (!zahlen(a, breite, hoehe) || !setzeAnsichtsgroesse(z.grafik, breite, hoehe)) return false;
  z.ui.neuZeichnen();
  return true;
}

// printB [DATEI]: the print dialog, or the picture written to DATEI (one word, blanks
// and all). A refused or failed export names the file and the reason.
bool printB(Zustand& z, const Argumente& a) {
  if (a.size() > 1) return false;
  const std::string datei = a.empty() ? std::string() : a.front();
  Grafikformat format = Grafikformat::pdf;
  std::string grund;
  if (!datei.empty()) {
    const Grafikdateiwahl wahl = pruefeGrafikdatei(datei);
    grund = wahl.grund;
    if (wahl.format) format = *wahl.format;
  }
  if (grund.empty()) grund = z.ui.grafikAusgeben(grafikZeichnen(z), datei, format);
  if (!grund.empty()) {
    z.befehlsfehler = datei.empty()
                          ? "Die Grafik wurde nicht gedruckt: " + grund
                          : "Die Grafik wurde nicht als „" + datei + "“ gespeichert. " + grund;
    return false;
  }
  if (!datei.empty()) z.felder.hinweis = "Grafik gespeichert: " + datei;
  return true;
}

}  // namespace

void registriereGrafikbefehle(Befehlstabelle& t) {
  t.eintragen("aktuellWahlB", aktuellWahlB);
  t.eintragen("funktionalWahlB", funktionalWahlB);
  t.eintragen("allfunktionalWahlB", allfunktionalWahlB);
  t.eintragen("rechteckWahlB", rechteckWahlB);
  t.eintragen("nachFunktionB", nachFunktionB);
  t.eintragen("nachPunktenWahlB", nachPunktenWahlB);
  t.eintragen("fRahmenWahlB", fRahmenWahlB);
  t.eintragen("fRahmenUebernahmeB", fRahmenUebernahmeB);

  t.eintragen("rasterAendern",
              [](Zustand& z) { umschalten(z, &Grafikzustand::gitterpunkteSichtbar); });
  t.eintragen("achsenZeigen",
              [](Zustand& z) { umschalten(z, &Grafikzustand::koordinatensystemSichtbar); });
  t.eintragen("xSkalaAendern",
              [](Zustand& z) { umschalten(z, &Grafikzustand::xSkalapunkteSichtbar); });
  t.eintragen("ySkalaAendern",
              [](Zustand& z) { umschalten(z, &Grafikzustand::ySkalapunkteSichtbar); });
  t.eintragen("funktionsnamenAendern",
              [](Zustand& z) { umschalten(z, &Grafikzustand::funktionsnamenZeigen); });

  t.eintragen("punktSetzen", punktSetzenB);
  t.eintragen("punktLinksB", [](Zustand& z) { labelVerschieben(z, -2, 0); });
  t.eintragen("punktRechtsB", [](Zustand& z) { labelVerschieben(z, 2, 0); });
  t.eintragen("punktHochB", [](Zustand& z) { labelVerschieben(z, 0, 2); });
  t.eintragen("punktTiefB", [](Zustand& z) { labelVerschieben(z, 0, -2); });
  t.eintragenMitRestzeile("printB", printB);
  t.eintragen("grafikGroesse", grafikGroesseB);

  t.eintragen("scrollWheel", scrollWheelB);
  t.eintragen("mouseDragged", mouseDraggedB);
  t.eintragen("mouseUp", [](Zustand& z) {
    mouseUp(z.grafik, z.listen);
    z.ui.neuZeichnen();
  });
  t.eintragen("rightMouseDown", [](Zustand& z) {
    rightMouseDown(z.grafik);
    z.ui.neuZeichnen();
  });
  t.eintragen("rightMouseDragged", rightMouseDraggedB);
  t.eintragen("rightMouseUp", [](Zustand& z) {
    rightMouseUp(z.grafik, z.listen);
    z.ui.neuZeichnen();
  });
}

}  // namespace quarvel
