#include "convert/routines.h"

#include <cmath>
#include <optional>

namespace talvero {
namespace {

// Density of water at 15 °C in g/cm³; a liquid above it is heavier than water.
constexpr long double Wasser_15 = 0.999126L;
// Density at 20 °C of what has 1 g/cm³ at 15 °C.
constexpr long double Faktor_20 = 0.999103216211L;

// Reference factors of the scales: water at the scale's reference temperature over
// the conversion to 15 °C.
constexpr long double a = 0.999466L * 0.999659818343L;
constexpr long double b = 0.99904L / 0.99991405822L;
constexpr long double c = 0.998713L / 0.999586638722L;
constexpr long double d = 0.998866L / 0.999907919522L;

enum class Art { Schwer, Leicht, Fragen };

using Formel = long double (*)(long double);

// A scale: the density at 15 °C from a scale value (heavy and light liquids), and the
// scale value from the density. A missing formula means the scale has no value for
// that kind of liquid.
struct Araeometerskala {
    const char16_t* Einheit;
    const char16_t* Land; // only where two scales share a name
    Art art;
    Formel Dichte_schwer, Dichte_leicht;
    Formel Wert_schwer, Wert_leicht;
};

constexpr Araeometerskala Skalen[] = {
    {u"Gramm/Zentimeter^3 bei 15° C", nullptr, Art::Schwer, [](long double v) { return v; },
     [](long double v) { return v; }, [](long double e) { return e; },
     [](long double e) { return e; }},
    {u"Gramm/Zentimeter^3 bei 20° C", nullptr, Art::Schwer,
     [](long double v) { return v / Faktor_20; }, [](long double v) { return v / Faktor_20; },
     [](long double e) { return e * Faktor_20; }, [](long double e) { return e * Faktor_20; }},
    {u"Grad Baumé", u"Niederlande", Art::Fragen, [](long double v) { return 144 / (144 - v) * a; },
     [](long double v) { return 144 / (v + 144) * a; },
     [](long double e) { return 144 - 144 / (e / a); },
     [](long double e) { return 144 / (e / a) - 144; }},
    {u"Grad Baumé", u"USA", Art::Fragen, [](long double v) { return 145 / (145 - v) * b; },
     [](long double v) { return 140 / (v + 140) * b; },
     [](long double e) { return 145 - 145 / (e / b); },
     [](long double e) { return 140 / (e / b) - 140; }},
    {u"Grad Baumé ältere Skala", nullptr, Art::Fragen,
     [](long double v) { return 146.78L / (146.78L - v) * c; },
     [](long double v) { return 146.78L / (v + 146.78L) * c; },
     [](long double e) { return 146.78L - 146.78L / e * c; },
     [](long double e) { return 146.78L / (e / c) - 146.78L; }},
    {u"Grad Baumé rationell", nullptr, Art::Fragen,
     [](long double v) { return 144.3L / (144.3L - v) * Wasser_15; },
     [](long double v) { return 144.3L / (v + 144.3L) * Wasser_15; },
     [](long double e) { return 144.3L - 144.3L / e * Wasser_15; },
     [](long double e) { return 144.3L / e * Wasser_15 - 144.3L; }},
    {u"Grad Balling", nullptr, Art::Fragen, [](long double v) { return 200 / (200 - v) * c; },
     [](long double v) { return 200 / (v + 200) * c; },
     [](long double e) { return 200 - 200 / e * c; },
     [](long double e) { return 200 / (e / c) - 200; }},
    {u"Grad Beck", nullptr, Art::Fragen, [](long double v) { return 170 / (170 - v) * a; },
     [](long double v) { return 170 / (v + 170) * a; },
     [](long double e) { return 170 - 170 / (e / a); },
     [](long double e) { return 170 / (e / a) - 170; }},
    {u"Grad Brix", nullptr, Art::Fragen, [](long double v) { return 400 / (400 - v) * d; },
     [](long double v) { return 400 / (v + 400) * d; },
     [](long double e) { return 400 - 400 / (e / d); },
     [](long double e) { return 400 / (e / d) - 400; }},
    {u"Grad Cartier", nullptr, Art::Fragen, [](long double v) { return 136.8L / (126.1L - v) * a; },
     [](long double v) { return 136.8L / (v + 126.1L) * a; },
     [](long double e) { return 126.1L - 136.8L / (e / a); },
     [](long double e) { return 136.8L / (e / a) - 126.1L; }},
    {u"Grad Stoppani", nullptr, Art::Fragen, [](long double v) { return 166 / (166 - v) * d; },
     [](long double v) { return 166 / (v + 166) * d; },
     [](long double e) { return 166 - 166 / (e / d); },
     [](long double e) { return 166 / (e / d) - 166; }},
    {u"Grad Fleischer", nullptr, Art::Schwer, [](long double v) { return (v + 100) / 100 * c; },
     nullptr, [](long double e) { return (e / c) * 100 - 100; }, nullptr},
    {u"Grad Twaddle", nullptr, Art::Schwer, [](long double v) { return (v + 200) / 200 * b; },
     nullptr, [](long double e) { return (e / b) * 200 - 200; }, nullptr},
    {u"Grad Gay-Lussac", nullptr, Art::Schwer, [](long double v) { return 100 / v * Wasser_15; },
     nullptr, [](long double e) { return 100 / e * Wasser_15; },
     [](long double e) { return 100 / e * Wasser_15; }},
    {u"Grad API", nullptr, Art::Leicht, nullptr,
     [](long double v) { return 141.5L / (v + 131.5L) * b; }, nullptr,
     [](long double e) { return 141.5L / (e / b) - 131.5L; }},
};

const Araeometerskala* Skala_von(const Typ_Ausgabetext& t) {
    for (const Araeometerskala& s : Skalen)
        if (t.Einheit == QStringView(s.Einheit) && (!s.Land || t.Land_Name == QStringView(s.Land)))
            return &s;
    return nullptr;
}

bool Vergleichseinheit(const Typ_Ausgabetext& t) {
    return t.Einheit == u"g/cm^3 bei Bezugstemperatur" ||
           t.Einheit == u"g/cm^3 relativ Bezugstemp.";
}

// R converts a density at 15 °C to the reference temperature of the source scale, S
// is the density of water there.
struct Bezug {
    long double R, S;
};

std::optional<Bezug> Bezug_von(const QString& entspricht) {
    struct Eintrag {
        const char16_t* text;
        Bezug bezug;
    };
    static constexpr Eintrag Tabelle[] = {
        {u"15° C", {1.0L, 0.999126L}},
        {u"20° C", {0.999103216211L, 0.99823L}},
        {u"15,56° C", {0.99991405822L, 0.99904L}},
        {u"15,56° C = 60° F", {0.99991405822L, 0.99904L}},
        {u"12,5° C", {1.00034029741994L, 0.999466L}},
        {u"17,5° C", {0.999586638722L, 0.998713L}},
        {u"15,625° C = 12,5° R", {0.999907919522L, 0.998866L}},
        {u"4° C", {1.0L / 0.999126L, 1.0L}},
    };
    for (const Eintrag& e : Tabelle)
        if (entspricht == QStringView(e.text))
            return e.bezug;
    return std::nullopt;
}

Ergebnispaar Zielwert(const Typ_Ausgabetext& t, long double e, const std::optional<Bezug>& bezug) {
    if (Vergleichseinheit(t)) {
        if (!bezug)
            return Textpaar(Keine_Angabe());
        const long double h =
            t.Einheit == u"g/cm^3 bei Bezugstemperatur" ? e * bezug->R : e * bezug->R / bezug->S;
        return Araeometerpaar(h);
    }
    const Araeometerskala* s = Skala_von(t);
    if (!s)
        return Textpaar(Keine_Angabe());
    const Formel f = e > Wasser_15 ? s->Wert_schwer : s->Wert_leicht;
    return f ? Araeometerpaar(f(e)) : Textpaar(Keine_Angabe());
}

} // namespace

Umrechnungsergebnis Rechnen_Araeometerskalen(const Umrechnungsauftrag& auftrag) {
    const std::optional<long double> gelesen = Zahl_lesen(auftrag.Eingabe);
    if (!gelesen)
        return Abbruch(Eingabefehler());
    const ObjektListe& eintraege = *auftrag.Eintraege;
    const Typ_Ausgabetext& quelle = eintraege[auftrag.Quellindex].Ausgabetext;
    if (Vergleichseinheit(quelle))
        return Abbruch({Meldungsart::Schlicht,
                        QStringLiteral("Diese Einheit ist nur zu Vergleichszwecken vorhanden und "
                                       "kann nicht umgerechnet werden."),
                        {}});
    const Araeometerskala* skala = Skala_von(quelle);
    if (!skala)
        return Abbruch(Keine_Formel());

    Umrechnungsergebnis ergebnis;
    long double v = *gelesen;
    // Scale readings have no sign: a typed minus is dropped, in the field too.
    if (v < 0) {
        v = -v;
        ergebnis.Neue_Eingabe = Tausche(Tausche(auftrag.Eingabe, u',', u'.'), u'-', u' ');
    }

    bool schwer = skala->art == Art::Schwer;
    if (quelle.Einheit.contains(u"Gramm/Zentimeter^3"))
        schwer = v >= 1;
    else if (skala->art == Art::Fragen) {
        if (!auftrag.Leichter_als_Wasser) {
            ergebnis.Frage = true;
            ergebnis.Neue_Eingabe.reset();
            ergebnis.Meldungen.push_back(
                {Meldungsart::Bestaetigung,
                 QStringLiteral("Zur Berechnung werden weitere Angaben benötigt. Ist Ihre "
                                "Flüssigkeit leichter als Wasser?"),
                 {}});
            return ergebnis;
        }
        schwer = !*auftrag.Leichter_als_Wasser;
    }

    // The smallest readings these scales define; below them the value is corrected and
    // the correction reported.
    if (quelle.Einheit == u"Grad Gay-Lussac" && v < 1) {
        ergebnis.Meldungen.push_back(
            {Meldungsart::Schlicht,
             QStringLiteral("Eingabe von Werten < 1 ist bei Gay-Lussac nicht zulässig!"),
             {}});
        ergebnis.Neue_Eingabe = QStringLiteral("1");
        v = 1;
    } else if (quelle.Einheit == u"Grad API" && v < 10) {
        ergebnis.Meldungen.push_back(
            {Meldungsart::Schlicht,
             QStringLiteral("Eingabe von Werten < 10 ist bei API nicht zulässig!"),
             {}});
        ergebnis.Neue_Eingabe = QStringLiteral("10");
        v = 10;
    }

    const Formel dichte = schwer ? skala->Dichte_schwer : skala->Dichte_leicht;
    const long double e = dichte(v);
    // Heavy scales end where their formula's denominator reaches zero (144 °Bé); a
    // density of zero or less, or none at all, is no liquid.
    if (!(e > 0) || !std::isfinite(e))
        return Abbruch(Wertfehler(QStringLiteral(
            "Zahlenwert außerhalb Wertebereich! Zu diesem Wert gibt es keine Dichte!")));

    const std::optional<Bezug> bezug = Bezug_von(quelle.entspricht);
    ergebnis.Ergebnisse.reserve(eintraege.size());
    for (const TAusgabetextobject& eintrag : eintraege)
        ergebnis.Ergebnisse.push_back(Zielwert(eintrag.Ausgabetext, e, bezug));
    ergebnis.Berechnet = true;
    return ergebnis;
}

} // namespace talvero
