#include "points/umbenennung.h"

#include <utility>

namespace quarvel {

namespace {

std::string ersetzt(const std::string& alt, const std::string& neu) {
  return "Der Name " + alt + " wurde durch " + neu + " ersetzt.";
}

}  // namespace

std::string namenErsetzen(Objektlisten& listen, const std::string& alt, const std::string& neu) {
  if (listen.fuExistiert(alt)) {
    if (listen.namensBewertung(neu, ObjektTyp::f) != NamensAttribut::frei) {
      return neu + " ist kein verfügbarer oder für ein Polynom hier zulässiger Name.";
    }
    const PolynomRef f = listen.fuListe().at(alt);
    listen.entferneFunktion(alt);
    listen.speichereFunktion(neu, f);
    return ersetzt(alt, neu);
  }
  if (listen.pktExistiert(alt)) {
    if (listen.namensBewertung(neu, ObjektTyp::p) != NamensAttribut::frei) {
      return neu + " ist kein verfügbarer oder für einen Punkt hier zulässiger Name.";
    }
    const PunktRef p = listen.pktListe().at(alt);
    listen.entfernePunkt(alt);
    listen.speicherePunkt(neu, p);
    return ersetzt(alt, neu);
  }
  if (listen.spExistiert(alt)) {
    if (listen.namensBewertung(neu, ObjektTyp::f) != NamensAttribut::frei) {
      return neu + " ist kein verfügbarer oder für eine Funktion hier zulässiger Name.";
    }
    const SplineRef s = listen.spListe().at(alt);
    listen.entferneSpline(alt);
    listen.speichereSpline(neu, s);
    return ersetzt(alt, neu);
  }
  return "Der im Feld <name> eingetragene Name " + alt +
         " gehört weder zu einem Punkt noch zu einer Funktion. Daher konnte keine Ersetzung "
         "erfolgen";
}

}  // namespace quarvel
