#include "gui/anzeigemaler.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
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

// Long polylines are handed to the raster engine as single segments: it rasterises a
// plain line directly, while a polyline first goes through the general stroker, which
// costs more than twice as much for a frame full of curves. Each segment reaches this
// far (in pixels of the painter) into its neighbours, so the seams show neither a lighter nor a
// darker speck; at the curves' own ends nothing is added.
constexpr double fugenUeberlappung = 0.15;

// From this many points on a polyline is a curve; shorter ones (arrow heads, ticks) keep
// the stroker's joins.
constexpr qsizetype kurveAbPunkten = 4;

void segmentweise(QPainter& maler, const QPolygonF& zug, QList<QLineF>& striche) {
  striche.clear();
  for (qsizetype i = 0; i + 1 < zug.size(); ++i) {
    QLineF strich(zug[i], zug[i + 1]);
    const double laenge = strich.length();
    if (laenge > 0) {
      const QPointF ueber = (strich.p2() - strich.p1()) * (fugenUeberlappung / laenge);
      if (i > 0) strich.setP1(strich.p1() - ueber);
      if (i + 2 < zug.size()) strich.setP2(strich.p2() + ueber);
    }
    striche.append(strich);
  }
  maler.drawLines(striche);
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
  // Cached layouts and curves cut into single segments are only for devices that map
  // pixels one to one (a view, an image); printers and vector files get text laid out for
  // themselves and curves as whole polylines.
  const bool rastern =
      maler.device() != nullptr && maler.device()->devType() != QInternal::Printer &&
      maler.paintEngine() != nullptr && (maler.paintEngine()->type() == QPaintEngine::Raster);
  if (texte_.size() > 5000) texte_.clear();
  // Reused for every polyline of the frame.
  QPolygonF zug;
  QList<QLineF> striche;
  for (const Anzeigeelement& element : liste.elemente) {
    if (const auto* h = std::get_if<Hintergrund>(&element)) {
      maler.fillRect(QRectF(ursprung, QSizeF(skala * groesse.breite, skala * groesse.hoehe)),
                     farbe(h->farbe));
    } else if (const auto* pfad = std::get_if<Pfad>(&element)) {
      QPen stift(farbe(pfad->farbe), skala * pfad->linienbreite, Qt::SolidLine, Qt::FlatCap,
                 Qt::BevelJoin);
      maler.setPen(stift);
      maler.setBrush(Qt::NoBrush);
      for (const Linienzug& linie : pfad->linienzuege) {
        for (const Linienzug& geclippt : clippe(linie, bereich)) {
          // A tenth of a device pixel is far below what anyone can see.
          const Linienzug teil = vereinfache(geclippt, 0.1 / skala);
          zug.clear();
          zug.reserve(static_cast<qsizetype>(teil.size()));
          for (const Bildpunkt& p : teil) zug.append(geraet(p));
          if (rastern && zug.size() >= kurveAbPunkten) {
            segmentweise(maler, zug, striche);
          } else {
            maler.drawPolyline(zug);
          }
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
      if (!rastern) {
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
  const double skala =
      std::min(gewuenscht, std::sqrt(maxPngPixel / (ansicht.breite * ansicht.hoehe)));
  return {static_cast<int>(std::ceil(ansicht.breite * skala - 1e-9)),
          static_cast<int>(std::ceil(ansicht.hoehe * skala - 1e-9))};
}

QString grafikSchreiben(const Anzeigeliste& liste, const QString& datei, Grafikformat format,
                        double pixelVerhaeltnis) {
  // Written to a temporary file beside the target and renamed only when every step worked:
  // a failed export leaves an existing file as it was and no half-written one behind.
  QSaveFile ziel(datei);
  if (!ziel.open(QIODevice::WriteOnly)) {
    return QStringLiteral("Die Datei lässt sich nicht anlegen.");
  }
  const Anzeigemaler maler;
  const Ansichtsgroesse ansicht = liste.groesse;
  const QSize groesse(static_cast<int>(std::lround(ansicht.breite)),
                      static_cast<int>(std::lround(ansicht.hoehe)));
  bool gemalt = false;
  switch (format) {
    case Grafikformat::png: {
      // Raster pictures go onto projectors and worksheets: at least minPngBreite pixels
      // wide, and never coarser than the screen showed them.
      QImage bild(pngGroesse(ansicht, pixelVerhaeltnis), QImage::Format_ARGB32_Premultiplied);
      bild.fill(Qt::white);
      QPainter p(&bild);
      maler.male(p, liste, bild.width() / ansicht.breite);
      gemalt = p.end() && bild.save(&ziel, "PNG");
      break;
    }
    case Grafikformat::pdf: {
      QPdfWriter pdf(&ziel);
      pdf.setTitle(QStringLiteral("Quarvel"));
      pdf.setPageSize(QPageSize(QSizeF(ansicht.breite, ansicht.hoehe), QPageSize::Point));
      pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
      pdf.setResolution(72);
      QPainter p;
      gemalt = p.begin(&pdf);
      if (gemalt) maler.male(p, liste);
      gemalt = gemalt && p.end();
      break;
    }
    case Grafikformat::svg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&ziel);
      svg.setSize(groesse);
      svg.setViewBox(QRect(QPoint(0, 0), groesse));
      svg.setTitle(QStringLiteral("Quarvel"));
      QPainter p;
      gemalt = p.begin(&svg);
      if (gemalt) maler.male(p, liste);
      gemalt = gemalt && p.end();
      break;
    }
  }
  // A write error (a full disk) is remembered by the file and makes the commit fail.
  if (!gemalt || ziel.error() != QFileDevice::NoError || !ziel.commit()) {
    ziel.cancelWriting();
    return QStringLiteral(
        "Beim Schreiben ging etwas schief (Datenträger voll oder nicht beschreibbar?).");
  }
  return {};
}

DruckPlatz druckPlatz(Ansichtsgroesse ansicht, QSizeF seite) {
  // The printable width, unless the picture would then run off the page's foot.
  const double skala = std::min(seite.width() / ansicht.breite, seite.height() / ansicht.hoehe);
  return {skala, QPointF((seite.width() - skala * ansicht.breite) / 2, 0)};
}

QString grafikDrucken(const Anzeigeliste& liste, QWidget* eltern) {
  QPrinter drucker(QPrinter::HighResolution);
  const Ansichtsgroesse ansicht = liste.groesse;
  // A picture wider than high fills a landscape page best, else a portrait one.
  drucker.setPageOrientation(ansicht.breite > ansicht.hoehe * 1.3 ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
  QPrintDialog dialog(&drucker, eltern);
  if (dialog.exec() != QDialog::Accepted) return {};
  QPainter p;
  if (!p.begin(&drucker)) return QStringLiteral("Der Drucker lässt sich nicht ansprechen.");
  const DruckPlatz platz = druckPlatz(ansicht, drucker.pageRect(QPrinter::DevicePixel).size());
  Anzeigemaler().male(p, liste, platz.skala, platz.ursprung);
  if (!p.end()) return QStringLiteral("Der Druckauftrag ließ sich nicht abschließen.");
  return {};
}

}  // namespace quarvel
