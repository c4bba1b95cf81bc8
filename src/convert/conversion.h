#pragma once

#include "convert/numbers.h"
#include "database/message.h"
#include "database/records.h"

#include <QString>
#include <optional>
#include <vector>

namespace talvero {

// What a conversion is asked: the value text as typed, the entries of the current
// area in display order and which of them is the source unit.
struct Umrechnungsauftrag {
    QString Gebietname;
    QString Eingabe;
    const ObjektListe* Eintraege = nullptr;
    int Quellindex = 0;
    // The answer to the hydrometer question "lighter than water?", once given.
    std::optional<bool> Leichter_als_Wasser;
};

// What a conversion gives back. When Berechnet, Ergebnisse holds one pair per entry
// in the order of the entries, and Meldungen are shown after the results; otherwise
// nothing is changed and the first message says why (its fokus names the field to
// focus with its whole text selected). Frage is set when a question must be answered
// before the conversion can run (the caller asks and calls again with the answer).
struct Umrechnungsergebnis {
    bool Berechnet = false;
    std::vector<Ergebnispaar> Ergebnisse;
    std::vector<Meldung> Meldungen;
    bool Frage = false;
};

} // namespace talvero
