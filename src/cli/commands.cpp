#include "cli/commands.h"

#include "database/areatable.h"
#include "database/atomicfile.h"
#include "database/datafile.h"
#include "database/folders.h"
#include "database/keys.h"
#include "database/records.h"
#include "database/textcodec.h"

namespace talvero::cli {

QString Option_nehmen(QStringList& args, const QString& name, bool& ok) {
    const qsizetype i = args.indexOf(name);
    if (i < 0)
        return {};
    if (i + 1 >= args.size()) {
        ok = false;
        args.removeAt(i);
        return {};
    }
    const QString value = args.at(i + 1);
    args.remove(i, 2);
    return value;
}

bool Schalter_nehmen(QStringList& args, const QString& name) {
    return args.removeAll(name) > 0;
}

int Befehl_areas(const QStringList& args, Ausgabe& io) {
    if (!args.isEmpty())
        return Falscher_Aufruf;
    const auto areas = Gebiete_laden();
    if (!areas) {
        io.err << areas.error() << '\n';
        return Fehler;
    }
    for (const Typ_GruppenInfo& g : *areas)
        io.out << g.Gebietname << '\t' << g.Dateiname << '\t' << g.Grundeinheit << '\n';
    return Erfolg;
}

std::expected<Gebietsdatei, QString> Gebietsdatei_lesen(const QString& Gebietname) {
    const auto areas = Gebiete_laden();
    if (!areas)
        return std::unexpected(areas.error());
    const auto area = std::ranges::find(*areas, Gebietname, &Typ_GruppenInfo::Gebietname);
    if (area == areas->end())
        return std::unexpected(QStringLiteral("Das Gebiet \"%1\" gibt es nicht.").arg(Gebietname));
    auto lines = Datendatei_lesen(area->Dateiname);
    if (!lines)
        return std::unexpected(lines.error());
    return Gebietsdatei{*area, std::move(*lines)};
}

int Befehl_units(const QStringList& args, Ausgabe& io) {
    if (args.size() != 1)
        return Falscher_Aufruf;
    const auto datei = Gebietsdatei_lesen(args.first());
    if (!datei) {
        io.err << datei.error() << '\n';
        return Fehler;
    }
    for (const QString& line : datei->Zeilen) {
        const Typ_Ausgabetext unit = Ausgabetext_aus_Zeile(line);
        io.out << unit.Einheit << '\t' << unit.Land_Name << '\t' << unit.Kurzzeichen << '\n';
    }
    return Erfolg;
}

int Befehl_data(const QStringList& given, Ausgabe& io) {
    QStringList args = given;
    bool ok = true;
    QString key = Option_nehmen(args, QStringLiteral("--key"), ok);
    if (!ok || args.isEmpty())
        return Falscher_Aufruf;
    if (key.isNull())
        key = Schluessel1();
    const QString verb = args.takeFirst();
    if (verb == u"decrypt" && args.size() == 1) {
        const auto lines = Datei_oeffnen_und_entschluesseln(args.first(), key);
        if (!lines) {
            io.err << lines.error() << '\n';
            return Fehler;
        }
        for (const QString& line : *lines)
            io.out << line << '\n';
        return Erfolg;
    }
    if (verb == u"encrypt" && args.size() == 2) {
        const auto bytes = Datei_lesen(args.at(0));
        if (!bytes) {
            io.err << bytes.error() << '\n';
            return Fehler;
        }
        // The input is UTF-8; a byte-order mark is allowed.
        QByteArray utf8 = *bytes;
        if (!utf8.startsWith("\xEF\xBB\xBF") && !utf8.startsWith("\xFF\xFE") &&
            !utf8.startsWith("\xFE\xFF"))
            utf8.prepend("\xEF\xBB\xBF");
        const auto written =
            Datei_verschluesseln_und_speichern(Textzeilen_lesen(utf8), args.at(1), key);
        if (!written) {
            io.err << written.error() << '\n';
            return Fehler;
        }
        return Erfolg;
    }
    return Falscher_Aufruf;
}

} // namespace talvero::cli
