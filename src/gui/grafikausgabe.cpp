#include <QMessageBox>

#include "gui/anzeigemaler.h"
#include "gui/hauptfenster.h"

namespace quarvel {

bool DialogOberflaeche::grafikAusgeben(const Anzeigeliste& liste, const std::string& datei) {
  if (datei.empty()) {
    grafikDrucken(liste, eltern_);
    return true;
  }
  const QString pfad = QString::fromStdString(datei);
  if (grafikSchreiben(liste, pfad, eltern_->devicePixelRatioF())) return true;
  QMessageBox::warning(
      eltern_, QStringLiteral("Quarvel"),
      QStringLiteral("Die Grafik konnte nicht als %1 gespeichert werden.").arg(pfad));
  return false;
}

}  // namespace quarvel
