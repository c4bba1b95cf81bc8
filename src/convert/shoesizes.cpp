#include "convert/routines.h"

#include <optional>

namespace talvero {
namespace {

// One English size is a third of an inch.
constexpr double Drittelzoll = 0.84666;

// Children's scales end at a foot of 21 cm.
constexpr double Groesster_Kinderfuss = 21.0;

struct Schuhskala {
    const char16_t* Einheit;
    double (*Fuss)(double v);    // foot length in cm from a size
    double (*Groesse)(double r); // size from a foot length; negative: none
};

double Kindergroesse(double r, double versatz) {
    if (r > Groesster_Kinderfuss)
        return -1;
    return (r + 1) / Drittelzoll - 12 + versatz;
}

constexpr Schuhskala Skalen[] = {
    {u"Fußlänge/cm", [](double v) { return v; }, [](double r) { return r; }},
    {u"Größe Europa", [](double v) { return v / 1.5 - 1; }, [](double r) { return (r + 1) * 1.5; }},
    {u"Mondopoint", [](double v) { return v / 10; }, [](double r) { return r * 10; }},
    {u"Schuhlänge/cm", [](double v) { return v - 1; }, [](double r) { return r + 1; }},
    {u"Zentimetersystem", [](double v) { return v - 1; }, [](double r) { return r + 1; }},
    {u"Size Großbrit. Erwachsene", [](double v) { return (v + 25) * Drittelzoll - 1; },
     [](double r) { return (r + 1) / Drittelzoll - 25; }},
    {u"Size Großbrit. Kinder", [](double v) { return (v + 12) * Drittelzoll - 1; },
     [](double r) { return Kindergroesse(r, 0); }},
    {u"Size USA Frauen", [](double v) { return (v + 23) * Drittelzoll - 1; },
     [](double r) { return (r + 1) / Drittelzoll - 23; }},
    {u"Size USA Jungen", [](double v) { return (v + 12 - 0.5) * Drittelzoll - 1; },
     [](double r) { return Kindergroesse(r, 0.5); }},
    {u"Size USA Mädchen", [](double v) { return (v + 12 - 1.5) * Drittelzoll - 1; },
     [](double r) { return Kindergroesse(r, 1.5); }},
    {u"Size USA Männer", [](double v) { return (v + 24.5) * Drittelzoll - 1; },
     [](double r) { return (r + 1) / Drittelzoll - 24.5; }},
};

const Schuhskala* Skala_von(const TAusgabetextobject& e) {
    for (const Schuhskala& s : Skalen)
        if (e.Ausgabetext.Einheit == QStringView(s.Einheit))
            return &s;
    return nullptr;
}

} // namespace

Umrechnungsergebnis Rechnen_Schuhgroessen(const Umrechnungsauftrag& auftrag) {
    // Computed in double precision, like the size tables they come from.
    const std::optional<long double> v = Zahl_lesen(auftrag.Eingabe);
    if (!v)
        return Abbruch(Eingabefehler());
    const ObjektListe& eintraege = *auftrag.Eintraege;
    const Schuhskala* quelle = Skala_von(eintraege[auftrag.Quellindex]);
    if (!quelle)
        return Abbruch(Keine_Formel());
    const double r = quelle->Fuss(static_cast<double>(*v));
    if (!(r >= 9 && r <= 34))
        return Abbruch(Wertfehler(QStringLiteral(
            "Zahlenwert außerhalb Wertebereich! Diese Schuhgröße ist nicht definiert! ")));
    std::vector<Ergebnispaar> paare;
    paare.reserve(eintraege.size());
    for (const TAusgabetextobject& e : eintraege) {
        const Schuhskala* ziel = Skala_von(e);
        paare.push_back(ziel ? Schuhpaar(ziel->Groesse(r)) : Textpaar(Keine_Angabe()));
    }
    return Ergebnisse(std::move(paare));
}

} // namespace talvero
