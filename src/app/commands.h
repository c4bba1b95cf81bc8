#pragma once

#include <memory>

class QAction;
class QActionGroup;
class QComboBox;
class QMainWindow;
class QToolBar;

namespace talvero {

// The menus and the tool bar of the main window. Entries whose functions come later
// are present and disabled; Freigeben never enables them.
struct Befehle {
    // "&Datei"
    QAction* Beenden1;
    // "&Bearbeiten"
    QAction* WertKopieren1;
    QAction* Einfuegen1;
    // "&Einheit"
    QAction* Einheitumrechnen1;
    QAction* Einheitenausblenden1;
    QAction* Einheiteneinblenden1;
    QAction* Einheitenloeschen1;
    QAction* EigeneEinheiteinfuegen1;
    QAction* Umrechnungsfaktoraendern1;
    QAction* Einheitensuchen1;
    QAction* InformationenzurEinheit1;
    // "&Gebiet"
    QAction* NeuesGebieteinfuegen1;
    QAction* VorhandenesGebietloeschen1;
    QAction* InformationenzumGebiet1;
    // "Ei&nstellungen"
    QAction* Fliekommaanzeige1;
    QAction* WissenschaZahlenanzeige1;
    QAction* EinheitensortierungnachAlphabet1;
    QAction* EinheitensortierungnachLand1;
    QAction* EinheitensortierungnachGre1;
    QAction* Laenderausblenden1;
    QAction* AutomatischesRechnen1;
    // "&Hilfe"
    QAction* ImmerwaehrenderKalender1;
    QAction* Index1;
    QAction* UeberTalvero1;
    // Popup menu of the unit list.
    QAction* Kopieren1;

    // Tool bar, left to right after the area box.
    QToolBar* Werkzeugleiste;
    QAction* ToolButton7;
    QAction* ToolButton1;
    QAction* ToolButton2;
    QAction* ToolButton3;
    QAction* ToolButton4;
    QAction* ToolButton10;
    QAction* ToolButton8;
    QAction* ToolButton9;
    QAction* ToolButton12;
    QAction* ToolButton11;
    QAction* ToolButton13;
    QActionGroup* Sortiergruppe;
    QActionGroup* Anzeigegruppe;
};

// Builds the menu bar and the tool bar (with the area box first) of the window.
std::unique_ptr<Befehle> Befehle_erzeugen(QMainWindow* window, QComboBox* ComboBox2);

// Enables or disables an entry; entries whose function comes later stay disabled.
void Freigeben(QAction* a, bool an);

} // namespace talvero
