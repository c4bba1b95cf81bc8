#include "convert/dispatch.h"

#include <benchmark/benchmark.h>
#include <cmath>

using namespace talvero;

namespace {

// A factor area of 1000 units whose factors span 1e-12 to 1e12, so that the rows mix
// fixed-point texts with separators and scientific texts.
ObjektListe Tausend_Einheiten() {
    ObjektListe liste(1000);
    for (int i = 0; i < 1000; ++i) {
        liste[i].Ausgabetext.Einheit = QStringLiteral("Einheit %1").arg(i);
        liste[i].Ausgabetext.Mult = std::pow(10.0L, (i % 25) - 12) * (1.0L + i / 1000.0L);
        liste[i].Position_in_Datei = i;
    }
    return liste;
}

void BM_Umrechnen_1000_Einheiten(benchmark::State& state) {
    const ObjektListe liste = Tausend_Einheiten();
    Umrechnungsauftrag auftrag;
    auftrag.Gebietname = QStringLiteral("Länge");
    auftrag.Eingabe = QStringLiteral("1,5");
    auftrag.Eintraege = &liste;
    auftrag.Quellindex = 500;
    for (auto _ : state) {
        Umrechnungsergebnis r = Umrechnen(auftrag);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_Umrechnen_1000_Einheiten)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace
