#include "gui/anzeigemaler.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
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
constexpr Rechteck zeichenbereich{-rand, fensterBreite + rand, -rand, fensterHoehe + rand};

bool imZeichenbereich(Bildpunkt p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && p.x >= zeichenbereich.links &&
         p.x <= zeichenbereich.rechts && p.y >= zeichenbereich.unten && p.y <= zeichenbereich.oben;
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
  const auto geraet = [&](Bildpunkt p) {
    return QPointF(ursprung.x() + skala * p.x, ursprung.y() + skala * (fensterHoehe - p.y));
  };
  maler.save();
  maler.setRenderHint(QPainter::Antialiasing);
  maler.setRenderHint(QPainter::TextAntialiasing);
  double groesse = 0, unterlaenge = 0;
  for (const Anzeigeelement& element : liste.elemente) {
    if (const auto* h = std::get_if<Hintergrund>(&element)) {
      maler.fillRect(QRectF(ursprung, QSizeF(skala * fensterBreite, skala * fensterHoehe)),
                     farbe(h->farbe));
    } else if (const auto* pfad = std::get_if<Pfad>(&element)) {
      QPen stift(farbe(pfad->farbe), skala * pfad->linienbreite, Qt::SolidLine, Qt::FlatCap,
                 Qt::BevelJoin);
      maler.setPen(stift);
      maler.setBrush(Qt::NoBrush);
      QPolygonF zug;
      for (const Linienzug& linie : pfad->linienzuege) {
        for (const Linienzug& geclippt : clippe(linie, zeichenbereich)) {
          // A tenth of a device pixel is far below what anyone can see.
          const Linienzug teil = vereinfache(geclippt, 0.1 / skala);
          zug.clear();
          zug.reserve(static_cast<qsizetype>(teil.size()));
          for (const Bildpunkt& p : teil) zug.append(geraet(p));
          maler.drawPolyline(zug);
        }
      }
      for (const Kreis& k : pfad->kreise) {
        if (imZeichenbereich(k.mitte))
          maler.drawEllipse(geraet(k.mitte), skala * k.radius, skala * k.radius);
      }
    } else if (const auto* b = std::get_if<Beschriftung>(&element)) {
      if (!imZeichenbereich(b->ort)) continue;
      // Consecutive labels mostly share their size: resolve the font once for each run.
      if (b->schriftgroesse != groesse) {
        groesse = b->schriftgroesse;
        const QFont f = schrift(skala * groesse);
        maler.setFont(f);
        unterlaenge = QFontMetricsF(f).descent();
      }
      maler.setPen(farbe(b->farbe));
      // The text box sits on `ort`: the baseline lies one descent above it.
      const QPointF unten = geraet(b->ort);
      maler.drawText(QPointF(unten.x(), unten.y() - unterlaenge), QString::fromStdString(b->text));
    }
  }
  maler.restore();
}

QString grafikSchreiben(const Anzeigeliste& liste, const QString& datei, Grafikformat format) {
  // Written to a temporary file beside the target and renamed only when every step worked:
  // a failed export leaves an existing file as it was and no half-written one behind.
  QSaveFile ziel(datei);
  if (!ziel.open(QIODevice::WriteOnly)) {
    return QStringLiteral("Die Datei lässt sich nicht anlegen.");
  }
  const Anzeigemaler maler;
  const QSize groesse(static_cast<int>(fensterBreite), static_cast<int>(fensterHoehe));
  bool gemalt = false;
  switch (format) {
    case Grafikformat::png: {
      QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
      bild.fill(Qt::white);
      QPainter p(&bild);
      maler.male(p, liste);
      gemalt = p.end() && bild.save(&ziel, "PNG");
      break;
    }
    case Grafikformat::pdf: {
      QPdfWriter pdf(&ziel);
      pdf.setTitle(QStringLiteral("Quarvel"));
      pdf.setPageSize(QPageSize(QSizeF(fensterBreite, fensterHoehe), QPageSize::Point));
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
    return QStringLiteral("Beim Schreiben ging etwas schief (Datenträger voll oder nicht beschreibbar?).");
  }
  return {};
}

QString grafikDrucken(const Anzeigeliste& liste, QWidget* eltern) {
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&drucker, eltern);
  if (dialog.exec() != QDialog::Accepted) return {};
  QPainter p;
  if (!p.begin(&drucker)) return QStringLiteral("Der Drucker lässt sich nicht ansprechen.");
  const QRectF seite = drucker.pageRect(QPrinter::DevicePixel);
  const double skala = std::min(seite.width() / fensterBreite, seite.height() / fensterHoehe);
  const QPointF ursprung((seite.width() - skala * fensterBreite) / 2,
                         (seite.height() - skala * fensterHoehe) / 2);
  Anzeigemaler().male(p, liste, skala, ursprung);
  if (!p.end()) return QStringLiteral("Der Druckauftrag ließ sich nicht abschließen.");
  return {};
}

}  // namespace quarvel
