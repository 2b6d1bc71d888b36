#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/zustand.h"

namespace quarvel {

// Names and storing for the functions that the calculation commands create.

// The announcement when the typed name could not be used, for the commands that read the
// name field as it stands; the name and " erhalten. " follow.
inline constexpr std::string_view zufallsnameAnsage =
    "Da kein zulässiger und noch freier Name für die Funktion angegeben wurde, hat sie den "
    "Zufallsnamen ";
// The same announcement in the words "einen Zufallsnamen, nämlich", used by the derivative
// and the constructions.
inline constexpr std::string_view zufallsnameAnsageNaemlich =
    "Da kein zulässiger und noch freier Name für die Funktion angegeben wurde, hat sie einen "
    "Zufallsnamen, nämlich ";
// The same words as when a term finds no free name.
inline constexpr std::string_view keinFreierNameMeldung =
    "Es ist kein Funktionsname mehr frei. Bitte einen zulässigen, noch freien Namen in das Feld "
    "'Name' eintragen oder Funktionen aus der Liste löschen.";

// Whether a typed "akt" names the current function (reading a term) or is refused like any
// other name that cannot be stored.
enum class AktAlsName { abgelehnt, erlaubt };

// True when a new function may be stored under `name`: a free function name that is not
// "akt" (which always means the current function).
bool istFreierNeuerName(const Zustand& z, const std::string& name);

// The name for a new function or spline, the one way commands obtain it: `gewuenscht`
// (without surrounding blanks) when it is free, else the first name of the pool,
// announced with `ansage` + name + " erhalten. ". The pool name leaves the pool only when
// something is stored under it. When the pool is exhausted the user is told so and the
// result is empty: the caller stores nothing.
std::optional<std::string> neuerFunktionsname(Zustand& z, const std::string& gewuenscht,
                                              std::string_view ansage,
                                              AktAlsName akt = AktAlsName::abgelehnt);

// Stores a result under `name` as it is, without extents and critical points. Quotient, remainder,
// gcd and antiderivative are stored this way, so a stored function may have the frame (0, 0, 0, 0):
// a graph must never map a frame of zero width.
void ohneAusdehnungEinlisten(Zustand& z, const std::string& name, const PolynomRef& p);

}  // namespace quarvel
