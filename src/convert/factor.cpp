#include "convert/routines.h"

namespace talvero {

Umrechnungsergebnis Rechnen_Sonstige(const Umrechnungsauftrag& auftrag) {
    const std::optional<long double> v = Zahl_lesen(auftrag.Eingabe);
    if (!v || *v == 0)
        return Abbruch(Eingabefehler());
    const ObjektListe& eintraege = *auftrag.Eintraege;
    const long double a = *v * eintraege[auftrag.Quellindex].Ausgabetext.Mult;
    std::vector<Ergebnispaar> paare;
    paare.reserve(eintraege.size());
    for (const TAusgabetextobject& e : eintraege) {
        // A unit without a factor shows 0.
        const long double mult = e.Ausgabetext.Mult;
        paare.push_back(Standardpaar(mult > 0 ? a / mult : 0.0L));
    }
    return Ergebnisse(std::move(paare));
}

} // namespace talvero
