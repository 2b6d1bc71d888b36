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
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <algorithm>
#include <random>
#include <utility>

#include "app/befehle.h"
#include "app/schale.h"
#include "gui/hinweisfeld.h"
#include "gui/kuerzel.h"

// The resources live in a static library; register them before first use.
static void ressourcenLaden() {
  Q_INIT_RESOURCE(quarvel);
}

namespace quarvel {

namespace {

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

// The menu bar in the order a user reads it, with the titles' mnemonics (Alt+D opens
// Datei); menus stay hidden while empty.
const char* const menueReihenfolge[] = {"&Datei",    "&Bearbeiten", "&Funktionen",
                                        "Be&rechne", "&Erzeuge",    "&Punkte",
                                        "&Zeige",    "&Optionen",   "&Hilfe"};

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
                                       const std::string& option2, Unveraendert unveraendert) {
  if (std::exchange(naechsteFrageBestaetigt, false)) return option;
  QMessageBox box(eltern_);
  box.setWindowTitle(QStringLiteral("Quarvel"));
  box.setText(q(meldung));
  box.setIconPixmap(anwendungsSymbol().pixmap(64, 64));
  QPushButton* erster = box.addButton(q(option), QMessageBox::AcceptRole);
  QPushButton* zweiter =
      option2.empty() ? nullptr : box.addButton(q(option2), QMessageBox::RejectRole);
  box.setDefaultButton(erster);
  // Escape and the close button take the answer that changes nothing.
  const bool zweiterLaesstUnveraendert =
      zweiter != nullptr && unveraendert == Unveraendert::zweiterKnopf;
  box.setEscapeButton(zweiterLaesstUnveraendert ? static_cast<QAbstractButton*>(zweiter) : erster);
  box.exec();
  if (box.clickedButton() == erster) return option;
  if (zweiter != nullptr && box.clickedButton() == zweiter) return option2;
  return "Fehler";
}

void DialogOberflaeche::piep() {
  QApplication::beep();
}

void DialogOberflaeche::dateifehler(const std::string& meldung) {
  QMessageBox::warning(eltern_, QStringLiteral("Quarvel"), q(meldung));
}

void DialogOberflaeche::beenden() {
  beendetAngefordert = true;
}

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
  // F10 opens the first menu, as on other desktops; from there the arrows lead on.
  auto* menueTaste = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(menueTaste, &QShortcut::activated, this, [this] {
    for (QAction* m : menuBar()->actions()) {
      if (m->isVisible()) {
        menuBar()->setActiveAction(m);
        return;
      }
    }
  });
  starte(*zustand_);
  felderZeigen();
  lageLaden();
  dokument_ = baueDokument(*this);
}

Hauptfenster::~Hauptfenster() = default;

void Hauptfenster::baueFelder() {
  // Graph and text side share the window in a splitter; the graph takes what the window
  // gives it, the text side scrolls rather than clip when the window is small.
  teiler_ = new QSplitter(Qt::Horizontal, this);
  teiler_->setChildrenCollapsible(false);

  auto* grafikSeite = new QWidget(teiler_);
  auto* grafikSpalte = new QVBoxLayout(grafikSeite);
  grafikSpalte->setContentsMargins(6, 6, 3, 6);
  grafikPlatz_ = new QWidget(grafikSeite);
  grafikPlatz_->setLayout(new QVBoxLayout);
  grafikPlatz_->layout()->setContentsMargins(0, 0, 0, 0);
  grafikPlatz_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  grafikSpalte->addWidget(grafikPlatz_, 1);
  grafikLeiste_ = new QHBoxLayout;
  grafikSpalte->addLayout(grafikLeiste_);

  auto* rollbereich = new QScrollArea(teiler_);
  rollbereich->setWidgetResizable(true);
  rollbereich->setFrameShape(QFrame::NoFrame);
  rollbereich->setMinimumWidth(260);
  auto* zentrum = new QWidget(rollbereich);
  zentrum->setAutoFillBackground(false);
  rollbereich->viewport()->setAutoFillBackground(false);
  auto* rechts = new QVBoxLayout(zentrum);
  rechts->setContentsMargins(3, 6, 6, 6);
  auto* eingabeZeile = new QHBoxLayout;
  eingabe_ = new QLineEdit(zentrum);
  eingabe_->setPlaceholderText(
      QStringLiteral("Term, z. B. 3x^2 - 4f + 2, oder Punkt, z. B. A(1, 3)"));
  QFont gross = eingabe_->font();
  gross.setPointSizeF(gross.pointSizeF() * 1.4);
  eingabe_->setFont(gross);
  eingabe_->setMinimumWidth(120);
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
  for (QLineEdit* feld : {name_, x_, y_}) feld->setMinimumWidth(50);
  rechts->addLayout(argumente);

  rechts->addWidget(new QLabel(QStringLiteral("Ausgabefenster:"), zentrum));
  ausgabe_ = new QPlainTextEdit(zentrum);
  ausgabe_->setReadOnly(true);
  ausgabe_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  ausgabe_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  ausgabe_->setMinimumSize(200, 120);
  rechts->addWidget(ausgabe_, 1);

  hinweis_ = new Hinweisfeld(zentrum);
  rechts->addWidget(hinweis_);

  optionsLeiste_ = new QHBoxLayout;
  punkteMarkiert_ =
      new QCheckBox(QStringLiteral("Punkte der Punktliste im Graphen zeigen"), zentrum);
  kritPunkteMarkiert_ = new QCheckBox(QStringLiteral("Kritische Punkte markieren"), zentrum);
  // The check boxes above the row of buttons: side by side they would need more room
  // than a small screen leaves the text side.
  rechts->addWidget(punkteMarkiert_);
  rechts->addWidget(kritPunkteMarkiert_);
  optionsLeiste_->addStretch();
  auto* protokoll = new QPushButton(QStringLiteral("&Protokoll"), zentrum);
  protokoll->setToolTip(QStringLiteral("Protokoll zeigen oder ausblenden"));
  optionsLeiste_->addWidget(protokoll);
  rechts->addLayout(optionsLeiste_);
  rollbereich->setWidget(zentrum);
  teiler_->addWidget(grafikSeite);
  teiler_->addWidget(rollbereich);
  teiler_->setStretchFactor(0, 1);
  teiler_->setStretchFactor(1, 0);
  setCentralWidget(teiler_);

  // Enter reads the input field: a point entry starts with its capital-letter name,
  // a term never does.
  // Enter in the name field does the same: name first, then Enter, is the natural order.
  const auto eingabeLesen = [this] {
    const QString text = eingabe_->text().trimmed();
    const bool punkt = !text.isEmpty() && text.front() >= u'A' && text.front() <= u'Z';
    ausfuehren(punkt ? "pktEingabe2B" : "liesTermB");
  };
  connect(eingabe_, &QLineEdit::returnPressed, this, eingabeLesen);
  connect(name_, &QLineEdit::returnPressed, this, eingabeLesen);
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
  baueDateiende(*this);
  for (QAction* eintrag : menuBar()->actions()) {
    if (QMenu* m = eintrag->menu()) eintrag->setVisible(!m->isEmpty());
  }
  kuerzelVergeben(*menuBar());
}

QMenu* Hauptfenster::menue(const QString& titel) {
  for (QAction* eintrag : menuBar()->actions()) {
    if (eintrag->menu() != nullptr && ohneKuerzel(eintrag->text()) == ohneKuerzel(titel)) {
      return eintrag->menu();
    }
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

void Hauptfenster::ausfuehren(const std::string& befehl,
                              const std::vector<std::string>& argumente) {
  felderLesen();
  if ((befehl == "neuB" || befehl == "quitB") && vorDemVerwerfen_) {
    const VorDemVerwerfen weiter = vorDemVerwerfen_(befehl);
    if (weiter == VorDemVerwerfen::abbrechen) return;
    oberflaeche_.naechsteFrageBestaetigt = weiter == VorDemVerwerfen::ohneFrage;
  }
  oberflaeche_.neuZeichnenAngefordert = false;
  const bool ausgefuehrt = fuehreAus(*zustand_, befehl, argumente);
  if (!ausgefuehrt && !zustand_->befehlsfehler.empty()) {
    oberflaeche_.auswahl(zustand_->befehlsfehler, "OK", "", Unveraendert::ersterKnopf);
  }
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

QRect startGeometrie(const QRect& verfuegbar, const QSize& minimum) {
  // Roomy on a large screen, never beyond the available area of a small one.
  const QSize wunsch(std::min(1400, verfuegbar.width() - 40),
                     std::min(880, verfuegbar.height() * 92 / 100));
  const QSize groesse = wunsch.expandedTo(minimum).boundedTo(verfuegbar.size());
  QRect r(QPoint(), groesse);
  r.moveCenter(verfuegbar.center());
  return r;
}

QRect inBildschirm(QRect fenster, const QRect& verfuegbar) {
  fenster.setSize(fenster.size().boundedTo(verfuegbar.size()));
  fenster.moveLeft(
      std::clamp(fenster.left(), verfuegbar.left(), verfuegbar.right() - fenster.width() + 1));
  fenster.moveTop(
      std::clamp(fenster.top(), verfuegbar.top(), verfuegbar.bottom() - fenster.height() + 1));
  return fenster;
}

void Hauptfenster::einpassen(const QRect& verfuegbar) {
  // The frame drawn by the window system is not known before the window is shown; a
  // title bar's worth is kept free for it.
  const QMargins rahmen = isVisible() ? QMargins(frameGeometry().left() - geometry().left(),
                                                 frameGeometry().top() - geometry().top(),
                                                 frameGeometry().right() - geometry().right(),
                                                 frameGeometry().bottom() - geometry().bottom())
                                      : QMargins();
  const QRect innen = verfuegbar.marginsRemoved(rahmen);
  setGeometry(startGeometrie(innen, minimumSizeHint()));
  // The text side gets what its fields need without scrolling sideways, the graph the rest.
  auto* rollbereich = static_cast<QScrollArea*>(teiler_->widget(1));
  const int textSeite =
      std::max(width() * 40 / 100, rollbereich->widget()->minimumSizeHint().width() +
                                       rollbereich->verticalScrollBar()->sizeHint().width());
  teiler_->setSizes({width() - textSeite, textSeite});
}

// Window and splitter are remembered only where the application has a name to file them
// under (not in tests).
static bool lageMerken() {
  return !QCoreApplication::organizationName().isEmpty();
}

void Hauptfenster::lageLaden() {
  const QRect verfuegbar = screen()->availableGeometry();
  einpassen(verfuegbar);
  if (!lageMerken()) return;
  QSettings einstellungen;
  if (restoreGeometry(einstellungen.value(QStringLiteral("fenster/geometrie")).toByteArray())) {
    // The saved place may lie on a screen that is gone or smaller now.
    setGeometry(inBildschirm(geometry(), screen()->availableGeometry()));
  }
  teiler_->restoreState(einstellungen.value(QStringLiteral("fenster/teiler")).toByteArray());
}

void Hauptfenster::lageSpeichern() const {
  if (!lageMerken()) return;
  QSettings einstellungen;
  einstellungen.setValue(QStringLiteral("fenster/geometrie"), saveGeometry());
  einstellungen.setValue(QStringLiteral("fenster/teiler"), teiler_->saveState());
}

void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
  if (schliessenBestaetigt_) {
    lageSpeichern();
    ereignis->accept();
    return;
  }
  // Closing would lose every list: ask the quit question instead.
  ereignis->ignore();
  ausfuehren("quitB");
}

}  // namespace quarvel
