#pragma once

#include <string>

#include "app/grafikdatei.h"
#include "graph/anzeigeliste.h"

namespace quarvel {

// What the core needs from a front end. Field texts live in the state (Felder); a front
// end copies its widgets into the state before a command and back after it.
// The button of a question that leaves everything as it is. Escape and the close button
// of a question answer with it, so that dismissing a question never changes anything.
enum class Unveraendert { ersterKnopf, zweiterKnopf };

class Oberflaeche {
 public:
  virtual ~Oberflaeche() = default;
  // A modal question with the buttons `option` (the default) and `option2`; an empty
  // `option2` makes it a one-button alert. Returns the chosen label, or "Fehler".
  virtual std::string auswahl(const std::string& meldung, const std::string& option,
                              const std::string& option2, Unveraendert unveraendert) = 0;
  virtual void piep() = 0;
  // The graph view should draw itself anew.
  virtual void neuZeichnen() = 0;
  // A file could not be read or written: an alert in the window, an error in a script.
  virtual void dateifehler(const std::string& meldung) {
    auswahl(meldung, "OK", "", Unveraendert::ersterKnopf);
  }
  // The user confirmed quitting.
  virtual void beenden() = 0;
  // Prints the picture (empty `datei`) or writes it to `datei`, a name already checked,
  // in `format`. Returns why it failed (a German sentence), empty when it was done or the
  // user cancelled the print dialog.
  virtual std::string grafikAusgeben(const Anzeigeliste&, const std::string& /*datei*/,
                                     Grafikformat /*format*/) {
    return "Diese Oberfläche kann die Grafik nicht ausgeben.";
  }
};

}  // namespace quarvel
