#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>
#include <utility>
#include <vector>

#include "app/grafikanzeige.h"
#include "gui/grafikansicht.h"
#include "gui/hauptfenster.h"

namespace quarvel {

namespace {

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

// A control whose look follows the state after every command.
using Abgleich = std::function<void(const Zustand&)>;

// A check box or radio button that runs a command when clicked and shows a state flag.
// Its tick is set from the state only, so a refused choice shows no tick.
template <typename Knopf>
Knopf* schalter(Hauptfenster& f, std::vector<Abgleich>& abgleiche, const QString& text,
                const std::string& befehl, std::function<bool(const Zustand&)> an,
                QWidget* eltern) {
  auto* knopf = new Knopf(text, eltern);
  knopf->setAutoExclusive(false);
  QObject::connect(knopf, &QAbstractButton::clicked, &f, [&f, befehl] { f.ausfuehren(befehl); });
  abgleiche.push_back([knopf, an = std::move(an)](const Zustand& z) { knopf->setChecked(an(z)); });
  return knopf;
}

QPushButton* knopf(Hauptfenster& f, const QString& text, const std::string& befehl, QWidget* eltern,
                   const QString& tipp = {}) {
  auto* k = new QPushButton(text, eltern);
  k->setToolTip(tipp);
  k->setFocusPolicy(Qt::TabFocus);
  QObject::connect(k, &QPushButton::clicked, &f, [&f, befehl] { f.ausfuehren(befehl); });
  return k;
}

// The save dialog: a name without extension takes the one of the chosen filter; any other
// extension is refused by the export with the list of formats.
void exportieren(Hauptfenster& f) {
  const std::pair<QString, Grafikformat> filter[] = {
      {QStringLiteral("PNG-Bild (*.png)"), Grafikformat::png},
      {QStringLiteral("PDF-Dokument (*.pdf)"), Grafikformat::pdf},
      {QStringLiteral("SVG-Grafik (*.svg)"), Grafikformat::svg}};
  QStringList filterTexte;
  for (const auto& [text, _] : filter) filterTexte << text;
  QString gewaehlt = filterTexte.front();
  const QString datei = QFileDialog::getSaveFileName(
      &f, QStringLiteral("Grafik exportieren"), QStringLiteral("grafik.png"),
      filterTexte.join(QStringLiteral(";;")), &gewaehlt);
  if (datei.isEmpty()) return;
  Grafikformat format = Grafikformat::png;
  for (const auto& [text, art] : filter) {
    if (text == gewaehlt) format = art;
  }
  f.ausfuehren("printB", {mitEndung(datei.toStdString(), format)});
}

}  // namespace

void baueGrafik(Hauptfenster& f) {
  auto abgleiche = std::make_shared<std::vector<Abgleich>>();
  auto* ansicht = new Grafikansicht(f, f.grafikPlatz());
  f.grafikPlatz()->layout()->addWidget(ansicht);

  // Below the view: legend, coordinates, selected point, "neu"/"Undo", label arrows, switches.
  auto* leiste = new QWidget(f.grafikPlatz()->parentWidget());
  auto* raster = new QGridLayout(leiste);
  raster->setContentsMargins(0, 0, 0, 0);
  auto* legende = new QLabel(leiste);
  legende->setTextInteractionFlags(Qt::TextSelectableByMouse);
  legende->setToolTip(QStringLiteral(
      "Der gezeigte Ausschnitt. Mausrad: zoomen; mit Strg waagerecht, mit Alt senkrecht "
      "verschieben; mit Umschalt senkrecht dehnen. Tastatur: + und − zoomen, Pfeiltasten "
      "verschieben."));
  raster->addWidget(legende, 0, 0, 1, 9);

  auto* maus = new QLineEdit(leiste);
  maus->setReadOnly(true);
  maus->setToolTip(QStringLiteral("Koordinaten der Maus (links ziehen)"));
  auto* traeger = new QLineEdit(leiste);
  traeger->setToolTip(
      QStringLiteral("Gewählter Punkt (rechts ziehen) oder Name eines neuen Punktes"));
  traeger->setMaximumWidth(70);
  QObject::connect(traeger, &QLineEdit::textEdited, &f,
                   [&f](const QString& text) { f.zustand().grafik.traeger = text.toStdString(); });
  auto* punktKnopf =
      knopf(f, QStringLiteral("neu"), "punktSetzen", leiste,
            QStringLiteral("Neuer Punkt an der letzten Mausposition, oder Rückgängig"));
  auto* mausLabel = new QLabel(QStringLiteral("Maus:"), leiste);
  auto* punktLabel = new QLabel(QStringLiteral("&Punkt:"), leiste);
  punktLabel->setBuddy(traeger);
  raster->addWidget(mausLabel, 1, 0);
  raster->addWidget(maus, 1, 1);
  raster->addWidget(punktLabel, 1, 2);
  raster->addWidget(traeger, 1, 3);
  raster->addWidget(punktKnopf, 1, 4);
  const QString beschriftungTipp = QStringLiteral("Beschriftung des gewählten Punktes verschieben");
  int spalte = 5;
  for (const auto& [pfeil, befehl] : {std::pair{"◀", "punktLinksB"}, std::pair{"▶", "punktRechtsB"},
                                      std::pair{"▲", "punktHochB"}, std::pair{"▼", "punktTiefB"}}) {
    QPushButton* k = knopf(f, QString::fromUtf8(pfeil), befehl, leiste, beschriftungTipp);
    k->setFixedWidth(32);
    raster->addWidget(k, 1, spalte++);
  }
  raster->setColumnStretch(1, 1);

  auto* schalterZeile = new QHBoxLayout;
  schalterZeile->addWidget(schalter<QCheckBox>(
      f, *abgleiche, QStringLiteral("Gitterpunkte"), "rasterAendern",
      [](const Zustand& z) { return z.grafik.gitterpunkteSichtbar; }, leiste));
  schalterZeile->addWidget(schalter<QCheckBox>(
      f, *abgleiche, QStringLiteral("Achsen"), "achsenZeigen",
      [](const Zustand& z) { return z.grafik.koordinatensystemSichtbar; }, leiste));
  schalterZeile->addWidget(schalter<QCheckBox>(
      f, *abgleiche, QStringLiteral("x-Skala"), "xSkalaAendern",
      [](const Zustand& z) { return z.grafik.xSkalapunkteSichtbar; }, leiste));
  schalterZeile->addWidget(schalter<QCheckBox>(
      f, *abgleiche, QStringLiteral("y-Skala"), "ySkalaAendern",
      [](const Zustand& z) { return z.grafik.ySkalapunkteSichtbar; }, leiste));
  schalterZeile->addWidget(schalter<QCheckBox>(
      f, *abgleiche, QStringLiteral("Funktionsnamen"), "funktionsnamenAendern",
      [](const Zustand& z) { return z.grafik.funktionsnamenZeigen; }, leiste));
  schalterZeile->addStretch();
  raster->addLayout(schalterZeile, 2, 0, 1, 9);
  f.grafikLeiste()->addWidget(leiste);

  // The window choice: what is drawn and which frame the view takes over, under the
  // graph it belongs to.
  auto* platz = leiste;
  auto* zeigt = new QGroupBox(QStringLiteral("Grafik zeigt"), platz);
  auto* zeigtSpalte = new QVBoxLayout(zeigt);
  zeigtSpalte->addWidget(schalter<QRadioButton>(
      f, *abgleiche, QStringLiteral("aktuelle Funktion"), "aktuellWahlB",
      [](const Zustand& z) { return z.grafik.wahl.aktuellB; }, zeigt));
  zeigtSpalte->addWidget(schalter<QRadioButton>(
      f, *abgleiche, QStringLiteral("Funktion <Name>"), "funktionalWahlB",
      [](const Zustand& z) { return z.grafik.wahl.funktionalB; }, zeigt));
  zeigtSpalte->addWidget(schalter<QRadioButton>(
      f, *abgleiche, QStringLiteral("alle Funktionen"), "allfunktionalWahlB",
      [](const Zustand& z) { return z.grafik.wahl.allfunktionalB; }, zeigt));
  auto* fenster = new QGroupBox(QStringLiteral("Fenster"), platz);
  auto* fensterSpalte = new QVBoxLayout(fenster);
  fensterSpalte->addWidget(schalter<QRadioButton>(
      f, *abgleiche, QStringLiteral(".. nach Funktion"), "nachFunktionB",
      [](const Zustand& z) { return z.grafik.wahl.nachFunktion; }, fenster));
  auto* rechteck = schalter<QRadioButton>(
      f, *abgleiche, {}, "rechteckWahlB", [](const Zustand& z) { return z.grafik.wahl.rechteckGB; },
      fenster);
  // A long rectangle title is shortened (in full in the tool tip) rather than widen the
  // window.
  abgleiche->push_back([rechteck](const Zustand& z) {
    const QString titel = q(z.grafik.wahl.rechteckTitel);
    rechteck->setText(rechteck->fontMetrics().elidedText(titel, Qt::ElideMiddle, 260));
    rechteck->setToolTip(titel);
  });
  fensterSpalte->addWidget(rechteck);
  fensterSpalte->addWidget(schalter<QRadioButton>(
      f, *abgleiche, QStringLiteral(".. nach Punkten"), "nachPunktenWahlB",
      [](const Zustand& z) { return z.grafik.wahl.nachPunktenGB; }, fenster));
  auto* rahmenKnoepfe = new QHBoxLayout;
  rahmenKnoepfe->addWidget(
      knopf(f, QStringLiteral("Rechteck aus x, y"), "fRahmenWahlB", fenster,
            QStringLiteral("Die Intervalle in den Feldern x und y werden das Rechteck")));
  rahmenKnoepfe->addWidget(knopf(f, QStringLiteral("Ausschnitt als Rechteck"), "fRahmenUebernahmeB",
                                 fenster,
                                 QStringLiteral("Der gezeigte Ausschnitt wird das Rechteck")));
  fensterSpalte->addLayout(rahmenKnoepfe);
  auto* wahlZeile = new QHBoxLayout;
  wahlZeile->addWidget(zeigt);
  wahlZeile->addWidget(fenster);
  wahlZeile->addStretch();
  raster->addLayout(wahlZeile, 3, 0, 1, 9);

  // Menu entries: printing, export and the display switches.
  QMenu* datei = f.menue(QStringLiteral("Datei"));
  f.befehlsEintrag(datei, QStringLiteral("&Drucken …"), "printB", QKeySequence::Print);
  QAction* export_ = datei->addAction(QStringLiteral("Grafik &exportieren …"));
  export_->setToolTip(QStringLiteral("Die Grafik als PNG, PDF oder SVG speichern"));
  export_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+X")));
  QObject::connect(export_, &QAction::triggered, &f, [&f] { exportieren(f); });
  QMenu* optionen = f.menue(QStringLiteral("Optionen"));
  f.befehlsEintrag(optionen, QStringLiteral("&Gitterpunkte zeigen/verbergen"), "rasterAendern",
                   QKeySequence(QStringLiteral("Ctrl+G")));
  f.befehlsEintrag(optionen, QStringLiteral("&Achsen zeigen/verbergen"), "achsenZeigen");
  f.befehlsEintrag(optionen, QStringLiteral("&x-Skala zeigen/verbergen"), "xSkalaAendern");
  f.befehlsEintrag(optionen, QStringLiteral("&y-Skala zeigen/verbergen"), "ySkalaAendern");

  abgleiche->push_back([legende, maus, traeger, punktKnopf](const Zustand& z) {
    const Grafikzustand& g = z.grafik;
    legende->setText(q(grafikLegende(z)));
    maus->setText(q(g.maus));
    if (traeger->text() != q(g.traeger)) traeger->setText(q(g.traeger));
    punktKnopf->setText(q(g.punktButton));
  });
  const auto abgleichen = [&f, ansicht, abgleiche] {
    ansicht->neuZeichnen();
    for (const Abgleich& a : *abgleiche) a(f.zustand());
  };
  // Every command may have changed what is drawn (a new current function, a colour):
  // drawing is cheap, so the view follows each one.
  QObject::connect(&f, &Hauptfenster::befehlAusgefuehrt, ansicht,
                   [abgleichen](bool) { abgleichen(); });
  abgleichen();
}

}  // namespace quarvel
