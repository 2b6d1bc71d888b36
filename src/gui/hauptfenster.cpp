#include "gui/hauptfenster.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <random>
#include <utility>

#include "app/befehle.h"
#include "app/schale.h"

// The resources live in a static library; register them before first use.
static void ressourcenLaden() { Q_INIT_RESOURCE(quarvel); }

namespace quarvel {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// The menu bar in the order a user reads it; menus stay hidden while empty.
const char* const menueReihenfolge[] = {"Datei",  "Bearbeiten", "Funktionen", "Berechne", "Erzeuge",
                                        "Punkte", "Zeige",      "Optionen",   "Hilfe"};

void setzeText(QLineEdit* feld, const std::string& text) {
  if (feld->text() != q(text)) feld->setText(q(text));
}

}  // namespace

QIcon anwendungsSymbol() {
  ressourcenLaden();
  QSvgRenderer renderer(QStringLiteral(":/quarvel.svg"));
  QIcon symbol;
  for (int groesse : {16, 32, 48, 64, 128, 256}) {
    QPixmap bild(groesse, groesse);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    renderer.render(&maler);
    symbol.addPixmap(bild);
  }
  return symbol;
}

std::string DialogOberflaeche::auswahl(const std::string& meldung, const std::string& option,
                                       const std::string& option2) {
  if (std::exchange(naechsteFrageBestaetigt, false)) return option;
  QMessageBox box(eltern_);
  box.setWindowTitle(QStringLiteral("Quarvel"));
  box.setText(q(meldung));
  box.setIconPixmap(anwendungsSymbol().pixmap(64, 64));
  QPushButton* erster = box.addButton(q(option), QMessageBox::AcceptRole);
  QPushButton* zweiter = option2.empty() ? nullptr : box.addButton(q(option2), QMessageBox::RejectRole);
  box.setDefaultButton(erster);
  box.setEscapeButton(zweiter != nullptr ? static_cast<QAbstractButton*>(zweiter) : erster);
  box.exec();
  if (box.clickedButton() == erster) return option;
  if (zweiter != nullptr && box.clickedButton() == zweiter) return option2;
  return "Fehler";
}

void DialogOberflaeche::piep() { QApplication::beep(); }

void DialogOberflaeche::dateifehler(const std::string& meldung) {
  QMessageBox::warning(eltern_, QStringLiteral("Quarvel"), q(meldung));
}

void DialogOberflaeche::beenden() { beendetAngefordert = true; }

Hauptfenster::Hauptfenster(std::optional<std::uint32_t> seed, QWidget* eltern)
    : QMainWindow(eltern),
      oberflaeche_(this),
      zustand_(std::make_unique<Zustand>(oberflaeche_, seed.value_or(std::random_device{}()))) {
  setWindowTitle(QStringLiteral("Quarvel – ganzrationale Funktionen"));
  setWindowIcon(anwendungsSymbol());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(0, 255, 0));
  setPalette(palette);
  setAutoFillBackground(true);

  baueFelder();
  baueMenues();
  starte(*zustand_);
  felderZeigen();
  dokument_ = baueDokument(*this);
}

Hauptfenster::~Hauptfenster() = default;

void Hauptfenster::baueFelder() {
  auto* zentrum = new QWidget(this);
  auto* spalten = new QHBoxLayout(zentrum);

  auto* grafikSpalte = new QVBoxLayout;
  grafikPlatz_ = new QWidget(zentrum);
  grafikPlatz_->setFixedSize(650, 580);
  grafikPlatz_->setLayout(new QVBoxLayout);
  grafikPlatz_->layout()->setContentsMargins(0, 0, 0, 0);
  grafikSpalte->addWidget(grafikPlatz_);
  grafikLeiste_ = new QHBoxLayout;
  grafikSpalte->addLayout(grafikLeiste_);
  grafikSpalte->addStretch();
  spalten->addLayout(grafikSpalte);

  auto* rechts = new QVBoxLayout;
  auto* eingabeZeile = new QHBoxLayout;
  eingabe_ = new QLineEdit(zentrum);
  eingabe_->setPlaceholderText(QStringLiteral("Term, z. B. 3x^2 - 4f + 2, oder Punkt, z. B. A(1, 3)"));
  QFont gross = eingabe_->font();
  gross.setPointSizeF(gross.pointSizeF() * 1.4);
  eingabe_->setFont(gross);
  eingabe_->setMinimumWidth(420);
  eingabeZeile->addWidget(eingabe_, 1);
  knopfLeiste_ = new QHBoxLayout;
  eingabeZeile->addLayout(knopfLeiste_);
  rechts->addWidget(new QLabel(QStringLiteral("&Eingabe (Term oder Punkt):"), zentrum));
  static_cast<QLabel*>(rechts->itemAt(0)->widget())->setBuddy(eingabe_);
  rechts->addLayout(eingabeZeile);

  auto* argumente = new QGridLayout;
  name_ = new QLineEdit(zentrum);
  x_ = new QLineEdit(zentrum);
  y_ = new QLineEdit(zentrum);
  const auto beschriftung = [&](const QString& text, QLineEdit* feld) {
    auto* label = new QLabel(text, zentrum);
    label->setBuddy(feld);
    return label;
  };
  argumente->addWidget(beschriftung(QStringLiteral("&Name:"), name_), 0, 0);
  argumente->addWidget(name_, 0, 1);
  argumente->addWidget(beschriftung(QStringLiteral("&x:"), x_), 0, 2);
  argumente->addWidget(x_, 0, 3);
  argumente->addWidget(beschriftung(QStringLiteral("&y:"), y_), 0, 4);
  argumente->addWidget(y_, 0, 5);
  rechts->addLayout(argumente);

  rechts->addWidget(new QLabel(QStringLiteral("Ausgabefenster:"), zentrum));
  ausgabe_ = new QPlainTextEdit(zentrum);
  ausgabe_->setReadOnly(true);
  ausgabe_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  ausgabe_->setMinimumSize(520, 380);
  rechts->addWidget(ausgabe_, 1);

  hinweis_ = new QLabel(zentrum);
  hinweis_->setWordWrap(true);
  hinweis_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  hinweis_->setMinimumHeight(6 * hinweis_->fontMetrics().lineSpacing());
  hinweis_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  hinweis_->setAutoFillBackground(true);
  QPalette hinweisPalette = hinweis_->palette();
  hinweisPalette.setColor(QPalette::Window, QColor(255, 255, 224));
  hinweis_->setPalette(hinweisPalette);
  rechts->addWidget(hinweis_);

  optionsLeiste_ = new QHBoxLayout;
  punkteMarkiert_ = new QCheckBox(QStringLiteral("Punkte der Punktliste im Graphen zeigen"), zentrum);
  kritPunkteMarkiert_ = new QCheckBox(QStringLiteral("Kritische Punkte markieren"), zentrum);
  optionsLeiste_->addWidget(punkteMarkiert_);
  optionsLeiste_->addWidget(kritPunkteMarkiert_);
  optionsLeiste_->addStretch();
  auto* protokoll = new QPushButton(QStringLiteral("&Protokoll"), zentrum);
  protokoll->setToolTip(QStringLiteral("Protokoll zeigen oder ausblenden"));
  optionsLeiste_->addWidget(protokoll);
  rechts->addLayout(optionsLeiste_);
  spalten->addLayout(rechts, 1);
  setCentralWidget(zentrum);

  // Enter reads the input field: a point entry starts with its capital-letter name,
  // a term never does.
  connect(eingabe_, &QLineEdit::returnPressed, this, [this] {
    const QString text = eingabe_->text().trimmed();
    const bool punkt = !text.isEmpty() && text.front() >= u'A' && text.front() <= u'Z';
    ausfuehren(punkt ? "pktEingabe2B" : "liesTermB");
  });
  connect(punkteMarkiert_, &QCheckBox::clicked, this, [this] { ausfuehren("punkteMarkierB"); });
  connect(kritPunkteMarkiert_, &QCheckBox::clicked, this,
          [this] { ausfuehren("kritPunkteMarkierB"); });
  connect(protokoll, &QPushButton::clicked, this, [this] { ausfuehren("zeigProtokollB"); });
}

void Hauptfenster::baueMenues() {
  for (const char* titel : menueReihenfolge) menuBar()->addMenu(QString::fromUtf8(titel));
  baueSchalenmenues(*this);
  baueFunktionsmenues(*this);
  baueAnalysemenues(*this);
  baueBegruendungsmenues(*this);
  baueBerechnungsmenues(*this);
  bauePunktmenues(*this);
  baueGrafik(*this);
  baueKonstruktionsmenues(*this);
  baueHilfe(*this);
  for (QAction* eintrag : menuBar()->actions()) {
    if (QMenu* m = eintrag->menu()) eintrag->setVisible(!m->isEmpty());
  }
}

QMenu* Hauptfenster::menue(const QString& titel) {
  for (QAction* eintrag : menuBar()->actions()) {
    if (eintrag->menu() != nullptr && eintrag->text() == titel) return eintrag->menu();
  }
  return menuBar()->addMenu(titel);
}

QAction* Hauptfenster::befehlsEintrag(QMenu* m, const QString& text, const std::string& befehl,
                                      const QKeySequence& kurzwahl) {
  QAction* eintrag = m->addAction(text);
  if (!kurzwahl.isEmpty()) eintrag->setShortcut(kurzwahl);
  connect(eintrag, &QAction::triggered, this, [this, befehl] { ausfuehren(befehl); });
  return eintrag;
}

QPushButton* Hauptfenster::befehlsKnopf(const QString& text, const std::string& befehl) {
  auto* knopf = new QPushButton(text, centralWidget());
  knopfLeiste_->addWidget(knopf);
  connect(knopf, &QPushButton::clicked, this, [this, befehl] { ausfuehren(befehl); });
  return knopf;
}

void Hauptfenster::felderLesen() {
  Felder& f = zustand_->felder;
  f.eingabe = eingabe_->text().toStdString();
  f.name = name_->text().toStdString();
  f.x = x_->text().toStdString();
  f.y = y_->text().toStdString();
  f.punkteMarkiert = punkteMarkiert_->isChecked();
  f.kritPunkteMarkiert = kritPunkteMarkiert_->isChecked();
}

void Hauptfenster::felderZeigen() {
  const Felder& f = zustand_->felder;
  setzeText(eingabe_, f.eingabe);
  setzeText(name_, f.name);
  setzeText(x_, f.x);
  setzeText(y_, f.y);
  if (ausgabe_->toPlainText() != q(f.ausgabe)) ausgabe_->setPlainText(q(f.ausgabe));
  hinweis_->setText(q(f.hinweis));
  punkteMarkiert_->setChecked(f.punkteMarkiert);
  kritPunkteMarkiert_->setChecked(f.kritPunkteMarkiert);
}

void Hauptfenster::zustandErneuert() {
  felderZeigen();
  emit befehlAusgefuehrt(true);
}

void Hauptfenster::ausfuehren(const std::string& befehl, const std::vector<std::string>& argumente) {
  felderLesen();
  if ((befehl == "neuB" || befehl == "quitB") && vorDemVerwerfen_) {
    const VorDemVerwerfen weiter = vorDemVerwerfen_(befehl);
    if (weiter == VorDemVerwerfen::abbrechen) return;
    oberflaeche_.naechsteFrageBestaetigt = weiter == VorDemVerwerfen::ohneFrage;
  }
  oberflaeche_.neuZeichnenAngefordert = false;
  fuehreAus(*zustand_, befehl, argumente);
  oberflaeche_.naechsteFrageBestaetigt = false;
  if (oberflaeche_.beendetAngefordert) {
    schliessenBestaetigt_ = true;
    close();
    QApplication::quit();
    return;
  }
  felderZeigen();
  emit befehlAusgefuehrt(oberflaeche_.neuZeichnenAngefordert);
}

void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
  if (schliessenBestaetigt_) {
    ereignis->accept();
    return;
  }
  // Closing would lose every list: ask the quit question instead.
  ereignis->ignore();
  ausfuehren("quitB");
}

}  // namespace quarvel
