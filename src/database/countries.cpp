#include "database/countries.h"

#include "database/datafile.h"
#include "database/folders.h"
#include "database/keys.h"
#include "database/tokens.h"

#include <QSet>

namespace talvero {

Laenderlisten Laenderlisten_aus_Zeilen(const QStringList& lines) {
    const QString tab(u'\t');
    Laenderlisten listen;
    listen.Alle_Laender.reserve(lines.size());
    for (const QString& line : lines) {
        const QString name = GetToken(line, tab, 1);
        listen.Alle_Laender.append(name);
        if (GetToken(line, tab, 4) == u"j")
            listen.Laender_in_Datenbank.append(name);
    }
    return listen;
}

std::expected<Laenderlisten, QString> Laenderdatei_lesen() {
    const auto lines =
        Datei_oeffnen_und_entschluesseln(Programmordner_Datei(Laenderdatei_Name()), Schluessel1());
    if (!lines)
        return std::unexpected(lines.error());
    return Laenderlisten_aus_Zeilen(*lines);
}

void Listen_aktualisieren(Laenderlisten& listen, QString& Reg_Laender) {
    const auto n = listen.Alle_Laender.size();
    if (Reg_Laender.size() < n)
        Reg_Laender += QString(n - Reg_Laender.size(), u'1');
    listen.Angezeigte_Laender.clear();
    listen.Ausgeblendete_Laender.clear();
    const QSet<QString> inDatenbank(listen.Laender_in_Datenbank.cbegin(),
                                    listen.Laender_in_Datenbank.cend());
    for (qsizetype i = 0; i < n; ++i) {
        const QString& land = listen.Alle_Laender[i];
        if (!inDatenbank.contains(land))
            continue;
        if (Reg_Laender[i] == u'1')
            listen.Angezeigte_Laender.append(land);
        else if (Reg_Laender[i] == u'0')
            listen.Ausgeblendete_Laender.append(land);
    }
}

} // namespace talvero
