#pragma once

#include <string>
#include <string_view>

#include "model/polynom.h"
#include "model/zahltext.h"

namespace quarvel {

// Every text the constructions from points show to the user.

inline constexpr std::string_view unterOderUeberbestimmt =
    "Die Funktion wird durch die angegebenen Koordinaten bzw. Ableitungen unter- oder "
    "überbestimmt.";
inline constexpr std::string_view koordinatenUnvertraeglich =
    "Die angegebenen Koordinaten sind unverträglich.";
inline constexpr std::string_view zuVieleInterpolationspunkte =
    "Durch mehr als 15 Punkte lässt sich kein Interpolationspolynom höchstens 14. Grades "
    "legen. Bitte höchstens 15 Punkte mit y-Wert aktivieren.";
inline constexpr std::string_view splinePunkteUnvertraeglich =
    "Die angegebenen Punkte sind unverträglich oder ihre Anzahl beträgt nicht mindestens 3.";
inline constexpr std::string_view habIchGelesen = "Hab ich gelesen";

inline std::string regressionGradZuHoch() {
  return "Dieses Programm berechnet durch Regression keine Funktionen höheren als " +
         ganzText(pgrad) + ". Grades!";
}
inline std::string regressionOhnePunkte(int grad) {
  return "Für die Ermittlung eines Polynoms vom Grade " + ganzText(grad) +
         " beträgt die Anzahl der Stützstellen mindestens " + ganzText(grad + 1) +
         ". Die Punktliste enthält aber bisher keine Punkte mit vollständigen Koordinaten.";
}
inline std::string regressionNumerischUnmoeglich(int grad) {
  return "Das Regressionspolynom vom Grade " + ganzText(grad) +
         " lässt sich zu diesen Punkten nicht zuverlässig berechnen: ihre x-Werte liegen zu weit "
         "vom Ursprung entfernt. Bitte einen kleineren Grad wählen.";
}

inline constexpr std::string_view splinelisteLeer = "Die Liste der Splines ist bereits leer.";

}  // namespace quarvel
