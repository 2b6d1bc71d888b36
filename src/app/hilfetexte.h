#pragma once

#include <span>
#include <string>

namespace quarvel {

// The texts of the help window, each built once on first use.

// The about text the help window shows when it opens.
const std::string& info();

const std::string& optionenH();
const std::string& termEinlesenH();
const std::string& algebraH();
const std::string& splinesH();
const std::string& interpolationH();
const std::string& regressionH();
const std::string& steckbriefH();
const std::string& protokollH();
const std::string& aktuelleFunktionH();
const std::string& kritischeStellen();
const std::string& anzeigeOptionen();
const std::string& berechnungenhilfe();
const std::string& funktionhilfe();
const std::string& punkthilfe();

// A topic of the help window: the command that shows it, the title of its menu entry and
// its text.
struct Hilfethema {
  const char* befehl;
  const char* titel;
  const std::string& (*text)();
};

// Every fixed topic, in the order of the help menu.
std::span<const Hilfethema> hilfethemen();

}  // namespace quarvel
