#include "test_env.h"

#include "database/datafile.h"
#include "database/keys.h"

#include <QDir>
#include <stdexcept>

namespace talvero::test {

Testumgebung::Testumgebung()
    : oldData_(qgetenv("TALVERO_DATA_ROOT")), oldConfig_(qgetenv("XDG_CONFIG_HOME")),
      oldProgram_(qgetenv("TALVERO_PROGRAM_DIR")) {
    QDir().mkpath(datenroot());
    QDir().mkpath(programmordner());
    QDir().mkpath(einstellungen());
    qputenv("TALVERO_DATA_ROOT", datenroot().toUtf8());
    qputenv("XDG_CONFIG_HOME", einstellungen().toUtf8());
    qputenv("TALVERO_PROGRAM_DIR", programmordner().toUtf8());
}

Testumgebung::~Testumgebung() {
    qputenv("TALVERO_DATA_ROOT", oldData_);
    qputenv("XDG_CONFIG_HOME", oldConfig_);
    qputenv("TALVERO_PROGRAM_DIR", oldProgram_);
}

void Testumgebung::Datenordner_schreiben(
    const QStringList& gebietstabelle, const QStringList& infozeilen,
    const QList<std::pair<QString, QStringList>>& dateien) const {
    QDir().mkpath(datenordner());
    auto must = [](const std::expected<void, QString>& r) {
        if (!r)
            throw std::runtime_error(r.error().toStdString());
    };
    must(Textdatei_schreiben(gebietstabelle, datenordner() + QStringLiteral("_GRUPPEN.NFO1")));
    must(Textdatei_schreiben(infozeilen, datenordner() + QStringLiteral("Gebiet.nfo1")));
    for (const auto& [name, lines] : dateien)
        must(Datei_verschluesseln_und_speichern(
            lines, datenordner() + name + QStringLiteral(".DAT1"), Schluessel1()));
}

QString Einheitenzeile(const QString& einheit, const QString& faktor, const QString& land,
                       const QString& kurzzeichen) {
    QStringList f(19);
    f[0] = QStringLiteral("j");
    f[1] = QStringLiteral("n");
    f[3] = QStringLiteral("1");
    f[4] = land;
    f[5] = QStringLiteral("1");
    f[6] = kurzzeichen;
    f[7] = einheit;
    f[8] = faktor;
    f[15] = QStringLiteral("n");
    f[17] = QStringLiteral("n");
    return f.join(u'\t');
}

} // namespace talvero::test
