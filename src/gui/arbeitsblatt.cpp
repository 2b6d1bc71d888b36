#include "gui/arbeitsblatt.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <algorithm>
#include <cmath>

#include "gui/anzeigemaler.h"

namespace quarvel {

namespace {

// Up to three pixels per view unit keep lines and labels sharp on paper; a very large view
// gets fewer, so the picture stays within a few thousand pixels.
constexpr double maxBildSkala = 3;
constexpr double maxBildBreite = 4000;

QImage grafikBild(const Anzeigeliste& grafik) {
  const Ansichtsgroesse& a = grafik.groesse;
  const double bildSkala =
      std::min({maxBildSkala, maxBildBreite / a.breite, maxBildBreite / a.hoehe});
  QImage bild(static_cast<int>(std::lround(a.breite * bildSkala)),
              static_cast<int>(std::lround(a.hoehe * bildSkala)), QImage::Format_RGB32);
  bild.fill(Qt::white);
  QPainter maler(&bild);
  maler.setRenderHint(QPainter::Antialiasing);
  Anzeigemaler().male(maler, grafik, bildSkala);
  return bild;
}

}  // namespace

void arbeitsblattMalen(QPagedPaintDevice& geraet, const QString& protokoll,
                       const Anzeigeliste& grafik, const QDate& datum) {
  const Anzeigemaler maler;
  QTextDocument blatt;
  QFont schrift(maler.schriftfamilie());
  schrift.setPointSizeF(11);
  blatt.setDefaultFont(schrift);

  QTextCursor cursor(&blatt);
  QTextCharFormat titel;
  titel.setFont(schrift);
  titel.setFontPointSize(16);
  titel.setFontWeight(QFont::Bold);
  cursor.insertText(QStringLiteral("Quarvel – Protokoll vom %1")
                        .arg(datum.toString(QStringLiteral("dd.MM.yyyy"))),
                    titel);
  cursor.insertBlock();
  QTextCharFormat text;
  text.setFont(schrift);
  cursor.insertBlock();
  // Plain insertion keeps the protocol's line breaks and blanks as they are.
  cursor.insertText(protokoll, text);
  cursor.insertBlock();
  cursor.insertBlock();

  blatt.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("grafik")),
                    grafikBild(grafik));
  QTextImageFormat bild;
  bild.setName(QStringLiteral("grafik"));
  // About two thirds of the text width, keeping the view's proportions.
  const double breite = 455;
  bild.setWidth(breite);
  bild.setHeight(breite * grafik.groesse.hoehe / grafik.groesse.breite);
  cursor.insertImage(bild);

  blatt.print(&geraet);
}

QByteArray arbeitsblattPdf(const QString& protokoll, const Anzeigeliste& grafik,
                           const QDate& datum) {
  QByteArray inhalt;
  QBuffer puffer(&inhalt);
  puffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&puffer);
    pdf.setTitle(QStringLiteral("Quarvel – Protokoll"));
    pdf.setCreator(QStringLiteral("Quarvel"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(300);
    arbeitsblattMalen(pdf, protokoll, grafik, datum);
  }
  return inhalt;
}

}  // namespace quarvel
