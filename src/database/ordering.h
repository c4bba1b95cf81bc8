#pragma once

#include "database/records.h"

#include <QByteArray>
#include <QString>
#include <cstddef>

namespace talvero {

// The three orders of the unit list, as stored in the settings.
inline QString Sortierung_Alphabet() {
    return QStringLiteral("Alphabet");
}
inline QString Sortierung_Land() {
    return QStringLiteral("Land");
}
inline QString Sortierung_Groesse() {
    return QStringLiteral("Groesse");
}

// Upper case character by character with the simple mapping: ä becomes Ä, ß stays ß.
QString Grossbuchstaben(QStringView text);

// Replaces Ä, Ö and Ü (capitals only) by AE, OE and UE.
QString Umlaute_falten(QString text);

// Comparisons of two entries: -1 first before second, 0 equal, 1 first after second.

// Upper-cased unit name as a 34-character ANSI string with folded umlauts, byte order.
int Vergleich_nach_Alphabet(const TAusgabetextobject& a, const TAusgabetextobject& b);

// Country with folded umlauts, the five unit groups first; then the upper-cased unit
// name without folding.
int Vergleich_nach_Land(const TAusgabetextobject& a, const TAusgabetextobject& b);

// By factor; in the areas whose factors carry no order, by the scientific result texts
// (everything equal while the first entry has no result).
int Vergleich_nach_Groesse(const QString& Gebietname, const TAusgabetextobject& a,
                           const TAusgabetextobject& b);

// The list's quicksort with a comparison returning -1, 0 or 1. Unstable: entries that
// compare equal end where this procedure puts them, and that order is what users see.
template <typename List, typename Compare> void Quicksort(List& list, Compare&& compare) {
    if (list.size() < 2)
        return;
    const auto n = static_cast<std::ptrdiff_t>(list.size());
    auto sort = [&](auto& self, std::ptrdiff_t L, std::ptrdiff_t R) -> void {
        std::ptrdiff_t I = 0;
        do {
            I = L;
            std::ptrdiff_t J = R;
            // The pivot is an entry, not a position: copy it before entries move.
            const auto P = list[static_cast<std::size_t>((L + R) / 2)];
            do {
                // The bounds only matter for a comparison that is not an order; the
                // scan then stops at the end of the list instead of running past it.
                while (I < n && compare(list[static_cast<std::size_t>(I)], P) < 0)
                    ++I;
                while (J >= 0 && compare(list[static_cast<std::size_t>(J)], P) > 0)
                    --J;
                if (I <= J) {
                    if (I != J)
                        std::swap(list[static_cast<std::size_t>(I)],
                                  list[static_cast<std::size_t>(J)]);
                    ++I;
                    --J;
                }
            } while (I <= J);
            if (L < J)
                self(self, L, J);
            L = I;
        } while (I < R);
    };
    sort(sort, 0, static_cast<std::ptrdiff_t>(list.size()) - 1);
}

// Sort ObjektListe in place with the comparisons above.
void Sortierung_nach_Alphabet(ObjektListe& liste);
void Sortierung_nach_Land(ObjektListe& liste);
void Sortierung_nach_Groesse(ObjektListe& liste, const QString& Gebietname);

// Whether the command of an order does anything in an area: none in "Brüche", the
// size order neither in "Kalender" nor "Zahlensysteme".
bool Sortierung_moeglich(const QString& Gebietname, const QString& ESortierung);

// The order applied after loading: "Land" and "Groesse" sort, "Alphabet" keeps the
// file order.
void Sortierung_nach_Laden(ObjektListe& liste, const QString& ESortierung,
                           const QString& Gebietname);

} // namespace talvero
