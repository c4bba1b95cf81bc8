#pragma once

// Unit lists and conversion calls for the conversion tests.
#include "convert/dispatch.h"
#include "database/records.h"
#include "database/textcodec.h"

#include "test_env.h"

#include <QFile>
#include <QStringList>
#include <optional>

namespace talvero::test {

// One unit with the fields the conversions look at.
inline TAusgabetextobject Eintrag(const QString& einheit, long double mult, qint32 position,
                                  const QString& land = QStringLiteral("SI-Einheit"),
                                  const QString& entspricht = {}) {
    TAusgabetextobject e;
    e.Ausgabetext.Einheit = einheit;
    e.Ausgabetext.Mult = mult;
    e.Ausgabetext.Land_Name = land;
    e.Ausgabetext.entspricht = entspricht;
    e.Position_in_Datei = position;
    return e;
}

// Units named by their line positions 0, 1, 2, … with factor 1.
inline ObjektListe Einheiten(const QStringList& namen) {
    ObjektListe liste;
    for (qsizetype i = 0; i < namen.size(); ++i)
        liste.push_back(Eintrag(namen[i], 1, qint32(i)));
    return liste;
}

// The units of a shipped area, every line in file order (data/database/NAME.tsv).
inline ObjektListe Mitgelieferte_Einheiten(const QString& datei) {
    QFile f(QStringLiteral(TALVERO_SOURCE_DIR "/data/database/") + datei + u".tsv"_qs);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QStringList zeilen = Textzeilen_lesen(QByteArray("\xEF\xBB\xBF") + f.readAll());
    ObjektListe liste;
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        liste.push_back({Ausgabetext_aus_Zeile(zeilen[i]), qint32(i), {}, {}});
    return liste;
}

// Puts the built viscosity table into the test's program folder.
inline bool Viskositaetstabelle_bereitstellen(const Testumgebung& env) {
    return QFile::copy(QStringLiteral(TALVERO_BUILD_PROGRAM_DIR "/STOFFW12.NFO1"),
                       env.programmordner() + u"STOFFW12.NFO1"_qs);
}

inline Umrechnungsergebnis Rechnen(const QString& gebiet, const ObjektListe& liste, int quelle,
                                   const QString& eingabe,
                                   std::optional<bool> leichter = std::nullopt) {
    Umrechnungsauftrag auftrag;
    auftrag.Gebietname = gebiet;
    auftrag.Eingabe = eingabe;
    auftrag.Eintraege = &liste;
    auftrag.Quellindex = quelle;
    auftrag.Leichter_als_Wasser = leichter;
    return Umrechnen(auftrag);
}

inline QStringList Festkomma(const Umrechnungsergebnis& r) {
    QStringList texte;
    for (const Ergebnispaar& p : r.Ergebnisse)
        texte << p.fliess.text();
    return texte;
}

inline QStringList Wissenschaftlich(const Umrechnungsergebnis& r) {
    QStringList texte;
    for (const Ergebnispaar& p : r.Ergebnisse)
        texte << p.wiss.text();
    return texte;
}

// The one message of a conversion that stopped, or the empty text.
inline QString Meldungstext(const Umrechnungsergebnis& r) {
    return r.Meldungen.empty() ? QString() : r.Meldungen.front().text;
}

inline const QString Eingabefehler_Text =
    QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! ");

} // namespace talvero::test
