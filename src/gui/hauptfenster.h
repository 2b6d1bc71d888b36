#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/oberflaeche.h"
#include "app/zustand.h"
#include "gui/hinweisfeld.h"

class QAction;
class QBoxLayout;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QWidget;

namespace quarvel {

// Where the window opens without a saved place: centred in the available area, as large
// as is comfortable, never larger than that area.
QRect startGeometrie(const QRect& verfuegbar, const QSize& minimum);
// The window moved (and shrunk when needed) into the available area.
QRect inBildschirm(QRect fenster, const QRect& verfuegbar);

class Dokumentverwaltung;

// Modal questions as real dialogs with the application's icon.
class DialogOberflaeche final : public Oberflaeche {
 public:
  explicit DialogOberflaeche(QWidget* eltern) : eltern_(eltern) {}
  std::string auswahl(const std::string& meldung, const std::string& option,
                      const std::string& option2, Unveraendert unveraendert) override;
  void piep() override;
  void neuZeichnen() override { neuZeichnenAngefordert = true; }
  void beenden() override;
  std::string grafikAusgeben(const Anzeigeliste& liste, const std::string& datei,
                             Grafikformat format) override;
  void dateifehler(const std::string& meldung) override;

  bool neuZeichnenAngefordert = false;
  // The user already agreed: the next question is answered with its first button unseen.
  bool naechsteFrageBestaetigt = false;
  bool beendetAngefordert = false;

 private:
  QWidget* eltern_;
};

// The main window: the fields, the menus and room for the graph view. Every command runs
// through the core's command table; the window copies its fields into the state before a
// command and shows the state's fields after it.
class Hauptfenster : public QMainWindow {
  Q_OBJECT

 public:
  explicit Hauptfenster(std::optional<std::uint32_t> seed = std::nullopt,
                        QWidget* eltern = nullptr);
  ~Hauptfenster() override;

  Zustand& zustand() { return *zustand_; }
  // The open document: its file, the change mark, saving and recovery.
  Dokumentverwaltung& dokument() { return *dokument_; }

  // Runs a command by its handler name (graph events and export take words of their own).
  void ausfuehren(const std::string& befehl, const std::vector<std::string>& argumente = {});

  // The top-level menu of that title, mnemonic marks ignored (created in the order of the
  // menu bar).
  QMenu* menue(const QString& titel);
  // A menu entry that runs a command.
  QAction* befehlsEintrag(QMenu* menue, const QString& text, const std::string& befehl,
                          const QKeySequence& kurzwahl = {});
  // A push button that runs a command, placed in the row below the input field.
  QPushButton* befehlsKnopf(const QString& text, const std::string& befehl);

  QLineEdit* eingabeFeld() const { return eingabe_; }
  QLineEdit* namensFeld() const { return name_; }
  QPlainTextEdit* ausgabeFeld() const { return ausgabe_; }
  Hinweisfeld* hinweisZeile() const { return hinweis_; }
  // The place of the graph view (it grows with the window) and of its controls below it.
  QWidget* grafikPlatz() const { return grafikPlatz_; }
  QBoxLayout* grafikLeiste() const { return grafikLeiste_; }
  // Further controls beside the check boxes.
  QBoxLayout* optionsLeiste() const { return optionsLeiste_; }

  // Sizes and places the window inside that area (the screen's available geometry).
  void einpassen(const QRect& verfuegbar);
  QSplitter* teiler() const { return teiler_; }

  // Copies the widgets into the state and back.
  void felderLesen();
  void felderZeigen();
  // After the state was replaced as a whole (a document opened): show it all anew.
  void zustandErneuert();

  // Asked before a command that throws the work away (a new start, quitting): whether to
  // go on, and whether that command's own question is still to be asked.
  enum class VorDemVerwerfen { abbrechen, fragen, ohneFrage };
  void setzeVorDemVerwerfen(std::function<VorDemVerwerfen(const std::string& befehl)> pruefung) {
    vorDemVerwerfen_ = std::move(pruefung);
  }

 signals:
  // After every command; the graph view redraws when asked to.
  void befehlAusgefuehrt(bool neuZeichnen);

 protected:
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  void baueFelder();
  void baueMenues();
  void lageLaden();
  void lageSpeichern() const;

  DialogOberflaeche oberflaeche_;
  std::unique_ptr<Zustand> zustand_;
  Dokumentverwaltung* dokument_ = nullptr;
  std::function<VorDemVerwerfen(const std::string& befehl)> vorDemVerwerfen_;

  QLineEdit* eingabe_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* x_ = nullptr;
  QLineEdit* y_ = nullptr;
  QPlainTextEdit* ausgabe_ = nullptr;
  Hinweisfeld* hinweis_ = nullptr;
  QCheckBox* punkteMarkiert_ = nullptr;
  QCheckBox* kritPunkteMarkiert_ = nullptr;
  QSplitter* teiler_ = nullptr;
  QWidget* grafikPlatz_ = nullptr;
  QBoxLayout* grafikLeiste_ = nullptr;
  QBoxLayout* knopfLeiste_ = nullptr;
  QBoxLayout* optionsLeiste_ = nullptr;
  bool schliessenBestaetigt_ = false;
};

// The application icon, drawn from the shipped vector image.
QIcon anwendungsSymbol();

// Each group of commands puts its menu entries and buttons into the window.
void baueSchalenmenues(Hauptfenster& f);
void baueFunktionsmenues(Hauptfenster& f);
void baueAnalysemenues(Hauptfenster& f);
void baueBegruendungsmenues(Hauptfenster& f);
void baueBerechnungsmenues(Hauptfenster& f);
void bauePunktmenues(Hauptfenster& f);
void baueGrafik(Hauptfenster& f);
void baueKonstruktionsmenues(Hauptfenster& f);
void baueHilfe(Hauptfenster& f);
// "Beenden" closes the Datei menu, after every other group's entries.
void baueDateiende(Hauptfenster& f);

// The document entries of the Datei menu; the returned object lives as the window's child.
Dokumentverwaltung* baueDokument(Hauptfenster& f);

}  // namespace quarvel
