#include "points/umbenennung.h"

#include <utility>

namespace quarvel {

namespace {

std::string ersetzt(const std::string& alt, const std::string& neu) {
  return "Der Name " + alt + " wurde durch " + neu + " ersetzt.";
}

// Moves the entry `alt` of a list to the key `neu` and renames the object itself.
template <typename Liste>
void umhaengen(Liste& liste, const std::string& alt, const std::string& neu) {
  auto objekt = std::move(liste.at(alt));
  liste.erase(alt);
  objekt->name = neu;
  liste[neu] = std::move(objekt);
}

}  // namespace

std::string namenErsetzen(Objektlisten& listen, const std::string& alt, const std::string& neu) {
  if (listen.fuExistiert(alt)) {
    if (listen.namensBewertung(neu, ObjektTyp::f) != NamensAttribut::frei) {
      return neu + " ist kein verfügbarer oder für ein Polynom hier zulässiger Name.";
    }
    umhaengen(listen.fuListe, alt, neu);
    listen.fuNamen.insert(alt);
    listen.fuNamen.erase(neu);
    return ersetzt(alt, neu);
  }
  if (listen.pktExistiert(alt)) {
    if (listen.namensBewertung(neu, ObjektTyp::p) != NamensAttribut::frei) {
      return neu + " ist kein verfügbarer oder für einen Punkt hier zulässiger Name.";
    }
    umhaengen(listen.pktListe, alt, neu);
    listen.punktNamen.insert(alt);
    listen.punktNamen.erase(neu);
    return ersetzt(alt, neu);
  }
  if (listen.spExistiert(alt)) {
    if (listen.namensBewertung(neu, ObjektTyp::f) != NamensAttribut::frei) {
      return neu + " ist kein verfügbarer oder für eine Funktion hier zulässiger Name.";
    }
    umhaengen(listen.spListe, alt, neu);
    listen.fuNamen.insert(alt);
    listen.fuNamen.erase(neu);
    return ersetzt(alt, neu);
  }
  return "Der im Feld <name> eingetragene Name " + alt +
         " gehört weder zu einem Punkt noch zu einer Funktion. Daher konnte keine Ersetzung "
         "erfolgen";
}

}  // namespace quarvel
