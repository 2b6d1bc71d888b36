#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <string>

#include "app/dokument.h"
#include "app/listenpflege.h"
#include "gui/hauptfenster.h"
#include "menuehilfen.h"

namespace quarvel {
namespace {

using namespace test;

// Every question of the program that can change something, dismissed without choosing a
// button: Escape and the close button must leave the lists exactly as they were.

enum class Schliessen { escape, schliessknopf };

// Dismisses the next question without choosing a button and records its text.
void schliesseNaechsteFrage(Schliessen wie, QString* gestellt) {
  beiNaechsterFrage(gestellt, [wie](QMessageBox& box) {
    if (wie == Schliessen::schliessknopf) return void(box.close());
    QKeyEvent taste(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&box, &taste);
  });
}

// Everything a question may put at stake: the work as it would be saved and whether the
// program ends.
std::string bestand(Zustand& z) {
  const bool beendet = dynamic_cast<DialogOberflaeche&>(z.ui).beendetAngefordert;
  return arbeitsstand(z) + (beendet ? "\nbeendet" : "");
}

struct FragenFall {
  const char* name;
  const char* name_feld;  // the name field when the command runs
  const char* befehl;
  const char* frage;  // the beginning of the question
};

class Frage : public testing::TestWithParam<FragenFall> {};

TEST_P(Frage, EscapeUndSchliessknopfAendernNichts) {
  for (const Schliessen wie : {Schliessen::escape, Schliessen::schliessknopf}) {
    Hauptfenster f(1);
    f.show();
    Zustand& z = f.zustand();
    // A function with its critical points entered, three points (one inactive), a spline.
    fuEinlisten(z, "f", teile(Polynom{0, -3, 0, 1}));
    for (const char* punkt : {"A(0,0)", "B(1,1)", "C(2,4)"}) {
      f.eingabeFeld()->setText(punkt);
      f.ausfuehren("pktEingabe2B");
    }
    f.namensFeld()->setText("s");
    f.ausfuehren("pktliste2SplineB");
    z.listen.pktListe().at("C")->aktiv = false;
    f.namensFeld()->setText("f");
    f.ausfuehren("kritPunkteEintragB");
    // Moved by hand since, so that entering them anew would show.
    for (auto& [name, p] : z.listen.pktListe()) {
      if (name.ends_with("f")) p->ko[1] += 1;
    }
    f.eingabeFeld()->setText("A(5,5)");
    const std::string vorher = bestand(z);

    f.namensFeld()->setText(GetParam().name_feld);
    QString gestellt;
    schliesseNaechsteFrage(wie, &gestellt);
    f.ausfuehren(GetParam().befehl);
    EXPECT_TRUE(gestellt.startsWith(QString::fromUtf8(GetParam().frage))) << gestellt.toStdString();
    EXPECT_EQ(bestand(z), vorher) << (wie == Schliessen::escape ? "Escape" : "close button");
  }
}

INSTANTIATE_TEST_SUITE_P(
    AlleFragen, Frage,
    testing::Values(
        // With unsaved work a new start and quitting ask to save it first.
        FragenFall{"Neustart", "", "neuB", "Änderungen an Unbenannt speichern?"},
        FragenFall{"Beenden", "", "quitB", "Änderungen an Unbenannt speichern?"},
        FragenFall{"AktUeberschreiben", "akt", "liesTermB", "Soll die aktuelle Funktion"},
        FragenFall{"FunktionUeberschreiben", "f", "aktuelleFunktionEinlistB", "Es gibt"},
        FragenFall{"FunktionslisteLoeschen", "", "fktnListeLoeschB", "Wirklich"},
        FragenFall{"SplinelisteLoeschen", "", "splineListeLoeschB", "Wirklich die Splineliste"},
        FragenFall{"KritischePunkteUeberschreiben", "f", "kritPunkteEintragB", ""},
        FragenFall{"PunktUeberschreiben", "", "pktEingabe2B", "Es gibt in der Liste bereits"},
        FragenFall{"PunktlisteLoeschen", "", "pktListeLoeschB", "Wirklich die Punktliste"},
        FragenFall{"AktivePunkteLoeschen", "", "aktiviertePunkteLoeschB", "Wirklich alle Punkte"},
        FragenFall{"InaktivePunkteLoeschen", "", "deaktiviertePunkteLoeschB", "Wirklich C"}),
    [](const auto& fall) { return std::string(fall.param.name); });

}  // namespace
}  // namespace quarvel
