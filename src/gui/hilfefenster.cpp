#include "gui/hilfefenster.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSignalBlocker>

#include "app/hilfetexte.h"
#include "gui/hauptfenster.h"

namespace quarvel {

namespace {

constexpr int befehlsRolle = Qt::UserRole;
// How the curve description in the help field begins.
constexpr const char* verlaufsKopf = "Beschreibung des Kurvenverlaufs";

}  // namespace

Hilfefenster::Hilfefenster(Hauptfenster& hauptfenster)
    : QWidget(&hauptfenster, Qt::Window), hauptfenster_(hauptfenster) {
  setWindowTitle(QStringLiteral("Quarvel – Hilfe"));
  setWindowIcon(anwendungsSymbol());
  resize(760, 520);

  themen_ = new QListWidget(this);
  for (const Hilfethema& thema : hilfethemen()) {
    auto* eintrag = new QListWidgetItem(QString::fromUtf8(thema.titel), themen_);
    eintrag->setData(befehlsRolle, QString::fromUtf8(thema.befehl));
  }
  auto* beschreibung = new QListWidgetItem(QStringLiteral("Verlaufsbeschreibung"), themen_);
  beschreibung->setData(befehlsRolle, QStringLiteral("verlaufsBeschreibungB"));
  beschreibung->setToolTip(
      QStringLiteral("Beschreibung des Kurvenverlaufs der aktuellen Funktion"));
  themen_->setMaximumWidth(220);

  textfeld_ = new QPlainTextEdit(this);
  textfeld_->setReadOnly(true);
  textfeld_->setPlainText(QString::fromStdString(info()));

  auto* spalten = new QHBoxLayout(this);
  spalten->addWidget(themen_);
  spalten->addWidget(textfeld_, 1);

  connect(themen_, &QListWidget::itemActivated, this, [this](QListWidgetItem* eintrag) {
    hauptfenster_.ausfuehren(eintrag->data(befehlsRolle).toString().toStdString());
  });
  connect(themen_, &QListWidget::itemClicked, this, [this](QListWidgetItem* eintrag) {
    hauptfenster_.ausfuehren(eintrag->data(befehlsRolle).toString().toStdString());
  });
  connect(&hauptfenster_, &Hauptfenster::befehlAusgefuehrt, this, &Hilfefenster::nachBefehl);
  new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
  zuletztGezeigt_ = hauptfenster_.zustand().hilfe;
}

void Hilfefenster::zeige(const QString& text) {
  if (textfeld_->toPlainText() != text) textfeld_->setPlainText(text);
  markiereThema(text.toStdString());
  hervorholen();
}

void Hilfefenster::markiereThema(const std::string& text) {
  const auto themen = hilfethemen();
  int zeile = -1;
  for (std::size_t i = 0; i < themen.size(); ++i) {
    if (themen[i].text() == text) zeile = static_cast<int>(i);
  }
  if (zeile < 0 && text.rfind(verlaufsKopf, 0) == 0) zeile = static_cast<int>(themen.size());
  const QSignalBlocker stumm(themen_);
  if (zeile < 0) {
    themen_->clearSelection();
    themen_->setCurrentRow(-1);
  } else {
    themen_->setCurrentRow(zeile);
  }
}

void Hilfefenster::hervorholen() {
  show();
  raise();
  activateWindow();
}

QString Hilfefenster::text() const {
  return textfeld_->toPlainText();
}

void Hilfefenster::nachBefehl() {
  const std::string& hilfe = hauptfenster_.zustand().hilfe;
  if (hilfe == zuletztGezeigt_) return;
  zuletztGezeigt_ = hilfe;
  zeige(QString::fromStdString(hilfe));
}

}  // namespace quarvel
