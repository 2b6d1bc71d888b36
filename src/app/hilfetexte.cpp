#include "app/hilfetexte.h"

#include "model/polynom.h"

namespace quarvel {

const std::string& info() {
  static const std::string text =
      "Zum Programm Quarvel\n\n"
      "Autor: das Quarvel-Entwicklerteam\n"
      "Entwickelt in C++20 mit Qt 6, Dezember 2026"
      "\n\n Gegenstand sind die ganzrationalen Funktionen, deren wesentliche Eigenschaften "
      "untersucht werden oder die durch eine Reihe von Anforderungen (sog. "
      "Steckbriefaufgaben) bestimmt werden.";
  return text;
}

const std::string& optionenH() {
  static const std::string text =
      "Hilfethema: Optionen \n\n"
      " Festlegung der angezeigten Nachkommastellen.\n\n"
      " Wechsel zwischen Sichtbarkeit und Unsichtbarkeit beim Graphen einer Funktion, deren "
      "Name im Eingabefeld <Name> angegeben ist.\n\n"
      " Umbezeichnung einer Funktion oder eines Punktes. \n\n"
      " Erzeugung von 6 Testpunkten\n\n"
      " Festlegung der Farbe eines Graphen.\n\n"
      " Übernahme der ausgezeichneten Punkte eines Graphen in die Punktliste.\n\n\n"
      " Vom Graphikfenster aus zu setzen:\n\n"
      " Ein- und Ausblenden eines Netzes mit den Gitterpunkten. (Das sind die Punkte mit "
      "ganzzahligen Koordinaten).\n"
      " Aus- und Einblenden der Achsenskalierungen. ";
  return text;
}

const std::string& termEinlesenH() {
  static const std::string text =
      "Hilfethema: Einlesen eines Terms \n\n"
      " Einlesen und Zusammenfassen eines Terms, dessen Zusammenfassung zu einem Polynom von "
      "höchstem 14. Grad führt.\n\n"
      " Das Polynom wird als aktuelle Funktion eingelesen, wenn im Namensfeld 'akt' "
      "angegeben ist.\n\n"
      " Für spätere Verwendung muss der Funktion ein Name zugewiesen werden (mit Hilfe der "
      "<- - Taste).\n\n"
      " Der Funktionsterm darf auch die Namen bereits definierter Funktionen enthalten.\n"
      " Dabei ist nur in dem Term der Funktionsname einzugeben, also z.B. 3x^2 - 4f + 2 "
      "anstatt 3x^2 - 4f(x) + 2.";
  return text;
}

const std::string& algebraH() {
  static const std::string text =
      "Hilfethema: Algebraische Polynom - Operationen  \n\n"
      " Unter dem Menu-Punkt Erzeuge<name> kann konstruiert werden:\n\n"
      " - ein die Bedingungen der Punktliste erfüllendes Polynom \n"
      "- das Interpolationspolynom zur Punktliste\n"
      "- das Regressionspolynom <x>ten Grades zur Punktliste\n"
      "- die kubische Spline-Funktion zur Punktliste\n\n"
      "Außerdem können mit den Polynomen, deren Namen in den Feldern <x> und <y> eingetragen "
      "wurden, die folgenden Operationen durchgeführt werden:\n\n"
      "- Division von Polynom <x> durch Polynom <y> (ohne Angabe des Restes).\n"
      "- Berechnung des Restpolynoms bei Division des Polynoms <x> durch das Polynom <y>.\n"
      "- Bestimmung des größten gemeinsamen Teilers der Polynome.\n\n"
      "Weiterhin lassen sich die zu Verschiebungen und Spiegelungen des Graphen der "
      "aktuellen Funktion entstehenden Funktionen bestimmen.  ";
  return text;
}

const std::string& splinesH() {
  static const std::string text =
      "Hilfethema: Splines  \n\n"
      " Splines (genauer: Kubische Splines) zu einer vorgegebenen Punktmenge sind "
      "Funktionen, die stückweise als Polynome höchstens dritten Grades definiert sind, die "
      "an den Nahtstellen in Funktionswert, erster und zweiter Ableitung übereinstimmen und "
      "deren beide Randpolynome in den Randpunkten eine verschwindende zweite Ableitung "
      "haben.\n\n"
      " Dabei darf bei den Punkten der Liste keine Abszisse (x-Wert) mehrfach vorkommen. ";
  return text;
}

const std::string& interpolationH() {
  static const std::string text =
      std::string(
          "Hilfethema: Interpolation zur Punktliste  \n\n"
          " Berechnung des Interpolationspolynoms zu den mit beiden (x und y) Koordinaten "
          "angegebenen Punkten der Punkteliste.\n\n"
          " Dabei darf keine Abszisse (x-Wert) mehrfach vorkommen.\n\n"
          " Punkte, bei denen die Angabe der Ordinate (y-Wert) fehlt, werden ignoriert.\n\n"
          " Die Anzahl der zu berücksichtigenden Punkte darf nicht größer als ") +
      std::to_string(pgrad) + " sein  ";
  return text;
}

const std::string& regressionH() {
  static const std::string text =
      "Hilfethema: Regression zur Punktliste vom Grade <x> \n\n"
      " Berechnung eines approxomierenden Polynoms zu den mit vollständigen Koordinaten "
      "angegebenen Punkten der Punkteliste.\n\n"
      " Vor dem Drücken der Taste ist der gewünschte Grad des approxinierenden Polynoms "
      "(maximal 5) im Feld <x> anzugeben.\n\n"
      " Punkte mit sich wiederholenden x-Koordinaten werden bei der Berechnung ignoriert. "
      "Ebenso Punkte, bei denen die Angabe einer der Koordinaten fehlt.\n\n"
      " Wenn der im Feld <x> angegebene Grad für das Regressionspolynom höchstens um 1 unter "
      "der Anzahl der Punkte liegt, erhält man das Interpolationspolanom der Punktmenge.  ";
  return text;
}

const std::string& steckbriefH() {
  static const std::string text =
      "Hilfethema: Steckbriefaufgaben\n\n"
      " Die Konstruktion eines Polynoms f zu einem Steckbrief erfolgt über die Umsetzung der "
      "Aufgabenbedingungen für den Graphen G in die Eigenschften entsprechender Punkte und "
      "ihre Aufnahme in die Punktliste. Beispiele:\n\n"
      " Der Graph G schneidet bei 3 die x-Achse: Neuer Punkt (3, 0, , )\n\n"
      " Der Graph hat an der Stelle 5 eine waagerechte Tangente : Neuer Punkt (5, , 0, )\n\n"
      " G hat im Punkte mit den Koordinaten (6 | 7) eine waagerechte Tangente: Neuer Punkt "
      "(6, 7, 0, )\n\n"
      " Bei Hoch-, Tief- und Wendepunkten des Graphen sind jeweils die nachfolgend "
      "angegebenen Bedingungen noch nicht hinreichend, sondern nur notwendigerweise "
      "erfüllt:\n\n"
      " Hochpunkt an der Stelle 8: Neuer Punkt (8, ,0, )\n\n"
      " Wendepunkt (7 | 5): Neuer Punkt (7, 5, ,0 )\n\n"
      " Sattelpunkt an der Stelle -3: Neuer Punkt (-3, ,0 ,0 )";
  return text;
}

const std::string& protokollH() {
  static const std::string text =
      "Hilfethema: Protokoll\n\n"
      " Alle Ergebnisse werden im Ausgabefenster angezeigt und gleichzeitig fortlaufend in "
      "ein Prokoll eingetragen.\n\n"
      " Während z.B. aus Gründen einer besseren Übersicht das Ausgabefenster ganz oder in "
      "markierten Teilen vom Nutzer des Programms immer gelöscht werden kann und auch vom "
      "Programm immer wieder frei gemacht wird, kann das Protokoll jederzeit für einen "
      "Gesamtüberblick über den bisherigen Verlauf aufgerufen werden.\n\n"
      " Bei Bedarf können Teile mit Copy&Paste in ein Textprogramm übertragen werden. ";
  return text;
}

const std::string& aktuelleFunktionH() {
  static const std::string text =
      "Hilfethema: AktuelleFunktion\n\n"
      " Fast alle Funktions-Operationen des Programms beziehen sich auf die 'aktuelle "
      "Funktion', nur wenige auf eine Funktion aus der Liste, deren Name dann im Namensfeld "
      "eingetragen sein muss.\n\n"
      " Die aktuelle Funktion wird eingegeben \n"
      " - als Erzeugnis aus Punkten, die in die Punktliste eingegeben wurden, durch Druck "
      "der Taste 'Aktuelles Polynom zu Punktliste Erzeugen' oder\n"
      " - durch Eingabe eines Namens einer Funktion aus der Funktionsliste und Wahl der "
      "Menü-Option 'Trage <Name> als aktuelle Funktion ein'.\n\n"
      " Die Aufnahme der  Funktion mit dem im Eingabefeld eingetragenen Term in die "
      "Funktionsliste erfolgt durch Drücken der mit '<---' beschrifteten Taste. Wenn dabei "
      "kein gewünschter Name im Namensfeld angegeben ist, vergibt das Programm einen "
      "selbstgewählten Zufallsnamen für die Funktion.\n\n"
      " Wird hierbei als Funktionsname 'akt' angegeben, wird die Funktion nicht in die Liste "
      "aufgenommen, sondern ersetzt  die aktuelle Funktion.";
  return text;
}

const std::string& kritischeStellen() {
  static const std::string text =
      "Hilfethema: Kritische Punkte\n\n"
      " Punkte des Graphen, an denen sich das Verhalten des Graphen (Vorzeichenbereich, "
      "Monotonieverhalten, Krümmungsverhalten) ändern kann, werden als kritische Punkte "
      "bezeichnet. Die zugehörigen kritischen Stellen sind die Nullstellen der Funktion und "
      "ihrer ersten beiden Ableitungen. Denn da sich das Vorzeichen einer ganzrationalen "
      "Funktion nur an einer Nullstelle ändern kann, ist das Vorzeichen der Funktion "
      "zwischen zwei benachbarten Nullstellen konstant. Daher gilt für den Verlauf des "
      "Graphen einer ganzrationalen Funktion f:\n\n"
      " - zwischen benachbarten Nullstellen von f liegt der Graph im gleichen "
      "Vorzeichenbereich\n"
      " - zwischen benachbarten Nullstellen von f' hat der Graph einheitliches "
      "Monotonieverhalten (steigt bzw. fällt)\n"
      " - zwischen benachbarten Nullstellen von f'' hat der Graph einheitliches "
      "Krümmungsverhalten (linksdrehend oder rechtsdrehend) \n\n"
      " Die kritischen Punkte der aktuellen Funktion - hier f genannt - mit ihren vier "
      "Kompnenten (x, f(x), f'(x), f''(x)) werden zusammen mit den beiden Ableitungen auf "
      "Anforderung angezeigt.";
  return text;
}

const std::string& anzeigeOptionen() {
  static const std::string text =
      "Hilfethema: Anzeige-Optionen \n\n"
      " Wenn die Option 'Punkte der Punktliste im Graphen zeigen' durch Häkchensetzen "
      "gewählt ist, werden die Punkte der Punkteliste, die im gewählten Bereich des Graphen "
      "liegen, dort durch kleine Kreise markiert. Analog gilt das für die kritischen Punkte "
      "des Graphen.\n\n\n"
      " Über den Menupunkt 'Zeige' wird entsprechend der Wahl ausgegeben:\n\n"
      " - Liste der eingetragenen Funktionen\n"
      " - Liste der eingetragenen Punkte\n"
      " - Die bisherigen Eintragungen im Protokoll\n"
      " - Die Verlaufsbeschreibung des Graphen der aktuellen Funktion oder einer gewählten "
      "Funktion aus der Funktionsliste\n"
      " - Die Terme der gelöschten Funktionen\n\n"
      "Der angezeigte Ausschnitt des Koordinatensystems kann mit dem Scrollrad der Maus "
      "gezoomt werden.\n\n"
      " Mit folgenden beim Drehen des Scrollrads gedrückten Tasten wird bewirkt:\n\n"
      " control: Horizontale Verschiebung\n"
      " option (Alternate-Taste): Vertikale Verschiebung\n"
      " command (Apfeltaste): Vertikale Stauchung/Dehnung";
  return text;
}

const std::string& berechnungenhilfe() {
  static const std::string text =
      "Hilfethema:  Berechnungen\n\n"
      " Das Programm berechnet zur jeweils aktuellen Funktion: \n\n"
      " - Funktionsterme der ersten und zweiten Ableitung, \n"
      " - Funktionswert, erste und zweite Ableitung an einer vorgegebenen Stelle\n"
      " - Koordinaten der kritischen Punkte mit erster und zweiter Ableitung an dieser "
      "Stelle\n"
      " - Faktorzerlegung in Linearfaktoren, sofern solche Faktoren existieren\n"
      "- diejenige Stammfunktion zur aktuellen Funktion, die eine vorgegebene "
      "Anfangsbedingung erfüllt.\n\n"
      " - sowie das bestimmte Integral zu einer Funktion aus der Liste über dem "
      "vorzugebenden Intervall [x,y]\n"
      "  ";
  return text;
}

const std::string& funktionhilfe() {
  static const std::string text =
      "Hilfethema: Funktionen \n\n"
      " Die Funktionen sind in diesem Programm ganzrational von bis zu vierzehntem Grad. Der "
      "Funktionsterm ist also ein Polynom, der zugehörige Graph ist eine Gerade oder eine "
      "Parabel zweiter bis vierzehnter Ordnung.\n\n"
      " Die Funktionen werden mit Hilfe optionaler Namen verwaltet, die auf Wunsch auch vom "
      "Programm zugewiesen werden können.\n\n"
      " Die Operationen mit Funktionen beziehen sich jeweils wahlweise auf die aktuelle "
      "Funktion oder eine Funktion aus der Liste. \n\n"
      " Wenn sich die Vorgabebedingungen durch die Punkte nicht überschneiden - z.B. zwei "
      "verschiedene Punkte mit gleicher x-Koordinate -, wird auf Anforderung ein Polynom "
      "kleinstmöglichen Grades ermittelt, dessen Werte und Ableitungen die in den Punkten "
      "festgelegten Bedingungen erfüllen.\n\n"
      " Der Graph der Funktion kann angezeigt werden, die wesentliche Verlaufsdaten werden "
      "berechnet und auf Anforderung angegeben.\n\n"
      "Sollen mehrere Funktionen mit einer Anweisung gelöscht werden, so sind ihre Namen vor "
      "Anwahl des Löschbefehls durch Kommata getrennt im Feld <Name> einzutragen.\n\n"
      "Weitere zu konstruierende und dargestellte Funktionen sind Splines (s. Hilfepunkt "
      "Splines).";
  return text;
}

const std::string& punkthilfe() {
  static const std::string text =
      "Hilfethema: Punkte \n\n"
      " Punkte werden verwaltet über einen beliebigen zugewiesenen Namen und vier "
      "Komponenten, von denen die ersten beiden die Koordinaten x ud y sind, während die "
      "dritte und vierte (z und w) - bezogen auf ein zu konstruierendes Polynom p - die "
      "erste und die zweite Ableitung an der Stelle x sind: z = p'(x), w = p''(x). Die "
      "erstenKomponente (x) sowie mindestens eine weitere der drei optionalen Komponenten y, "
      "z, w müssen bei der Festlegung eines Punktes im großen Eingabefeld angegeben werden.\n"
      "Beispiele zulässiger Eingaben:\n"
      "A(1,3), B(2,,3,), C(3,4,5,6), D(7,-,-,8).\n"
      " Für die Darstellung und die Verwendung zur Regression, Interpolation oder als "
      "Spline-Vorgaben sind nur die ersten beiden Koordinaten eines Punktes relevant.\n\n"
      "Die definierten Punkte werden in einer Punktliste verwaltet, die auf Wunsch angezeigt "
      "wird. \n\n"
      " Soll der Graph eines Polynoms durch die Punkte der Liste gelegt werden, dürfen die "
      "Bedingungen nicht unerfüllbar sein wie z.B. bei der Vorgabe von mehreren Punkten mit "
      "gleichem x-Wert.\n\n"
      " Sollen mehrere Punkte mit einer Anweisung gelöscht werden, so sind ihre Namen vor "
      "Anwahl des Löschbefehls durch Kommata getrennt im Feld <Name> einzutragen.";
  return text;
}

std::span<const Hilfethema> hilfethemen() {
  static const Hilfethema themen[] = {
      {"hilfeFunktion", "Funktionen", funktionhilfe},
      {"termEinleseB", "Einlesen eines Terms", termEinlesenH},
      {"aktuelleFunktionHilfe", "Aktuelle Funktion", aktuelleFunktionH},
      {"berechnungenHilfe", "Berechnungen", berechnungenhilfe},
      {"kritischeStellenHilfe", "Kritische Punkte", kritischeStellen},
      {"punktHilfB", "Punkte", punkthilfe},
      {"steckbriefHilfe", "Steckbriefaufgaben", steckbriefH},
      {"InterpolationH", "Interpolation", interpolationH},
      {"RegressionH", "Regression", regressionH},
      {"SplinesH", "Splines", splinesH},
      {"AlgebraH", "Algebraische Operationen", algebraH},
      {"anzeigeHilfe", "Anzeige-Optionen", anzeigeOptionen},
      {"optionB", "Optionen", optionenH},
      {"protokollHilfe", "Protokoll", protokollH},
  };
  return themen;
}

}  // namespace quarvel
