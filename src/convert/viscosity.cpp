#include "convert/routines.h"
#include "convert/viscosity_table.h"

#include <optional>

namespace talvero {
namespace {

constexpr long double Millionen = 1000000.0L;

// A unit of the area: its column in the table (none for m²/s and mm²/s, which convert
// by a factor), and the range of values it accepts.
struct Viskositaetseinheit {
    const char16_t* Einheit;
    int Spalte; // -1: m²/s, 0: mm²/s, 1 to 3: table column
    long double kleinster, groesster;
    const char16_t* Bereich;
};

constexpr int Quadratmeter = -1;

constexpr Viskositaetseinheit Einheiten[] = {
    {u"Meter^2/Sekunde", Quadratmeter, 0.000001L, 0.001L, u"10^-6 bis 10^-3"},
    {u"Millimeter^2/Sekunde", 0, 1.0L, 1000.0L, u"1 bis 1000"},
    {u"Centistoke", 0, 1.0L, 1000.0L, u"1 bis 1000"},
    {u"Engler-Grad", 1, 1.0L, 131.6L, u"1 bis 131,6"},
    {u"Saybolt-Sekunde", 2, 28.8L, 4629.0L, u"28,8 bis 4629"},
    {u"Redwood-Sekunde", 3, 27.7L, 4082.0L, u"27,7 bis 4082"},
};

const Viskositaetseinheit* Einheit_von(const TAusgabetextobject& e) {
    for (const Viskositaetseinheit& v : Einheiten)
        if (e.Ausgabetext.Einheit == QStringView(v.Einheit))
            return &v;
    return nullptr;
}

// Kinematic viscosity in m²/s from a value of the unit.
long double in_Quadratmeter(const Viskositaetseinheit& u, long double v,
                            const Viskositaetstabelle& t) {
    if (u.Spalte == Quadratmeter)
        return v;
    if (u.Spalte == 0)
        return v / Millionen;
    return Tabellenwert(t, u.Spalte, 0, static_cast<double>(v)) / Millionen;
}

long double aus_Quadratmeter(const Viskositaetseinheit& u, long double k,
                             const Viskositaetstabelle& t) {
    if (u.Spalte == Quadratmeter)
        return k;
    if (u.Spalte == 0)
        return k * Millionen;
    return Tabellenwert(t, 0, u.Spalte, static_cast<double>(k * Millionen));
}

} // namespace

Umrechnungsergebnis Rechnen_Viskokin_alt(const Umrechnungsauftrag& auftrag) {
    const std::optional<long double> v = Zahl_lesen(auftrag.Eingabe);
    if (!v)
        return Abbruch(Eingabefehler());
    const ObjektListe& eintraege = *auftrag.Eintraege;
    const Viskositaetseinheit* quelle = Einheit_von(eintraege[auftrag.Quellindex]);
    if (!quelle)
        return Abbruch(Keine_Formel());
    if (*v < quelle->kleinster || *v > quelle->groesster)
        return Abbruch(
            Wertfehler(QStringLiteral("Eingabe außerhalb des gültigen Wertebereiches (") +
                       QString::fromUtf16(quelle->Bereich) + QStringLiteral(")!")));
    // The table is only read once the value is known to be good.
    const auto tabelle = Viskositaetstabelle_lesen();
    if (!tabelle)
        return Abbruch({Meldungsart::Fehler, tabelle.error(), {}});
    const long double k = in_Quadratmeter(*quelle, *v, *tabelle);
    std::vector<Ergebnispaar> paare;
    paare.reserve(eintraege.size());
    for (const TAusgabetextobject& e : eintraege) {
        const Viskositaetseinheit* ziel = Einheit_von(e);
        paare.push_back(ziel ? Viskositaetspaar(aus_Quadratmeter(*ziel, k, *tabelle))
                             : Textpaar(Keine_Angabe()));
    }
    return Ergebnisse(std::move(paare));
}

} // namespace talvero
