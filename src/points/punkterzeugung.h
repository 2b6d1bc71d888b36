#pragma once

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "model/objektlisten.h"
#include "model/polynom.h"
#include "model/punkt.h"

namespace quarvel {

// Filling the point list without typing each point: evenly spaced points on a stored
// function, or random points on the grid of hundredths of the shown window. New points are
// named with one capital letter and the smallest free numbers from 1 on («A1», «A2», …;
// with «A2» already stored, three new points are «A1», «A3», «A4»). Each generator has a
// test that collects every complaint in one message; generate only after it passed.

// More points at once would make the list unwieldy and the command slow.
inline constexpr long long hoechsteErzeugungsanzahl = 10000;

struct Erzeugungspruefung {
  bool ok = true;
  std::string meldung;
};

// Exactly one of the capital letters A to Z.
bool istGrossbuchstabe(std::string_view s);

// x, y: the ends of the x-range as numbers in text form; z: the name of a stored function;
// w: the number of points; name: the point letter. The messages name these parameters.
Erzeugungspruefung testPunkteAufF(const Funktionsliste& funktionen, std::string_view x,
                                  std::string_view y, std::string_view z, std::string_view w,
                                  std::string_view name);
// The w points on z that divide [x, y] into w + 1 equal parts (the ends get no point), each
// with y given and z, w not, named and in the order of their x.
std::vector<Punkt> genPunkteAufF(const Objektlisten& listen, std::string_view x, std::string_view y,
                                 std::string_view z, std::string_view w, std::string_view name);

// w: the number of points; name: the point letter; fenster: the shown window, which must
// hold enough grid values for w different x values.
Erzeugungspruefung testZufallsPunkte(std::string_view w, std::string_view name,
                                     const Grenzen& fenster);
// w random points of the window with different x values, numbered from left to right.
std::vector<Punkt> genZufallsPunkte(const Punktliste& punkte, std::string_view w,
                                    std::string_view name, const Grenzen& fenster,
                                    std::mt19937& zufall);

// A random multiple of 0.01 in [von, bis): (basis + r) / 100 with basis = 100 · von cut
// toward zero and r uniform in 0 … 100 · (bis − von) − 1; von itself when the range holds
// less than one step. The range must fit the grid (see testZufallsPunkte).
double zufallsZahlImIntervall(double von, double bis, std::mt19937& zufall);

// The number of different values zufallsZahlImIntervall can give for [von, bis).
unsigned long long rasterwerte(double von, double bis);

// How many names a question or hint spells out; the rest are only counted.
inline constexpr std::size_t hoechstensGenannt = 20;

// The names as a bracketed list of quoted names: ["A1", "A2"]; beyond hoechstensGenannt
// names the list is cut and followed by " … und N weitere", so that a question box or the
// hint line stays readable whatever the list holds.
std::string namensliste(const std::vector<std::string>& namen);
std::string namensliste(const std::vector<Punkt>& punkte);

}  // namespace quarvel
