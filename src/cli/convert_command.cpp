#include "cli/commands.h"

#include "convert/dispatch.h"

namespace talvero::cli {

int Befehl_convert(const QStringList& given, Ausgabe& io) {
    QStringList args = given;
    bool ok = true;
    const QString land = Option_nehmen(args, QStringLiteral("--country"), ok);
    const bool wissenschaftlich = Schalter_nehmen(args, QStringLiteral("--scientific"));
    const bool leichter = Schalter_nehmen(args, QStringLiteral("--lighter"));
    const bool schwerer = Schalter_nehmen(args, QStringLiteral("--heavier"));
    if (!ok || args.size() != 3 || (leichter && schwerer))
        return Falscher_Aufruf;
    const QString& einheit = args.at(1);

    const auto datei = Gebietsdatei_lesen(args.at(0));
    if (!datei) {
        io.err << datei.error() << '\n';
        return Fehler;
    }
    // Every line of the file in file order, nothing hidden; the line index is the
    // position the special areas go by.
    ObjektListe eintraege;
    eintraege.reserve(datei->Zeilen.size());
    for (qsizetype i = 0; i < datei->Zeilen.size(); ++i)
        eintraege.push_back({Ausgabetext_aus_Zeile(datei->Zeilen.at(i)), qint32(i), {}, {}});

    const auto quelle = std::ranges::find_if(eintraege, [&](const TAusgabetextobject& e) {
        return e.Ausgabetext.Einheit == einheit &&
               (land.isNull() || e.Ausgabetext.Land_Name == land);
    });
    if (quelle == eintraege.end()) {
        io.err << (land.isNull()
                       ? QStringLiteral("Die Einheit \"%1\" gibt es im Gebiet \"%2\" nicht.")
                             .arg(einheit, datei->Gebiet.Gebietname)
                       : QStringLiteral("Die Einheit \"%1\" (%2) gibt es im Gebiet \"%3\" nicht.")
                             .arg(einheit, land, datei->Gebiet.Gebietname))
               << '\n';
        return Fehler;
    }

    Umrechnungsauftrag auftrag;
    auftrag.Gebietname = datei->Gebiet.Gebietname;
    auftrag.Eingabe = args.at(2);
    auftrag.Eintraege = &eintraege;
    auftrag.Quellindex = int(quelle - eintraege.begin());
    if (leichter || schwerer)
        auftrag.Leichter_als_Wasser = leichter;
    const Umrechnungsergebnis ergebnis = Umrechnen(auftrag);

    for (const Meldung& m : ergebnis.Meldungen)
        io.err << m.text << '\n';
    if (!ergebnis.Berechnet)
        return Fehler;
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        const Typ_Ausgabetext& t = eintraege[i].Ausgabetext;
        const Ergebnispaar& p = ergebnis.Ergebnisse.at(i);
        io.out << t.Einheit << '\t' << t.Land_Name << '\t'
               << (wissenschaftlich ? p.wiss.text() : p.fliess.text()) << '\n';
    }
    return Erfolg;
}

} // namespace talvero::cli
