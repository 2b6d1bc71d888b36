#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <memory>
#include <string>

class QMenu;

namespace quarvel {

class Hauptfenster;

// The open document of the main window: which file it is, whether it has unsaved changes
// (shown in the title), the Datei menu's entries for it, the save question before the work
// is thrown away, and the recovery copy that outlives a crash.
class Dokumentverwaltung : public QObject {
  Q_OBJECT

 public:
  explicit Dokumentverwaltung(Hauptfenster& fenster);
  // A clean end: the recovery copy is no longer needed.
  ~Dokumentverwaltung() override;

  // The file of the document; empty while it has none.
  const QString& datei() const { return datei_; }
  bool geaendert() const;

  // At start: offers a recovery copy left by a run that did not end properly.
  void wiederherstellungAnbieten();
  // Opens a file (asking first about unsaved changes). False when nothing was opened.
  bool oeffnen(const QString& datei);
  // Saves to the document's file, or asks for one. False when nothing was saved.
  bool speichern();
  bool speichernUnter();
  // Saves under a new file name, which becomes the document's on success.
  bool speichernAls(const QString& datei);
  // "Änderungen an … speichern?" when there are unsaved changes: false when the user
  // cancels or saving fails, so that the work must stay.
  bool aenderungenSichern();

  void protokollSpeichern();
  void protokollDrucken();

  // Where recovery copies go (the user's application data folder).
  static QString wiederherstellungsDatei();

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void nachBefehl();
  void alsGespeichertMerken(const QString& datei);
  void titelSetzen();
  void zuletztMerken(const QString& datei);
  void zuletztMenueFuellen(QMenu* menue);
  // Writes the work (whose state `stand` is) as recovery copy, unless it is saved or unchanged.
  void wiederherstellungSchreiben(const std::string& stand);
  void wiederherstellungEntfernen();

  Hauptfenster& fenster_;
  QString datei_;
  // The work as last saved or opened, to tell unsaved changes.
  std::string gespeichert_;
  // The work as last written to the recovery copy.
  std::string gesichert_;
  // A new start was asked for; if it happens, a new untitled document begins.
  bool neustartAngefragt_ = false;
  QTimer sicherungsTakt_;
  // One writer thread, so recovery copies land in the order they were taken.
  QThreadPool schreiber_;
  // Held while this window owns the recovery copy; a second running Quarvel writes none.
  std::unique_ptr<QLockFile> sperre_;
};

}  // namespace quarvel
