#include "calendar/calendar_area.h"
#include "calendar/calendars.h"

#include <QStringList>
#include <benchmark/benchmark.h>

namespace {

using namespace talvero;

// Forward and back through one calendar, walking its span in steps of 997 days so
// that every month and year shape comes along.
void Rundreise(benchmark::State& state, QString (*vorwaerts)(qint64),
               Tagesnummer (*rueckwaerts)(QStringView), qint64 beginn, qint64 ende) {
    qint64 J = beginn;
    for (auto _ : state) {
        const Tagesnummer zurueck = rueckwaerts(vorwaerts(J));
        benchmark::DoNotOptimize(zurueck);
        J = beginn + (J - beginn + 997) % (ende - beginn + 1);
    }
    state.SetItemsProcessed(state.iterations());
}

constexpr qint64 kEnde = 10'000'000;

BENCHMARK_CAPTURE(Rundreise, Julianisch, JD_zu_Julianisch, Julianisch_zu_JD, 0, kEnde);
BENCHMARK_CAPTURE(Rundreise, Gregorianisch, JD_zu_Gregorianisch, Gregorianisch_zu_JD, 0, kEnde);
BENCHMARK_CAPTURE(Rundreise, Abendlaendisch, JD_zu_Abendlaendisch, Abendlaendisch_zu_JD, 0, kEnde);
BENCHMARK_CAPTURE(Rundreise, Juedisch, JD_zu_Juedisch, Juedisch_zu_JD, Juedischer_Beginn, kEnde);
BENCHMARK_CAPTURE(Rundreise, Revolution, JD_zu_Revolution, Revolution_zu_JD, Revolution_Beginn,
                  Revolution_Ende);
BENCHMARK_CAPTURE(Rundreise, Islamisch, JD_zu_Islamisch, Islamisch_zu_JD, 0, kEnde);
BENCHMARK_CAPTURE(Rundreise, Iranisch_neu, JD_zu_Iranisch_neu, Iranisch_neu_zu_JD, 0, kEnde);
BENCHMARK_CAPTURE(Rundreise, Yazdegard, JD_zu_Yazdegard, Yazdegard_zu_JD, 0, kEnde);
BENCHMARK_CAPTURE(Rundreise, Aegyptisch, JD_zu_Aegyptisch, Aegyptisch_zu_JD, 0, kEnde);
BENCHMARK_CAPTURE(Rundreise, Armenisch, JD_zu_Armenisch, Armenisch_zu_JD, 0, kEnde);
BENCHMARK_CAPTURE(Rundreise, Aethiopisch, JD_zu_Aethiopisch, Aethiopisch_zu_JD, 0, kEnde);
BENCHMARK_CAPTURE(Rundreise, Koptisch, JD_zu_Koptisch, Koptisch_zu_JD, 0, kEnde);
BENCHMARK_CAPTURE(Rundreise, Bahai, JD_zu_Bahai, Bahai_zu_JD, Bahai_Beginn, kEnde);
BENCHMARK_CAPTURE(Rundreise, Saka, JD_zu_Saka, Saka_zu_JD, 0, kEnde);
BENCHMARK_CAPTURE(Rundreise, Maya, JD_zu_Maya, Maya_zu_JD, Maya_Beginn, kEnde);

// One whole conversion of the area: a typed Gregorian date into all 19 units.
void Kalender_Gebiet(benchmark::State& state) {
    const QStringList namen = Kalender_Einheitennamen();
    ObjektListe liste;
    for (const QString& n : namen) {
        TAusgabetextobject o;
        o.Ausgabetext.Einheit = n;
        liste.push_back(o);
    }
    Umrechnungsauftrag a;
    a.Gebietname = u"Kalender"_qs;
    a.Eingabe = u"23.04.2024"_qs;
    a.Eintraege = &liste;
    a.Quellindex = static_cast<int>(namen.indexOf(u"Gregorianischer Kalender (12 Uhr)"_qs));
    for (auto _ : state)
        benchmark::DoNotOptimize(Rechnen_Kalender(a));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Kalender_Gebiet);

} // namespace
