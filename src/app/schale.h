#pragma once

#include <string>

#include "app/zustand.h"
#include "model/polynom.h"
#include "model/schultext.h"
#include "model/zahltext.h"

namespace quarvel {

// Output, hints and questions: the only ways a command talks to the user.

// modus -1: replace the output field; 0: replace it, with a line break;
// 1: append with a blank; otherwise: append with a line break.
// With modus >= 0 the text also goes to the protocol.
void ausgabe(Zustand& z, int modus, const std::string& text);
// The hint line shows a line break followed by `text`.
void bemerkung(Zustand& z, const std::string& text);
// A question; `unveraendert` names the button that changes nothing (for most questions
// the second, "Abbruch" or "Lieber doch nicht").
std::string auswahl(Zustand& z, const std::string& meldung, const std::string& option,
                    const std::string& option2,
                    Unveraendert unveraendert = Unveraendert::zweiterKnopf);
// A one-button alert with "Gelesen".
void warnung(Zustand& z, const std::string& text);
// The name field, reduced to letters and digits.
std::string neuNamenLesen(const Zustand& z);
// The coefficients of the current function.
Koeffizienten einlesen(const Zustand& z);

// Shows the protocol in the output field, or brings back what the field showed before.
void protoZeigenOderAusblenden(Zustand& z);

// Gives the current function its drawing extents.
void aktGrenzenSetzen(Zustand& z);

// The state right after start: the current function with its extents and the start hint.
void starte(Zustand& z);

// Text form of a polynomial with the current number of decimals (and fractions if chosen).
std::string text(const Zustand& z, const Polynom& p);
// How numbers of results are written now: decimals and whether as fractions.
Zahlformat zahlformat(const Zustand& z);
// A result number: the fraction when fractions are chosen and x is one, else `dezimal`.
std::string bruchOder(const Zustand& z, double x, std::string dezimal);
// A result number rounded to the current decimals, or its fraction when fractions are chosen.
std::string ergebnisZahl(const Zustand& z, double x, Kleinwerte klein = Kleinwerte::behalten);

}  // namespace quarvel
