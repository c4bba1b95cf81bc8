#pragma once

#include "database/hiding.h"
#include "database/message.h"
#include "database/records.h"

#include <QStringList>
#include <vector>

namespace talvero {

// What loading an area needs besides its record.
struct Ladeauftrag {
    Typ_GruppenInfo Gebiet;
    QStringList Angezeigte_Laender; // the shown countries of the country model
    bool ausgeblendete_trotzdem_anzeigen = false;
    QString ESortierung;
};

// The visible units of an area in display order, without results, and the counters
// of the status line. Meldungen holds, in the order they are shown, the repair of a
// hidden list that no longer fits the file and the failed read.
struct Ladeergebnis {
    ObjektListe Eintraege;
    int Anzahl_Saetze_in_Datei = 0;
    int Anzahl_Ausblendungen_wegen_Land = 0;
    int Anzahl_Ausblendungen_normal = 0;
    std::vector<Meldung> Meldungen;
};

// Reads the area's data file from the data folder. The area's hidden list in
// `ausblendungen` is repaired (emptied, with a message) when its length differs from
// the file, and filled with "1" per line when it is empty. A missing or unverifiable
// file gives no entries and the error message; the hidden list is then left alone.
Ladeergebnis Werte_Datei_in_ObjektListe(const Ladeauftrag& auftrag, Ausblendungen& ausblendungen);

// The information shown when the unit list stays empty.
Meldung Leere_Liste_Meldung();

} // namespace talvero
