#include <QMenu>

#include "gui/hauptfenster.h"

namespace quarvel {

// The menu "Berechne": values, derivative, antiderivative, integral and area of one function;
// linear factors, quotient, remainder and gcd; the moved and mirrored current function.
// Functions are named in the name field, the two operands of a division in the fields x and
// y; numbers come from the fields x and y.
void baueBerechnungsmenues(Hauptfenster& f) {
  QMenu* berechne = f.menue(QStringLiteral("Berechne"));

  f.befehlsEintrag(berechne,
                   QStringLiteral("&Werte von <Name>, <Name>' und <Name>'' an der Stelle x"),
                   "wertBerechnen", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
  f.befehlsEintrag(berechne, QStringLiteral("&Ableitung von akt als neue Funktion"),
                   "fErsatzfStrichB");
  f.befehlsEintrag(berechne,
                   QStringLiteral("&Stammfunktion von akt mit Anfangsbedingung <Name>(x) = y"),
                   "erzStf");
  f.befehlsEintrag(berechne, QStringLiteral("&Integral von <Name> über [x, y]"), "bestIntegralB",
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
  f.befehlsEintrag(berechne, QStringLiteral("&Fläche zwischen Graph von <Name> und x-Achse"),
                   "inhaltEingFlaecheB");

  berechne->addSeparator();
  f.befehlsEintrag(berechne, QStringLiteral("&Linearfaktorzerlegung von akt"), "linFakZerlB",
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
  f.befehlsEintrag(berechne, QStringLiteral("Linearfaktorzerlegung von <&Name>"), "linFakZerlFB");
  f.befehlsEintrag(berechne, QStringLiteral("&Quotient der Polynome <x> : <y>"), "quotientenPolB");
  f.befehlsEintrag(berechne, QStringLiteral("&Rest bei Division der Polynome <x> : <y>"),
                   "divisionsRestPolB");
  f.befehlsEintrag(berechne, QStringLiteral("gg&T der Polynome <x> und <y>"), "ggTB",
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));

  berechne->addSeparator();
  f.befehlsEintrag(berechne, QStringLiteral("akt &verschieben um den Vektor <x; y>"),
                   "verschiebeB");
  f.befehlsEintrag(berechne, QStringLiteral("akt spiegeln an der Geraden &y = <y>"),
                   "spiegeleHorB");
  f.befehlsEintrag(berechne, QStringLiteral("akt spiegeln an der Geraden &x = <x>"),
                   "spiegeleVerB");
  f.befehlsEintrag(berechne, QStringLiteral("akt spiegeln am &Punkt (x, y)"), "spiegeleAmPunktB");
}

}  // namespace quarvel
