#include "gui/anzeigemaler.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>
#include <cmath>

namespace quarvel {

namespace {

// Lines are cut a little outside the view: what lies further out cannot be seen, and
// huge coordinates make painters slow or wrong. The margin keeps cut ends and round caps
// out of sight.
constexpr double rand = 20;

Rechteck zeichenbereich(Ansichtsgroesse a) {
  return {-rand, a.breite + rand, -rand, a.hoehe + rand};
}

bool liegtIn(Bildpunkt p, const Rechteck& r) {
  return std::isfinite(p.x) && std::isfinite(p.y) && p.x >= r.links && p.x <= r.rechts &&
         p.y >= r.unten && p.y <= r.oben;
}

QColor farbe(const Rgb& rgb) {
  return QColor::fromRgbF(static_cast<float>(rgb.rot), static_cast<float>(rgb.gruen),
                          static_cast<float>(rgb.blau));
}

}  // namespace

Anzeigemaler::Anzeigemaler() {
  const QStringList vorhanden = QFontDatabase::families();
  for (const char* name :
       {"TeX Gyre Pagella", "P052", "Palatino", "Palatino Linotype", "URW Palladio L"}) {
    if (vorhanden.contains(QString::fromLatin1(name))) {
      familie_ = QString::fromLatin1(name);
      return;
    }
  }
  familie_ = QStringLiteral("serif");
}

QFont Anzeigemaler::schrift(double pixelGroesse) const {
  QFont f(familie_);
  f.setStyleHint(QFont::Serif);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelGroesse))));
  return f;
}

void Anzeigemaler::male(QPainter& maler, const Anzeigeliste& liste, double skala,
                        QPointF ursprung) const {
  const Ansichtsgroesse groesse = liste.groesse;
  const Rechteck bereich = zeichenbereich(groesse);
  const auto geraet = [&](Bildpunkt p) {
    return QPointF(ursprung.x() + skala * p.x, ursprung.y() + skala * (groesse.hoehe - p.y));
  };
  maler.save();
  maler.setRenderHint(QPainter::Antialiasing);
  maler.setRenderHint(QPainter::TextAntialiasing);
  double schriftgroesse = 0, unterlaenge = 0, oberlaenge = 0;
  int pixelGroesse = 0;
  // Cached layouts are reused only on devices that map pixels one to one (a view, an
  // image); printers and vector files get the text laid out for themselves.
  const bool zwischenspeichern = maler.device() != nullptr && maler.device()->devType() != QInternal::Printer &&
                                 maler.paintEngine() != nullptr &&
                                 (maler.paintEngine()->type() == QPaintEngine::Raster);
  if (texte_.size() > 5000) texte_.clear();
  for (const Anzeigeelement& element : liste.elemente) {
    if (const auto* h = std::get_if<Hintergrund>(&element)) {
      maler.fillRect(QRectF(ursprung, QSizeF(skala * groesse.breite, skala * groesse.hoehe)),
                     farbe(h->farbe));
    } else if (const auto* pfad = std::get_if<Pfad>(&element)) {
      QPen stift(farbe(pfad->farbe), skala * pfad->linienbreite, Qt::SolidLine, Qt::FlatCap,
                 Qt::BevelJoin);
      maler.setPen(stift);
      maler.setBrush(Qt::NoBrush);
      QPolygonF zug;
      for (const Linienzug& linie : pfad->linienzuege) {
        for (const Linienzug& geclippt : clippe(linie, bereich)) {
          // A tenth of a device pixel is far below what anyone can see.
          const Linienzug teil = vereinfache(geclippt, 0.1 / skala);
          zug.clear();
          zug.reserve(static_cast<qsizetype>(teil.size()));
          for (const Bildpunkt& p : teil) zug.append(geraet(p));
          maler.drawPolyline(zug);
        }
      }
      for (const Kreis& k : pfad->kreise) {
        if (liegtIn(k.mitte, bereich))
          maler.drawEllipse(geraet(k.mitte), skala * k.radius, skala * k.radius);
      }
    } else if (const auto* b = std::get_if<Beschriftung>(&element)) {
      if (!liegtIn(b->ort, bereich)) continue;
      // Consecutive labels mostly share their size: resolve the font once for each run.
      if (b->schriftgroesse != schriftgroesse) {
        schriftgroesse = b->schriftgroesse;
        const QFont f = schrift(skala * schriftgroesse);
        maler.setFont(f);
        unterlaenge = QFontMetricsF(f).descent();
        oberlaenge = QFontMetricsF(f).ascent();
        pixelGroesse = f.pixelSize();
      }
      maler.setPen(farbe(b->farbe));
      // The text box sits on `ort`: the baseline lies one descent above it.
      const QPointF unten = geraet(b->ort);
      const QString text = QString::fromStdString(b->text);
      if (!zwischenspeichern) {
        maler.drawText(QPointF(unten.x(), unten.y() - unterlaenge), text);
        continue;
      }
      auto eintrag = texte_.find({text, pixelGroesse});
      if (eintrag == texte_.end()) {
        QStaticText gesetzt(text);
        gesetzt.setTextFormat(Qt::PlainText);
        gesetzt.prepare(QTransform(), maler.font());
        eintrag = texte_.insert({text, pixelGroesse}, gesetzt);
      }
      // A laid-out text is placed by its top left corner.
      maler.drawStaticText(QPointF(unten.x(), unten.y() - unterlaenge - oberlaenge), *eintrag);
    }
  }
  maler.restore();
}

QSize pngGroesse(Ansichtsgroesse ansicht, double pixelVerhaeltnis) {
  const double gewuenscht =
      std::max(std::max(pixelVerhaeltnis, 1.0), minPngBreite / ansicht.breite);
  // Huge views would need gigabytes of memory: the picture is scaled down to a bounded
  // number of pixels instead.
  const double skala = std::min(gewuenscht, std::sqrt(maxPngPixel / (ansicht.breite * ansicht.hoehe)));
  return {static_cast<int>(std::ceil(ansicht.breite * skala - 1e-9)),
          static_cast<int>(std::ceil(ansicht.hoehe * skala - 1e-9))};
}

bool grafikSchreiben(const Anzeigeliste& liste, const QString& datei, double pixelVerhaeltnis) {
  const QString art = QFileInfo(datei).suffix().toLower();
  const Anzeigemaler maler;
  const Ansichtsgroesse ansicht = liste.groesse;
  const QSize groesse(static_cast<int>(std::lround(ansicht.breite)),
                      static_cast<int>(std::lround(ansicht.hoehe)));
  if (art == QLatin1String("png")) {
    // Raster pictures go onto projectors and worksheets: at least minPngBreite pixels
    // wide, and never coarser than the screen showed them.
    QImage bild(pngGroesse(ansicht, pixelVerhaeltnis), QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    QPainter p(&bild);
    maler.male(p, liste, bild.width() / ansicht.breite);
    p.end();
    return bild.save(datei, "PNG");
  }
  if (art == QLatin1String("pdf")) {
    QPdfWriter pdf(datei);
    pdf.setTitle(QStringLiteral("Quarvel"));
    pdf.setPageSize(QPageSize(QSizeF(ansicht.breite, ansicht.hoehe), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(72);
    QPainter p;
    if (!p.begin(&pdf)) return false;
    maler.male(p, liste);
    return p.end();
  }
  if (art == QLatin1String("svg")) {
    QSvgGenerator svg;
    svg.setFileName(datei);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    svg.setTitle(QStringLiteral("Quarvel"));
    QPainter p;
    if (!p.begin(&svg)) return false;
    maler.male(p, liste);
    return p.end();
  }
  return false;
}

DruckPlatz druckPlatz(Ansichtsgroesse ansicht, QSizeF seite) {
  // The printable width, unless the picture would then run off the page's foot.
  const double skala = std::min(seite.width() / ansicht.breite, seite.height() / ansicht.hoehe);
  return {skala, QPointF((seite.width() - skala * ansicht.breite) / 2, 0)};
}

void grafikDrucken(const Anzeigeliste& liste, QWidget* eltern) {
  QPrinter drucker(QPrinter::HighResolution);
  const Ansichtsgroesse ansicht = liste.groesse;
  // A picture wider than high fills a landscape page best, else a portrait one.
  drucker.setPageOrientation(ansicht.breite > ansicht.hoehe * 1.3 ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
  QPrintDialog dialog(&drucker, eltern);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter p;
  if (!p.begin(&drucker)) return;
  const DruckPlatz platz = druckPlatz(ansicht, drucker.pageRect(QPrinter::DevicePixel).size());
  Anzeigemaler().male(p, liste, platz.skala, platz.ursprung);
}

}  // namespace quarvel
