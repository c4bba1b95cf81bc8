#include "database/areatable.h"

#include "database/datafile.h"
#include "database/folders.h"
#include "database/keys.h"
#include "database/tokens.h"

#include <QDir>

namespace talvero {

std::expected<std::vector<Typ_GruppenInfo>, QString> Gebiete_laden() {
    const auto lines = Textdatei_lesen(Datenordner_Datei(Gebietstabelle_Name()));
    if (!lines)
        return std::unexpected(lines.error());
    std::vector<Typ_GruppenInfo> areas;
    areas.reserve(lines->size());
    for (const QString& line : *lines)
        areas.push_back(GruppenInfo_aus_Zeile(line));
    return areas;
}

namespace {

// A file name from the area table must stay inside the data folder.
bool Dateiname_zulaessig(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && name != u".." &&
           name != u"." && !name.contains(QChar(0));
}

} // namespace

std::expected<QStringList, QString> Datendatei_lesen(const QString& Dateiname) {
    const QString path = Datenordner_Datei(Dateiname + Datendatei_Endung());
    if (!Dateiname_zulaessig(Dateiname))
        return std::unexpected(QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.")
                                   .arg(QDir::toNativeSeparators(path)));
    return Datei_oeffnen_und_entschluesseln(path, Schluessel1());
}

std::expected<void, QString> Gebiete_speichern(const std::vector<Typ_GruppenInfo>& Gruppeninfos) {
    QStringList lines;
    for (const Typ_GruppenInfo& g : Gruppeninfos)
        lines.append(g.Gebietname + u'\t' + g.Dateiname + u'\t' + g.Grundeinheit);
    return Textdatei_schreiben(lines, Datenordner_Datei(Gebietstabelle_Name()));
}

std::expected<QString, QString> Gebiet_Infos_einlesen() {
    const auto lines = Textdatei_lesen(Datenordner_Datei(Gebietinfo_Name()));
    if (!lines)
        return std::unexpected(lines.error());
    QString text;
    for (const QString& line : *lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QString Gebiet_Info(const QString& GebietInfoString, int i) {
    return GetToken(GebietInfoString, QStringLiteral("*"), i);
}

QStringList Gebiet_Infos_als_Zeilen(const QString& GebietInfoString, int Anzahl_Gebiete) {
    QStringList entries;
    for (int i = 1; i <= Anzahl_Gebiete; ++i) {
        QString block = Gebiet_Info(GebietInfoString, i);
        block.chop(2);
        if (i > 1)
            block.remove(0, 2);
        entries.append(block);
        entries.append(QStringLiteral("*"));
    }
    // A block of several lines keeps its inner CR LF and becomes several lines.
    QStringList lines;
    for (const QString& entry : entries)
        lines.append(entry.split(QStringLiteral("\r\n")));
    return lines;
}

std::expected<void, QString> Gebiet_Infos_speichern(const QString& GebietInfoString,
                                                    int Anzahl_Gebiete) {
    return Textdatei_schreiben(Gebiet_Infos_als_Zeilen(GebietInfoString, Anzahl_Gebiete),
                               Datenordner_Datei(Gebietinfo_Name()));
}

} // namespace talvero
