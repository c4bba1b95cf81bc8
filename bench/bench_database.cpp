#include "database/container.h"
#include "database/keys.h"
#include "database/records.h"
#include "database/textcodec.h"

#include <benchmark/benchmark.h>

using namespace talvero;

namespace {

// A realistic unit line of about 150 bytes.
QString unitLine(int i) {
    return QStringLiteral("j\tn\t\t1\tDeutschland-Preußen\t1\tft\tFuß Nummer %1\t0,31385\tSchuh\t"
                          "foot\tHandwerk\t1 Fuß = 12 Zoll\t0,31385 m\tBerlin\tj\t1816-1872\tj\t"
                          "Preußischer Fuß****nach dem Gesetz von 1816")
        .arg(i);
}

void BM_Schluesselableitung(benchmark::State& state) {
    // An empty payload leaves only the key derivation and the check.
    const QByteArray key = toAnsi(Schluessel1());
    const QByteArray sealed = container::verschluesseln({}, key);
    for (auto _ : state)
        benchmark::DoNotOptimize(container::entschluesseln(sealed, key));
}
BENCHMARK(BM_Schluesselableitung)->Unit(benchmark::kMillisecond);

void BM_Datei_1000_Zeilen_lesen(benchmark::State& state) {
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
        lines << unitLine(i);
    const QByteArray key = toAnsi(Schluessel1());
    const QByteArray sealed = container::verschluesseln(Textzeilen_schreiben(lines), key);
    for (auto _ : state) {
        const QStringList plain = Textzeilen_lesen(container::entschluesseln(sealed, key).value());
        std::vector<Typ_Ausgabetext> units;
        units.reserve(plain.size());
        for (const QString& line : plain)
            units.push_back(Ausgabetext_aus_Zeile(line));
        benchmark::DoNotOptimize(units);
    }
    state.SetBytesProcessed(state.iterations() * sealed.size());
}
BENCHMARK(BM_Datei_1000_Zeilen_lesen)->Unit(benchmark::kMillisecond);

} // namespace
