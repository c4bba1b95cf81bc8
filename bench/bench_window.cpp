#include "app/mainwindow.h"
#include "app/messages.h"
#include "database/datafile.h"
#include "database/folders.h"
#include "database/keys.h"
#include "database/loader.h"
#include "database/ordering.h"
#include "database/seed.h"
#include "database/settings.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace talvero;

namespace {

// A hermetic data root and settings folder with the shipped database and one area of
// 1000 units of 40 countries, for the whole benchmark program.
struct Umgebung {
    QTemporaryDir root;
    Meldungsrekorder rekorder;
    int grossesGebiet = 0;

    Umgebung() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "talvero_bench_window";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        qputenv("TALVERO_DATA_ROOT", root.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toUtf8());
        qputenv("TALVERO_PROGRAM_DIR", TALVERO_BUILD_PROGRAM_DIR);
        meldungsdienst_installieren(&rekorder);
        if (!Datenordner_einrichten())
            qFatal("the shipped database is missing");

        QStringList lines;
        QStringList countries;
        for (int c = 0; c < 40; ++c)
            countries << QStringLiteral("Land %1").arg(c);
        for (int i = 0; i < 1000; ++i) {
            // Names and factors in no order, so that every ordering has work to do.
            const int k = (i * 7919) % 1000;
            lines << QStringLiteral("j\tn\t\t1\t%1\t1\tx%2\tEinheit %2 Ärmel\t%3\tauch\tunit\t"
                                    "Handel\t1 E = 2 F\tca. 1\tBerlin\tn\t1800-1900\tn\tText")
                         .arg(countries[i % 40])
                         .arg(k)
                         .arg(0.001 * (k + 1));
        }
        auto written = Datei_verschluesseln_und_speichern(
            lines, Datenordner_Datei(QStringLiteral("GROSS.DAT1")), Schluessel1());
        auto table = Textdatei_lesen(Datenordner_Datei(Gebietstabelle_Name()));
        if (!written || !table)
            qFatal("cannot write the benchmark area");
        table->append(QStringLiteral("Großes Gebiet\tGROSS\tEinheit"));
        grossesGebiet = static_cast<int>(table->size()) - 1;
        if (!Textdatei_schreiben(*table, Datenordner_Datei(Gebietstabelle_Name())))
            qFatal("cannot write the area table");

        // A complete store, so that no message waits at start-up.
        Einstellungen e;
        e.HF_Left = e.HF_Top = 0;
        e.HF_Height = 600;
        Registry_schreiben(e);
    }
};

Umgebung& umgebung() {
    static Umgebung u;
    return u;
}

std::unique_ptr<TMyWindow> starten() {
    auto w = std::make_unique<TMyWindow>();
    w->show();
    while (w->Objekte().empty())
        QCoreApplication::processEvents();
    return w;
}

// From creating the window until it shows the first area's units.
void BM_Start(benchmark::State& state) {
    umgebung();
    for (auto _ : state) {
        auto w = starten();
        benchmark::DoNotOptimize(w->Objekte().size());
        state.PauseTiming();
        w.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Start)->Unit(benchmark::kMillisecond);

// Switching to the area of 1000 units in each order: 0 file order, 1 country, 2 size.
void BM_Gebietswechsel_1000(benchmark::State& state) {
    Umgebung& u = umgebung();
    auto w = starten();
    auto* box = w->findChild<QComboBox*>(QStringLiteral("ComboBox2"));
    switch (state.range(0)) {
    case 1:
        w->EinheitensortierungnachLand1Click();
        break;
    case 2:
        w->EinheitensortierungnachGre1Click();
        break;
    default:
        w->EinheitensortierungnachAlphabet1Click();
        break;
    }
    for (auto _ : state) {
        state.PauseTiming();
        box->setCurrentIndex(0);
        w->ComboBox2Change();
        box->setCurrentIndex(u.grossesGebiet);
        state.ResumeTiming();
        w->ComboBox2Change();
    }
    if (w->Objekte().size() != 1000)
        state.SkipWithError("the area did not load");
    state.SetLabel(w->sortierung().toStdString());
}
BENCHMARK(BM_Gebietswechsel_1000)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The core part of the switch: reading, hiding and ordering, without the widgets.
void BM_Laden_1000(benchmark::State& state) {
    umgebung();
    const QString orders[] = {Sortierung_Alphabet(), Sortierung_Land(), Sortierung_Groesse()};
    const Ladeauftrag auftrag{{QStringLiteral("Großes Gebiet"), QStringLiteral("GROSS"), {}},
                              {},
                              false,
                              orders[state.range(0)]};
    Ausblendungen a;
    for (auto _ : state)
        benchmark::DoNotOptimize(Werte_Datei_in_ObjektListe(auftrag, a).Eintraege.size());
    state.SetLabel(orders[state.range(0)].toStdString());
}
BENCHMARK(BM_Laden_1000)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
