#include "gui/hilfefenster.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QVBoxLayout>

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

  suche_ = new QLineEdit(this);
  suche_->setPlaceholderText(QStringLiteral("Im Thema suchen (Strg+F)"));
  suche_->setClearButtonEnabled(true);
  trefferzahl_ = new QLabel(this);
  auto* suchzeile = new QHBoxLayout;
  auto* suchLabel = new QLabel(QStringLiteral("&Suchen:"), this);
  suchLabel->setBuddy(suche_);
  suchzeile->addWidget(suchLabel);
  suchzeile->addWidget(suche_, 1);
  suchzeile->addWidget(trefferzahl_);

  auto* rechts = new QVBoxLayout;
  rechts->addLayout(suchzeile);
  rechts->addWidget(textfeld_, 1);
  auto* spalten = new QHBoxLayout(this);
  spalten->addWidget(themen_);
  spalten->addLayout(rechts, 1);

  connect(suche_, &QLineEdit::textChanged, this, [this] {
    markiereTreffer();
    // Typing jumps to the first match from the top, as a reader expects.
    textfeld_->moveCursor(QTextCursor::Start);
    springeZuTreffer();
  });
  connect(suche_, &QLineEdit::returnPressed, this, [this] { springeZuTreffer(); });
  new QShortcut(QKeySequence::Find, this, this, [this] {
    suche_->setFocus(Qt::ShortcutFocusReason);
    suche_->selectAll();
  });
  new QShortcut(QKeySequence::FindNext, this, this, [this] { springeZuTreffer(); });
  new QShortcut(QKeySequence::FindPrevious, this, this, [this] { springeZuTreffer(true); });
  new QShortcut(
      QKeySequence(Qt::SHIFT | Qt::Key_Return), suche_, [this] { springeZuTreffer(true); },
      Qt::WidgetShortcut);

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
  if (textfeld_->toPlainText() != text) {
    textfeld_->setPlainText(text);
    markiereTreffer();
  }
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

void Hilfefenster::markiereTreffer() {
  QList<QTextEdit::ExtraSelection> markierungen;
  const QString gesucht = suche_->text();
  if (!gesucht.isEmpty()) {
    QTextCharFormat format;
    format.setBackground(QColor(255, 230, 0));
    for (QTextCursor treffer = textfeld_->document()->find(gesucht); !treffer.isNull();
         treffer = textfeld_->document()->find(gesucht, treffer)) {
      markierungen.append({treffer, format});
    }
  }
  textfeld_->setExtraSelections(markierungen);
  if (gesucht.isEmpty()) {
    trefferzahl_->clear();
  } else if (markierungen.isEmpty()) {
    trefferzahl_->setText(QStringLiteral("nicht gefunden"));
  } else {
    trefferzahl_->setText(markierungen.size() == 1
                              ? QStringLiteral("1 Treffer")
                              : QStringLiteral("%1 Treffer").arg(markierungen.size()));
  }
}

bool Hilfefenster::springeZuTreffer(bool rueckwaerts) {
  const QString gesucht = suche_->text();
  if (gesucht.isEmpty()) return false;
  const QTextDocument::FindFlags richtung =
      rueckwaerts ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  QTextDocument* dokument = textfeld_->document();
  QTextCursor treffer = dokument->find(gesucht, textfeld_->textCursor(), richtung);
  if (treffer.isNull()) {
    // Past the last match the search starts again at the other end.
    QTextCursor anfang(dokument);
    anfang.movePosition(rueckwaerts ? QTextCursor::End : QTextCursor::Start);
    treffer = dokument->find(gesucht, anfang, richtung);
  }
  if (treffer.isNull()) return false;
  textfeld_->setTextCursor(treffer);
  textfeld_->ensureCursorVisible();
  return true;
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
