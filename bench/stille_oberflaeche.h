#pragma once

#include <string>

#include "app/oberflaeche.h"

namespace quarvel::bench {

// A front end that answers every question with its first button and shows nothing.
class StilleOberflaeche final : public Oberflaeche {
 public:
  std::string auswahl(const std::string&, const std::string& option, const std::string&,
                      Unveraendert) override {
    return option;
  }
  void piep() override {}
  void neuZeichnen() override {}
  void beenden() override {}
};

}  // namespace quarvel::bench
