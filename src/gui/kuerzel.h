#pragma once

#include <QChar>
#include <QString>

class QWidget;

namespace quarvel {

// Mnemonics of menus: the letter after "&" that opens a menu or runs an entry with Alt.

// A menu text without its mnemonic marks ("&Datei" -> "Datei", "&&" -> "&").
QString ohneKuerzel(const QString& text);
// The mnemonic letter of a menu text (lower case), or a null character when it has none.
QChar kuerzel(const QString& text);
// Gives every entry of the menu or menu bar (and of its submenus) that has no mnemonic
// one that is not yet taken in its menu: a word's first letter if possible, else any.
void kuerzelVergeben(QWidget& menue);

}  // namespace quarvel
