#include "gui/dokumentverwaltung.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <utility>

#include "app/dateien.h"
#include "app/dokument.h"
#include "app/grafikanzeige.h"
#include "gui/arbeitsblatt.h"
#include "gui/hauptfenster.h"

namespace quarvel {

namespace {

constexpr int maxZuletzt = 8;
constexpr int sicherungsAbstandMs = 30'000;
const QString zuletztSchluessel = QStringLiteral("zuletztGeoeffnet");
const QString dokumentFilter = QStringLiteral("Quarvel-Dokumente (*.quarvel)");

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

QString mitEndung(QString datei) {
  if (!datei.endsWith(QLatin1String(".quarvel"), Qt::CaseInsensitive))
    datei += QLatin1String(".quarvel");
  return datei;
}

// A dropped or named local file of the document type.
QString dokumentDateiAus(const QMimeData* daten) {
  if (daten == nullptr || !daten->hasUrls()) return {};
  for (const QUrl& url : daten->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

}  // namespace

Dokumentverwaltung* baueDokument(Hauptfenster& f) {
  return new Dokumentverwaltung(f);
}

Dokumentverwaltung::Dokumentverwaltung(Hauptfenster& fenster)
    : QObject(&fenster), fenster_(fenster), gespeichert_(arbeitsstand(fenster.zustand())) {
  gesichert_ = gespeichert_;
  schreiber_.setMaxThreadCount(1);

  QMenu* datei = fenster_.menue(QStringLiteral("Datei"));
  // After "Neustart", before printing and quitting.
  QAction* danach = datei->actions().size() > 1 ? datei->actions().at(1) : nullptr;
  const auto eintrag = [&](const QString& text, const QKeySequence& kurzwahl, auto wirkung) {
    auto* a = new QAction(text, datei);
    a->setShortcut(kurzwahl);
    connect(a, &QAction::triggered, this, wirkung);
    datei->insertAction(danach, a);
    return a;
  };
  eintrag(QStringLiteral("Ö&ffnen …"), QKeySequence::Open, [this] {
    if (!aenderungenSichern()) return;
    const QString gewaehlt = QFileDialog::getOpenFileName(&fenster_, QStringLiteral("Öffnen"),
                                                          QFileInfo(datei_).path(), dokumentFilter);
    if (!gewaehlt.isEmpty()) oeffnen(gewaehlt);
  });
  auto* zuletzt = new QMenu(QStringLiteral("&Zuletzt geöffnet"), datei);
  connect(zuletzt, &QMenu::aboutToShow, this, [this, zuletzt] { zuletztMenueFuellen(zuletzt); });
  datei->insertMenu(danach, zuletzt);
  eintrag(QStringLiteral("&Speichern"), QKeySequence::Save, [this] { speichern(); });
  eintrag(QStringLiteral("Speichern &unter …"), QKeySequence(QStringLiteral("Ctrl+Shift+S")),
          [this] { speichernUnter(); });
  datei->insertSeparator(danach);
  eintrag(QStringLiteral("&Protokoll speichern …"), {}, [this] { protokollSpeichern(); });
  eintrag(QStringLiteral("Protokoll d&rucken …"), {}, [this] { protokollDrucken(); });
  datei->insertSeparator(danach);

  fenster_.setzeVorDemVerwerfen([this](const std::string& befehl) {
    neustartAngefragt_ = befehl == "neuB";
    if (!geaendert()) return Hauptfenster::VorDemVerwerfen::fragen;
    return aenderungenSichern() ? Hauptfenster::VorDemVerwerfen::ohneFrage
                                : Hauptfenster::VorDemVerwerfen::abbrechen;
  });
  connect(&fenster_, &Hauptfenster::befehlAusgefuehrt, this, [this] { nachBefehl(); });
  fenster_.setAcceptDrops(true);
  fenster_.installEventFilter(this);

  sicherungsTakt_.setInterval(sicherungsAbstandMs);
  connect(&sicherungsTakt_, &QTimer::timeout, this,
          [this] { wiederherstellungSchreiben(arbeitsstand(fenster_.zustand())); });
  sicherungsTakt_.start();
  titelSetzen();
}

Dokumentverwaltung::~Dokumentverwaltung() {
  schreiber_.waitForDone();
  wiederherstellungEntfernen();
}

bool Dokumentverwaltung::geaendert() const {
  return arbeitsstand(fenster_.zustand()) != gespeichert_;
}

QString Dokumentverwaltung::wiederherstellungsDatei() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
      .filePath(QStringLiteral("wiederherstellung.quarvel"));
}

void Dokumentverwaltung::titelSetzen() {
  const QString name =
      datei_.isEmpty() ? QStringLiteral("Unbenannt") : QFileInfo(datei_).fileName();
  fenster_.setWindowTitle(name + QStringLiteral("[*] – Quarvel"));
  fenster_.setWindowModified(geaendert());
}

void Dokumentverwaltung::nachBefehl() {
  const Zustand& z = fenster_.zustand();
  // A confirmed new start empties every list and the protocol: a new document begins.
  if (std::exchange(neustartAngefragt_, false) && z.listen.fuListe().empty() &&
      z.listen.pktListe().empty() && z.listen.spListe().empty() && z.protokoll.empty()) {
    datei_.clear();
    gespeichert_ = arbeitsstand(z);
    titelSetzen();
  }
  const std::string stand = arbeitsstand(z);
  fenster_.setWindowModified(stand != gespeichert_);
  wiederherstellungSchreiben(stand);
}

void Dokumentverwaltung::alsGespeichertMerken(const QString& datei) {
  datei_ = QFileInfo(datei).absoluteFilePath();
  gespeichert_ = arbeitsstand(fenster_.zustand());
  zuletztMerken(datei_);
  titelSetzen();
  wiederherstellungEntfernen();
}

bool Dokumentverwaltung::aenderungenSichern() {
  if (!geaendert()) return true;
  QMessageBox frage(&fenster_);
  frage.setWindowTitle(QStringLiteral("Quarvel"));
  frage.setIcon(QMessageBox::Question);
  const QString name =
      datei_.isEmpty() ? QStringLiteral("Unbenannt") : QFileInfo(datei_).fileName();
  frage.setText(QStringLiteral("Änderungen an %1 speichern?").arg(name));
  QPushButton* sichern = frage.addButton(QStringLiteral("Speichern"), QMessageBox::AcceptRole);
  QPushButton* verwerfen =
      frage.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
  QPushButton* abbrechen = frage.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
  frage.setDefaultButton(sichern);
  frage.setEscapeButton(abbrechen);
  frage.exec();
  if (frage.clickedButton() == verwerfen) return true;
  if (frage.clickedButton() == sichern) return speichern();
  return false;
}

bool Dokumentverwaltung::oeffnen(const QString& datei) {
  if (!aenderungenSichern()) return false;
  fenster_.felderLesen();
  const std::string fehler =
      dokumentOeffnen(fenster_.zustand(), QDir::toNativeSeparators(datei).toStdString());
  if (!fehler.empty()) {
    fenster_.zustand().ui.dateifehler(fehler);
    return false;
  }
  alsGespeichertMerken(datei);
  fenster_.zustandErneuert();
  return true;
}

bool Dokumentverwaltung::speichern() {
  if (datei_.isEmpty()) return speichernUnter();
  fenster_.felderLesen();
  const std::string fehler = dokumentSpeichern(fenster_.zustand(), datei_.toStdString());
  if (!fehler.empty()) {
    // The document stays marked as changed.
    fenster_.zustand().ui.dateifehler(fehler);
    return false;
  }
  alsGespeichertMerken(datei_);
  return true;
}

bool Dokumentverwaltung::speichernUnter() {
  const QString vorschlag = datei_.isEmpty() ? QStringLiteral("Unbenannt.quarvel") : datei_;
  const QString gewaehlt = QFileDialog::getSaveFileName(
      &fenster_, QStringLiteral("Speichern unter"), vorschlag, dokumentFilter);
  return !gewaehlt.isEmpty() && speichernAls(mitEndung(gewaehlt));
}

bool Dokumentverwaltung::speichernAls(const QString& datei) {
  const QString vorher = datei_;
  datei_ = datei;
  if (speichern()) return true;
  datei_ = vorher;
  return false;
}

void Dokumentverwaltung::protokollSpeichern() {
  QString filter;
  const QString gewaehlt = QFileDialog::getSaveFileName(
      &fenster_, QStringLiteral("Protokoll speichern"), QStringLiteral("protokoll.pdf"),
      QStringLiteral("PDF-Arbeitsblatt (*.pdf);;Text (*.txt)"), &filter);
  if (gewaehlt.isEmpty()) return;
  Zustand& z = fenster_.zustand();
  const bool pdf =
      gewaehlt.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ||
      (!gewaehlt.contains(QLatin1Char('.')) && filter.startsWith(QLatin1String("PDF")));
  std::string inhalt = z.protokoll;
  if (pdf) {
    const QByteArray blatt =
        arbeitsblattPdf(q(z.protokoll), grafikZeichnen(z), QDate::currentDate());
    inhalt.assign(blatt.constData(), static_cast<std::size_t>(blatt.size()));
  }
  const std::string fehler = schreibeDateiSicher(gewaehlt.toStdString(), inhalt);
  if (!fehler.empty()) {
    z.ui.dateifehler("Die Datei „" + gewaehlt.toStdString() + "“ kann nicht gespeichert werden. " +
                     fehler);
  }
}

void Dokumentverwaltung::protokollDrucken() {
  QPrinter drucker(QPrinter::HighResolution);
  QPrintDialog dialog(&drucker, &fenster_);
  if (dialog.exec() != QDialog::Accepted) return;
  Zustand& z = fenster_.zustand();
  arbeitsblattMalen(drucker, q(z.protokoll), grafikZeichnen(z), QDate::currentDate());
}

void Dokumentverwaltung::zuletztMerken(const QString& datei) {
  QSettings einstellungen;
  QStringList liste = einstellungen.value(zuletztSchluessel).toStringList();
  liste.removeAll(datei);
  liste.prepend(datei);
  while (liste.size() > maxZuletzt) liste.removeLast();
  einstellungen.setValue(zuletztSchluessel, liste);
}

void Dokumentverwaltung::zuletztMenueFuellen(QMenu* menue) {
  menue->clear();
  const QStringList liste = QSettings().value(zuletztSchluessel).toStringList();
  for (int i = 0; i < liste.size(); ++i) {
    const QString datei = liste.at(i);
    QAction* a =
        menue->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(datei).fileName()));
    a->setToolTip(datei);
    connect(a, &QAction::triggered, this, [this, datei] {
      if (oeffnen(datei) || QFileInfo::exists(datei)) return;
      // A file that is gone leaves the list.
      QSettings einstellungen;
      QStringList rest = einstellungen.value(zuletztSchluessel).toStringList();
      rest.removeAll(datei);
      einstellungen.setValue(zuletztSchluessel, rest);
    });
  }
  if (liste.isEmpty()) menue->addAction(QStringLiteral("(keine)"))->setEnabled(false);
}

void Dokumentverwaltung::wiederherstellungAnbieten() {
  const QString kopie = wiederherstellungsDatei();
  QDir().mkpath(QFileInfo(kopie).path());
  sperre_ = std::make_unique<QLockFile>(kopie + QStringLiteral(".sperre"));
  // Another Quarvel running keeps its own copy; this one writes none.
  if (!sperre_->tryLock(0)) {
    sperre_.reset();
    return;
  }
  if (!QFileInfo::exists(kopie)) return;
  const std::string antwort = fenster_.zustand().ui.auswahl(
      "Quarvel wurde nicht ordnungsgemäß beendet. Die letzte Arbeit wiederherstellen?",
      "Wiederherstellen", "Verwerfen",
      // Dismissing the question must not throw the copy away: it restores, losing nothing.
      Unveraendert::ersterKnopf);
  if (antwort == "Wiederherstellen") {
    const std::string fehler = dokumentOeffnen(fenster_.zustand(), kopie.toStdString());
    if (!fehler.empty()) {
      fenster_.zustand().ui.dateifehler(fehler);
    } else {
      // The recovered work has no file yet and counts as unsaved.
      fenster_.zustandErneuert();
      titelSetzen();
      return;
    }
  }
  wiederherstellungEntfernen();
}

void Dokumentverwaltung::wiederherstellungSchreiben(const std::string& stand) {
  if (!sperre_ || stand == gesichert_) return;
  const Zustand& z = fenster_.zustand();
  gesichert_ = stand;
  if (stand == gespeichert_) {
    wiederherstellungEntfernen();
    return;
  }
  // The text is taken now; writing it to disk does not hold up the window.
  schreiber_.start([text = dokumentText(z), datei = wiederherstellungsDatei().toStdString()] {
    schreibeDateiSicher(datei, text);
  });
}

void Dokumentverwaltung::wiederherstellungEntfernen() {
  if (!sperre_) return;
  schreiber_.waitForDone();
  QFile::remove(wiederherstellungsDatei());
  gesichert_ = gespeichert_;
}

bool Dokumentverwaltung::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == &fenster_ && ereignis->type() == QEvent::DragEnter) {
    auto* e = static_cast<QDragEnterEvent*>(ereignis);
    if (!dokumentDateiAus(e->mimeData()).isEmpty()) e->acceptProposedAction();
    return true;
  }
  if (objekt == &fenster_ && ereignis->type() == QEvent::Drop) {
    auto* e = static_cast<QDropEvent*>(ereignis);
    const QString datei = dokumentDateiAus(e->mimeData());
    if (!datei.isEmpty()) {
      e->acceptProposedAction();
      // Open after the drop has finished, so that no question is asked inside it.
      QTimer::singleShot(0, this, [this, datei] { oeffnen(datei); });
    }
    return true;
  }
  return QObject::eventFilter(objekt, ereignis);
}

}  // namespace quarvel
