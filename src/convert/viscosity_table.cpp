#include "convert/viscosity_table.h"

#include "convert/numbers.h"
#include "database/datafile.h"
#include "database/folders.h"
#include "database/keys.h"
#include "database/tokens.h"

namespace talvero {
namespace {

constexpr int Kopfzeilen = 4;

QString Fehlerhaft(int Zeile) {
    return QStringLiteral("Die Viskositätstabelle %1 ist fehlerhaft (Zeile %2).")
        .arg(Programmordner_Datei(Viskositaetsdatei_Name()))
        .arg(Zeile);
}

} // namespace

std::expected<Viskositaetstabelle, QString>
Viskositaetstabelle_aus_Zeilen(const QStringList& Zeilen) {
    Viskositaetstabelle tabelle;
    for (qsizetype i = Kopfzeilen; i < Zeilen.size(); ++i) {
        const QString& zeile = Zeilen.at(i);
        if (zeile.trimmed().isEmpty())
            continue;
        std::array<double, 4> werte{};
        for (int feld = 0; feld < 4; ++feld) {
            const auto x = Zahl_lesen(GetToken(zeile, QStringLiteral("\t"), feld + 1).trimmed());
            if (!x)
                return std::unexpected(Fehlerhaft(int(i) + 1));
            werte[feld] = static_cast<double>(*x);
            // Interpolation needs every column strictly ascending from (0, 0).
            const double vorher = tabelle.empty() ? 0.0 : tabelle.back()[feld];
            if (!(werte[feld] > vorher))
                return std::unexpected(Fehlerhaft(int(i) + 1));
        }
        tabelle.push_back(werte);
    }
    if (tabelle.size() < 2)
        return std::unexpected(Fehlerhaft(int(Zeilen.size())));
    return tabelle;
}

std::expected<Viskositaetstabelle, QString> Viskositaetstabelle_lesen() {
    const auto zeilen = Datei_oeffnen_und_entschluesseln(
        Programmordner_Datei(Viskositaetsdatei_Name()), Schluessel1());
    if (!zeilen)
        return std::unexpected(zeilen.error());
    return Viskositaetstabelle_aus_Zeilen(*zeilen);
}

double Tabellenwert(const Viskositaetstabelle& Tabelle, int von, int nach, double y) {
    std::size_t k = 0;
    while (k < Tabelle.size() && !(Tabelle[k][von] > y)) {
        if (Tabelle[k][von] == y)
            return Tabelle[k][nach];
        ++k;
    }
    if (k == Tabelle.size())
        k = Tabelle.size() - 1;
    const double unten_x = k == 0 ? 0.0 : Tabelle[k - 1][von];
    const double unten_y = k == 0 ? 0.0 : Tabelle[k - 1][nach];
    return Ipo(unten_y, Tabelle[k][nach], unten_x, Tabelle[k][von], y);
}

} // namespace talvero
