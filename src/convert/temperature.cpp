#include "convert/routines.h"

#include <cmath>
#include <optional>

namespace talvero {
namespace {

enum class Skala { Celsius, Fahrenheit, Kelvin, Rankine, Reaumur };

// The scale of a temperature unit is fixed by its line in the data file; lines after
// the tenth have none.
std::optional<Skala> Skala_an(qint32 Position) {
    switch (Position) {
    case 0:
    case 1:
    case 5:
        return Skala::Celsius;
    case 2:
    case 6:
        return Skala::Fahrenheit;
    case 3:
    case 9:
        return Skala::Kelvin;
    case 4:
    case 7:
        return Skala::Rankine;
    case 8:
        return Skala::Reaumur;
    default:
        return std::nullopt;
    }
}

long double in_Kelvin(Skala s, long double v) {
    switch (s) {
    case Skala::Celsius:
        return v + 273.15L;
    case Skala::Fahrenheit:
        return (v - 32.0L) * 5.0L / 9.0L + 273.15L;
    case Skala::Kelvin:
        return v;
    case Skala::Rankine:
        return v * 5.0L / 9.0L;
    case Skala::Reaumur:
        return v * 1.25L + 273.15L;
    }
    return v;
}

// Fahrenheit results that miss a whole number only by the rounding of the way through
// kelvin (211.99999999998 for 100 °C) are snapped to it.
long double Fahrenheit_einrasten(long double r) {
    const long double f = std::fabs(r - std::trunc(r));
    if (f != 0 && (f >= 0.9999999999L || f <= 0.0000000001L))
        return std::nearbyint(r);
    return r;
}

long double aus_Kelvin(Skala s, long double K) {
    switch (s) {
    case Skala::Celsius:
        return K - 273.15L;
    case Skala::Fahrenheit:
        return Fahrenheit_einrasten((K - 273.15L) * 9.0L / 5.0L + 32.0L);
    case Skala::Kelvin:
        return K;
    case Skala::Rankine:
        return K * 9.0L / 5.0L;
    case Skala::Reaumur:
        return (K - 273.15L) * 4.0L / 5.0L;
    }
    return K;
}

} // namespace

Umrechnungsergebnis Rechnen_Temperatur(const Umrechnungsauftrag& auftrag) {
    // Zero and negative temperatures are values like any other; absolute zero is not
    // checked.
    const std::optional<long double> v = Zahl_lesen(auftrag.Eingabe);
    if (!v)
        return Abbruch(Eingabefehler());
    const ObjektListe& eintraege = *auftrag.Eintraege;
    const std::optional<Skala> quelle = Skala_an(eintraege[auftrag.Quellindex].Position_in_Datei);
    if (!quelle)
        return Abbruch(Keine_Formel());
    const long double K = in_Kelvin(*quelle, *v);
    std::vector<Ergebnispaar> paare;
    paare.reserve(eintraege.size());
    for (const TAusgabetextobject& e : eintraege) {
        const std::optional<Skala> ziel = Skala_an(e.Position_in_Datei);
        paare.push_back(ziel ? Temperaturpaar(aus_Kelvin(*ziel, K)) : Textpaar(Keine_Angabe()));
    }
    return Ergebnisse(std::move(paare));
}

} // namespace talvero
