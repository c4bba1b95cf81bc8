#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/unitlist.h"
#include "database/loader.h"
#include "database/ordering.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QScrollBar>

namespace talvero {

void TMyWindow::EinheitensortierungnachAlphabet1Click() {
    Sortieren(Sortierung_Alphabet());
}

void TMyWindow::EinheitensortierungnachLand1Click() {
    Sortieren(Sortierung_Land());
}

void TMyWindow::EinheitensortierungnachGre1Click() {
    Sortieren(Sortierung_Groesse());
}

void TMyWindow::Sortieren(const QString& neu) {
    const QString gebiet = Gebietname();
    if (!Sortierung_moeglich(gebiet, neu)) {
        // The tool button may have been pressed: it shows the order in force again.
        Sortiermarken_setzen();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TAusgabetextobject* e = Aktueller_Eintrag();
    const qint32 position = e ? e->Position_in_Datei : -1;
    Rechenmodus = e && !e->Rechenergebnis_wiss.isEmpty();
    ESortierung = neu;
    Sortiermarken_setzen();

    const auto Zeile_der_Position = [this, position] {
        for (std::size_t i = 0; i < ObjektListe.size(); ++i)
            if (ObjektListe[i].Position_in_Datei == position) {
                Zeile_waehlen(static_cast<int>(i));
                return;
            }
    };
    const auto Ohne_Ergebnisse = [this] {
        Text_Flagge_oberhalb_Liste_Loeschen();
        Text_Flagge_unterhalb_Liste();
        Werte_in_Info_Feld();
    };

    if (neu == Sortierung_Land()) {
        Sortierung_nach_Land(ObjektListe);
        Werte_Objektliste_in_Listbox();
        if (Rechenmodus)
            Zeile_der_Position();
        else
            Ohne_Ergebnisse();
    } else if (Rechenmodus) {
        if (neu == Sortierung_Alphabet())
            Sortierung_nach_Alphabet(ObjektListe);
        else
            Sortierung_nach_Groesse(ObjektListe, gebiet);
        Werte_Objektliste_in_Listbox();
        Zeile_der_Position();
    } else {
        // Without results the area is loaded anew: the file order stands for the
        // alphabet, and the load sorts by size itself.
        ObjektListe.clear();
        Werte_Datei_in_ObjektListe();
        Werte_Objektliste_in_Listbox();
        Ohne_Ergebnisse();
    }
    QApplication::restoreOverrideCursor();
}

void TMyWindow::Sortiermarken_setzen() {
    const Befehle& b = *befehle_;
    const bool alphabet = ESortierung == Sortierung_Alphabet();
    const bool land = ESortierung == Sortierung_Land();
    const bool groesse = ESortierung == Sortierung_Groesse();
    b.EinheitensortierungnachAlphabet1->setEnabled(!alphabet);
    b.EinheitensortierungnachLand1->setEnabled(!land);
    b.EinheitensortierungnachGre1->setEnabled(!groesse);
    b.ToolButton8->setChecked(alphabet);
    b.ToolButton9->setChecked(land);
    b.ToolButton12->setChecked(groesse);
}

void TMyWindow::Fliekommaanzeige1Click() {
    Anzeige_setzen(false);
}

void TMyWindow::WissenschaZahlenanzeige1Click() {
    Anzeige_setzen(true);
}

void TMyWindow::Anzeige_setzen(bool wissenschaftlich) {
    Ausgabe_wissenschaftlich = wissenschaftlich;
    Anzeigemarken_setzen();
    // Both texts exist already: only the shown one changes, nothing is computed.
    const int oben = ListBoxEinheit->verticalScrollBar()->value();
    if (Rechenmodus)
        Werte_Objektliste_in_Listbox();
    ListBoxEinheit->verticalScrollBar()->setValue(oben);
}

void TMyWindow::Anzeigemarken_setzen() {
    const Befehle& b = *befehle_;
    b.WissenschaZahlenanzeige1->setEnabled(!Ausgabe_wissenschaftlich);
    b.Fliekommaanzeige1->setEnabled(Ausgabe_wissenschaftlich);
    b.ToolButton13->setChecked(Ausgabe_wissenschaftlich);
    b.ToolButton11->setChecked(!Ausgabe_wissenschaftlich);
}

} // namespace talvero
