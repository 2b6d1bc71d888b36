#pragma once

#include "graph/grafikzustand.h"

namespace quarvel {

// Modifier keys held while the wheel turns. `cmd` is the key that stretches vertically
// (Shift on keyboards without a Command key).
struct Tasten {
  bool ctrl = false;
  bool alt = false;
  bool cmd = false;
};

// w > 0 narrows the frame by w on each side, w < 0 widens it; a frame 0.2 wide or
// narrower is reset to [-3, 3] x [-3, 3]. The height narrows only while it stays
// positive, so repeated zooming never turns the frame upside down.
void zoom(Grafikzustand& g, double wert);
// A twentieth of the width to the left (st < 0) or right.
void horiShift(Grafikzustand& g, double st);
// A hundredth of the height down (st < 0) or up.
void vertiShift(Grafikzustand& g, double st);
// Stretches (st >= 0) or shrinks the y range by a hundredth of its height on each side.
void yDehnungStauchung(Grafikzustand& g, double st);
// Takes over the pending source frame, if any and if it is usable.
void klarSchiff(Grafikzustand& g);

// One wheel event: only the sign of the vertical delta counts.
void scrollWheel(Grafikzustand& g, double dx, double dy, Tasten tasten);

}  // namespace quarvel
