#include "convert/routines.h"

#include <cmath>

namespace talvero {

Umrechnungsergebnis Rechnen_Waehrungen(const Umrechnungsauftrag& auftrag) {
    const std::optional<long double> gelesen = Zahl_lesen(auftrag.Eingabe);
    // Rates are kept in double precision; a value double cannot hold is refused.
    const double v = gelesen ? static_cast<double>(*gelesen) : 0.0;
    if (v == 0 || !std::isfinite(v))
        return Abbruch(Eingabefehler());
    const ObjektListe& eintraege = *auftrag.Eintraege;
    const double a = v * static_cast<double>(eintraege[auftrag.Quellindex].Ausgabetext.Mult);
    std::vector<Ergebnispaar> paare;
    paare.reserve(eintraege.size());
    for (const TAusgabetextobject& e : eintraege) {
        const double mult = static_cast<double>(e.Ausgabetext.Mult);
        const double r = mult > 0 ? a / mult : 0.0;
        // No rate, or none for the source currency.
        if (mult <= 0 || r == 0)
            paare.push_back(Textpaar(QStringLiteral("unbekannt")));
        else
            paare.push_back(Standardpaar(r));
    }
    return Ergebnisse(std::move(paare));
}

} // namespace talvero
