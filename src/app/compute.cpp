#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/unitlist.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>

namespace talvero {

void TMyWindow::RechentasteClick() {
    const int oben = ListBoxEinheit->verticalScrollBar()->value();
    if (!ObjektListe.empty() && umrechner_) {
        Umrechnungsauftrag auftrag;
        auftrag.Gebietname = Gebietname();
        auftrag.Eingabe = Edit_Eingabe->text();
        auftrag.Eintraege = &ObjektListe;
        auftrag.Quellindex = std::max(0, Aktuelle_Zeile());

        // A conversion that corrects the typed value shows the corrected text, also in
        // the headline.
        const auto rechnen = [&] {
            Umrechnungsergebnis e = umrechner_(auftrag);
            if (e.Neue_Eingabe)
                Edit_Eingabe->setText(*e.Neue_Eingabe);
            return e;
        };
        Umrechnungsergebnis ergebnis = rechnen();
        // A question (lighter than water?) is asked once; Abbrechen computes nothing.
        if (ergebnis.Frage && !ergebnis.Meldungen.empty()) {
            const Antwort a = meldungsdienst().fragen(ergebnis.Meldungen.front().text, true);
            if (a == Antwort::Abbrechen) {
                ergebnis = {};
            } else {
                auftrag.Leichter_als_Wasser = (a == Antwort::Ja);
                ergebnis = rechnen();
                if (ergebnis.Frage)
                    ergebnis = {};
            }
        }

        if (ergebnis.Berechnet && ergebnis.Ergebnisse.size() == ObjektListe.size()) {
            for (std::size_t i = 0; i < ObjektListe.size(); ++i) {
                ObjektListe[i].Rechenergebnis_wiss = ergebnis.Ergebnisse[i].wiss;
                ObjektListe[i].Rechenergebnis_Fliesskomma = ergebnis.Ergebnisse[i].fliess;
            }
            Rechenmodus = true;
            befehle_->WertKopieren1->setEnabled(true);
            Text_Flagge_oberhalb_Liste_erzeugen();
            Werte_Objektliste_in_Listbox();
            Werte_in_Info_Feld();
            Meldungen_zeigen(ergebnis.Meldungen);
        } else if (!ergebnis.Berechnet && !ergebnis.Meldungen.empty()) {
            // Nothing was computed: the first message says why.
            Meldungen_zeigen({ergebnis.Meldungen.front()});
        }
    }
    // The list keeps its first visible row, computed or not.
    ListBoxEinheit->verticalScrollBar()->setValue(oben);
    if (ListBoxEinheit->isVisible() && Aktuelle_Zeile() >= 0)
        ListBoxEinheit->selectionModel()->select(ListBoxEinheit->currentIndex(),
                                                 QItemSelectionModel::Select);
}

} // namespace talvero
