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
    // The text the value field shows afterwards, when the conversion changed it (a
    // corrected hydrometer value).
    std::optional<QString> Neue_Eingabe;
};

// objectName of the value field; messages about the typed value focus it.
inline QString Wertfeld() {
    return QStringLiteral("Edit_Eingabe");
}

// The entry error: the typed value is unreadable (or zero where that is refused).
Meldung Eingabefehler();

// An error box about the typed value; the value field gets the focus.
Meldung Wertfehler(const QString& text);

// The source unit has no formula in its area, so nothing can be converted from it.
Meldung Keine_Formel();

// A conversion that stops with one message and changes nothing.
Umrechnungsergebnis Abbruch(Meldung meldung);

// A finished conversion with one result pair per entry.
Umrechnungsergebnis Ergebnisse(std::vector<Ergebnispaar> paare);

} // namespace talvero
