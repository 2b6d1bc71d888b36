#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/objektlisten.h"
#include "model/polynom.h"

namespace quarvel {

// Which source frame is taken over into the shown frame.
enum class FensterW { rechteckig, grafbedingt, nachpunkten };
// Which functions are drawn and whose extent forms the function frame.
enum class GrafikDimension { aktuell, nominal, allfunktional };

// The ticks of the main window's radio buttons that choose the graph window.
struct Fensterwahl {
  bool aktuellB = true;
  bool funktionalB = false;
  bool allfunktionalB = false;
  bool nachFunktion = true;
  bool rechteckGB = false;
  bool nachPunktenGB = false;
  std::string rechteckTitel = ".. als Rechteck [-2.0, 2.0] x [-2.0, 2.0] ";
};

// The size of the graph view in view units. Scripts see the default size; the window
// sets the size its view is given.
struct Ansichtsgroesse {
  double breite = 650;
  double hoehe = 580;
  bool operator==(const Ansichtsgroesse&) const = default;
};
inline constexpr double minAnsicht = 100;
inline constexpr double maxAnsicht = 8000;

// What the last placement or move left to undo.
enum class Rueckgaengig { nichts, neuerPunkt, verschoben };

// The point gesture: select a point with a right drag, release to arm the move, move it
// with a left drag and release; place a new one with "neu"; undo the last step once.
struct Punktgeste {
  enum class Phase {
    ruhe,          // nothing selected
    waehlen,       // the right button is down: a drag shows the nearest point's name
    verschiebbar,  // a stored point is selected; the next left release moves it there
  };
  Phase phase = Phase::ruhe;
  Rueckgaengig letzteAktion = Rueckgaengig::nichts;
  // The moved point as it was, or the placed point.
  Punkt backPunkt;
  // Name of the placed point.
  std::string undoName;
};

// Everything the graph view shows and the frames it is fitted to.
struct Grafikzustand {
  // The frame currently shown.
  double xlinks = -4, xrechts = 4, yunten = -4, yoben = 4;
  Grenzen xyRahmen{-2, 2, -2, 2};
  Grenzen fuRahmen{-2, 2, -2, 2};
  Grenzen pRahmen{-2, 2, -2, 2};
  // A source frame changed and is taken over at the next settling of the view.
  bool neuG = true;
  FensterW fensterTyp = FensterW::grafbedingt;
  GrafikDimension grafikDim = GrafikDimension::aktuell;
  std::string letzterFname;

  bool koordinatensystemSichtbar = true;
  bool gitterpunkteSichtbar = false;
  bool xSkalapunkteSichtbar = true;
  bool ySkalapunkteSichtbar = true;
  bool punkteImGraphenZeigen = true;
  bool kritischePunkteImGraphenZeigen = false;

  bool funktionsnamenZeigen = true;

  Ansichtsgroesse ansicht;

  // Last mouse position in world coordinates.
  double tempX = 0, tempY = 0;

  // Texts of the view's own fields (the legend follows from the frame: legendenText).
  std::string maus;
  std::string traeger;
  std::string punktButton = "neu";

  Fensterwahl wahl;

  // Accumulated horizontal and last vertical wheel delta.
  double xValue = 0, yValue = 0;
  Punktgeste geste;
};

// The frame of one function: its stored extents, or fresh ones when it was stored
// without usable extents (quotients, antiderivatives, a new current function).
Grenzen rahmenVon(const Polynom& p, int dezimalen);

// Recomputes the function frame from the functions chosen for drawing.
void neuF(Grafikzustand& g, const Objektlisten& listen, const Polynom& akt, int dezimalen);
// Recomputes the point frame from the active points (the origin always inside).
void neuP(Grafikzustand& g, const Objektlisten& listen);

}  // namespace quarvel
