#include "gui/anzeigemaler.h"
#include "gui/hauptfenster.h"

namespace quarvel {

std::string DialogOberflaeche::grafikAusgeben(const Anzeigeliste& liste, const std::string& datei,
                                              Grafikformat format) {
  if (datei.empty()) return grafikDrucken(liste, eltern_).toStdString();
  return grafikSchreiben(liste, QString::fromStdString(datei), format, eltern_->devicePixelRatioF())
      .toStdString();
}

}  // namespace quarvel
