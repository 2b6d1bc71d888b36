// The document in the window: the change mark, the save question before the work is
// thrown away, opening and saving with their failures, the recovery copy and the worksheet.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/dokument.h"
#include "app/grafikanzeige.h"
#include "gui/arbeitsblatt.h"
#include "gui/dokumentverwaltung.h"
#include "gui/hauptfenster.h"
#include "menuehilfen.h"

namespace quarvel {
namespace {

using namespace test;

void lies(Hauptfenster& f, const std::string& name, const std::string& term) {
  f.namensFeld()->setText(QString::fromStdString(name));
  f.eingabeFeld()->setText(QString::fromStdString(term));
  f.ausfuehren("liesTermB");
}

TEST(DokumentFenster, AenderungsmarkeUndSicherungsfrage) {
  Hauptfenster f(1);
  f.show();
  EXPECT_EQ(f.windowTitle(), "Unbenannt[*] – Quarvel");
  EXPECT_FALSE(f.isWindowModified());
  lies(f, "f", "x^2-1");
  EXPECT_TRUE(f.isWindowModified());

  // Discarding skips the new start's own question (cancelling is tried with every question).
  antworte("Verwerfen");
  f.ausfuehren("neuB");
  EXPECT_FALSE(f.zustand().listen.fuExistiert("f"));
  EXPECT_FALSE(f.isWindowModified());

  // Without changes the usual question stays, also when the window is closed.
  QString frage;
  antworte("Nein, noch nicht", &frage);
  EXPECT_FALSE(f.close());
  EXPECT_EQ(frage, "Wirklich das Programm verlassen?");
  EXPECT_TRUE(f.isVisible());
}

TEST(DokumentFenster, SpeichernUndOeffnenMitIhrenFehlern) {
  QTemporaryDir ordner;
  const QString datei = ordner.filePath("lektion.quarvel");
  Hauptfenster f(1);
  f.show();
  lies(f, "f", "x^3");
  ASSERT_TRUE(f.dokument().speichernAls(datei));
  EXPECT_EQ(f.windowTitle(), "lektion.quarvel[*] – Quarvel");
  EXPECT_FALSE(f.isWindowModified());

  // A failed save names the file, keeps the change mark and the document's file.
  lies(f, "g", "x");
  QString meldung;
  antworte("OK", &meldung);
  EXPECT_FALSE(f.dokument().speichernAls(ordner.filePath("fehlt/x.quarvel")));
  EXPECT_TRUE(meldung.contains("x.quarvel“ kann nicht gespeichert werden"));
  EXPECT_TRUE(f.isWindowModified());
  EXPECT_EQ(f.dokument().datei(), QFileInfo(datei).absoluteFilePath());

  // A damaged file changes nothing; the saved one brings back its work after one question.
  QFile kaputt(ordner.filePath("kaputt.quarvel"));
  ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
  kaputt.write("{\"format\": \"quarvel-dokument\", \"version\": 1");
  kaputt.close();
  antworte("Verwerfen");
  antworte("OK", &meldung);
  EXPECT_FALSE(f.dokument().oeffnen(kaputt.fileName()));
  EXPECT_TRUE(meldung.contains("kein gültiges JSON"));
  EXPECT_TRUE(f.zustand().listen.fuExistiert("g"));
  antworte("Verwerfen");
  EXPECT_TRUE(f.dokument().oeffnen(datei));
  EXPECT_FALSE(f.zustand().listen.fuExistiert("g"));
  EXPECT_TRUE(f.zustand().listen.fuExistiert("f"));
  EXPECT_FALSE(f.isWindowModified());
}

bool wartetAufDatei(const QString& datei, bool da) {
  QElapsedTimer uhr;
  uhr.start();
  while (QFileInfo::exists(datei) != da && uhr.elapsed() < 5000) QApplication::processEvents();
  return QFileInfo::exists(datei) == da;
}

TEST(DokumentFenster, WiederherstellungNachAbsturz) {
  const QString kopie = Dokumentverwaltung::wiederherstellungsDatei();
  QFile::remove(kopie);
  std::string arbeit;
  {
    Hauptfenster f(1);
    f.dokument().wiederherstellungAnbieten();  // nothing left behind: no question
    lies(f, "f", "x^4-2");
    ASSERT_TRUE(wartetAufDatei(kopie, true));
    arbeit = arbeitsstand(f.zustand());
    // A crash would leave the copy; keep it aside while this window ends cleanly.
    QFile::copy(kopie, kopie + ".absturz");
  }
  EXPECT_FALSE(QFileInfo::exists(kopie)) << "a clean end removes the copy";
  QFile::rename(kopie + ".absturz", kopie);

  Hauptfenster f(1);
  QString frage;
  antworte("Wiederherstellen", &frage);
  f.dokument().wiederherstellungAnbieten();
  EXPECT_EQ(frage,
            "Quarvel wurde nicht ordnungsgemäß beendet. Die letzte Arbeit wiederherstellen?");
  EXPECT_EQ(arbeitsstand(f.zustand()), arbeit);
  EXPECT_TRUE(f.isWindowModified());
}

TEST(DokumentFenster, ArbeitsblattUeberMehrereSeiten) {
  Hauptfenster f(1);
  QString protokoll;
  for (int i = 0; i < 150; ++i) protokoll += QStringLiteral("Zeile %1: f(x) = x^2 - 4\n").arg(i);
  const QByteArray pdf =
      arbeitsblattPdf(protokoll, grafikZeichnen(f.zustand()), QDate(2026, 12, 6));
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_GE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 2);
}

}  // namespace
}  // namespace quarvel
