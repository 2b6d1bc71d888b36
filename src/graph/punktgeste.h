#pragma once

#include "graph/grafikzustand.h"
#include "model/objektlisten.h"

namespace quarvel {

// The point gesture of the graph view as a small state machine over Punktgeste.
//
//   rightMouseDown      -> waehlen (any armed move is dropped, the coordinates cleared)
//   rightMouseDragged   -> traeger = the nearest stored point's name or "?"; undo dropped
//   rightMouseUp        -> verschiebbar when traeger names a stored point, else ruhe
//   mouseDragged        -> coordinates shown, tempX/tempY remembered; undo dropped
//   mouseUp             -> in verschiebbar: the point moves to tempX/tempY; then ruhe
//   punktSetzen         -> undo when there is something to undo, else a new point
//
// The button title follows the state: "Undo" while a step can be undone, else "neu".
// Positions are view coordinates. Functions that store a point under a name taken from
// the pool report true when the frames must be recomputed by the caller.

void rightMouseDown(Grafikzustand& g);
void rightMouseDragged(Grafikzustand& g, const Objektlisten& listen, double xw, double yw);
void rightMouseUp(Grafikzustand& g, const Objektlisten& listen);
void mouseDragged(Grafikzustand& g, double xw, double yw);
void mouseUp(Grafikzustand& g, Objektlisten& listen);

// Moves the point named in traeger to tempX/tempY. Nothing happens when that name is no
// longer stored.
void verschiebePunkt(Grafikzustand& g, Objektlisten& listen);
// A new point at tempX/tempY, named by traeger when that is a free point name, else by the
// first name of the pool. Nothing happens when no name is free. The name leaves the pool.
void neuPunkt(Grafikzustand& g, Objektlisten& listen);
// Undoes the last placement or move. True when a moved point was stored back (the frames
// must follow).
bool punktUndo(Grafikzustand& g, Objektlisten& listen);
// The button "neu" / "Undo".
bool punktSetzen(Grafikzustand& g, Objektlisten& listen);
// Moves the label of the point named in traeger.
void buchstabenPos(Grafikzustand& g, Objektlisten& listen, int dx, int dy);

}  // namespace quarvel
