#include "shipped_db.h"

#include "database/datafile.h"
#include "database/keys.h"

namespace talvero::test {
namespace {

const QString kProgram = QStringLiteral(TALVERO_BUILD_PROGRAM_DIR "/");

} // namespace

std::vector<Ausgeliefertes_Gebiet> Ausgelieferte_Gebiete() {
    std::vector<Ausgeliefertes_Gebiet> areas;
    const auto table = Textdatei_lesen(kProgram + QStringLiteral("default/_GRUPPEN.NFO1"));
    if (!table)
        return areas;
    for (const QString& line : *table) {
        Ausgeliefertes_Gebiet a{GruppenInfo_aus_Zeile(line), {}};
        const auto lines = Datei_oeffnen_und_entschluesseln(
            kProgram + QStringLiteral("default/") + a.gruppe.Dateiname + QStringLiteral(".DAT1"),
            Schluessel1());
        if (lines)
            a.zeilen = *lines;
        areas.push_back(a);
    }
    return areas;
}

QStringList Ausgelieferte_Laender() {
    return Datei_oeffnen_und_entschluesseln(kProgram + QStringLiteral("LAENDER.NFO1"),
                                            Schluessel1())
        .value_or(QStringList{});
}

bool Sondergebiet_mit_festen_Positionen(const QString& gebiet) {
    static const QStringList fixed = {QStringLiteral("Temperatur"),
                                      QStringLiteral("Kalender"),
                                      QStringLiteral("Brüche"),
                                      QStringLiteral("Zahlensysteme"),
                                      QStringLiteral("Schuhgrößen"),
                                      QStringLiteral("Aräometerskalen"),
                                      QStringLiteral("Viskosität, kinem. alt")};
    return fixed.contains(gebiet);
}

} // namespace talvero::test
