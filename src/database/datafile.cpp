#include "database/datafile.h"

#include "database/atomicfile.h"
#include "database/container.h"
#include "database/textcodec.h"

#include <QDir>

namespace talvero {

std::expected<QStringList, QString> Datei_oeffnen_und_entschluesseln(const QString& Dateiname,
                                                                     const QString& Schluessel) {
    const auto bytes = Datei_lesen(Dateiname);
    if (!bytes)
        return std::unexpected(bytes.error());
    const auto plain = container::entschluesseln(*bytes, toAnsi(Schluessel));
    if (!plain)
        return std::unexpected(
            QStringLiteral("Die Datei \"%1\" ist beschädigt oder keine Talvero-Datendatei.")
                .arg(QDir::toNativeSeparators(Dateiname)));
    return Textzeilen_lesen(*plain);
}

std::expected<void, QString> Datei_verschluesseln_und_speichern(const QStringList& SourceList,
                                                                const QString& Dateiname,
                                                                const QString& Schluessel) {
    return Datei_atomar_schreiben(
        Dateiname, container::verschluesseln(Textzeilen_schreiben(SourceList), toAnsi(Schluessel)));
}

std::expected<QStringList, QString> Textdatei_lesen(const QString& path) {
    const auto bytes = Datei_lesen(path);
    if (!bytes)
        return std::unexpected(bytes.error());
    return Textzeilen_lesen(*bytes);
}

std::expected<void, QString> Textdatei_schreiben(const QStringList& lines, const QString& path) {
    return Datei_atomar_schreiben(path, Textzeilen_schreiben(lines));
}

} // namespace talvero
