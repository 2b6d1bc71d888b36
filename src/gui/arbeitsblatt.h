#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include "graph/anzeigeliste.h"

class QPagedPaintDevice;

namespace quarvel {

// The protocol as a worksheet: a title line with the date, the protocol text in a readable
// proportional face, then the graph picture; spread over as many pages as it needs.
void arbeitsblattMalen(QPagedPaintDevice& geraet, const QString& protokoll,
                       const Anzeigeliste& grafik, const QDate& datum);
// The worksheet as the contents of a PDF file (A4).
QByteArray arbeitsblattPdf(const QString& protokoll, const Anzeigeliste& grafik,
                           const QDate& datum);

}  // namespace quarvel
