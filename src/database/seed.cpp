#include "database/seed.h"

#include "database/atomicfile.h"
#include "database/folders.h"

#include <QDir>
#include <QFileInfo>

namespace talvero {

std::expected<bool, QString> Datenordner_einrichten() {
    const QString folder = Datenordner();
    if (QFileInfo::exists(folder + Gebietstabelle_Name()))
        return false;
    const QString source = Standarddatenbank_Ordner();
    const QDir sourceDir(source);
    if (!sourceDir.exists(Gebietstabelle_Name()))
        return std::unexpected(
            QStringLiteral("Die mitgelieferte Einheitendatenbank wurde nicht gefunden (%1).")
                .arg(QDir::toNativeSeparators(source)));
    if (!QDir().mkpath(folder))
        return std::unexpected(
            QStringLiteral("Der Datenordner \"%1\" konnte nicht angelegt werden.")
                .arg(QDir::toNativeSeparators(folder)));
    Datenordner_Sperre lock(folder);
    if (!lock.gesperrt())
        return std::unexpected(Datenordner_Sperre::Meldungstext());
    if (QFileInfo::exists(folder + Gebietstabelle_Name()))
        return false; // another copy seeded it meanwhile
    // The area table comes last, so that a folder with a table is always complete.
    QStringList files = sourceDir.entryList(QDir::Files, QDir::Name);
    files.removeAll(Gebietstabelle_Name());
    files.append(Gebietstabelle_Name());
    for (const QString& name : files) {
        const auto bytes = Datei_lesen(source + name);
        if (!bytes)
            return std::unexpected(bytes.error());
        if (QFileInfo::exists(folder + name) && name != Gebietstabelle_Name())
            continue; // never overwrite what a user already has
        const auto written = Datei_atomar_schreiben(folder + name, *bytes);
        if (!written)
            return std::unexpected(written.error());
    }
    return true;
}

} // namespace talvero
