#include "database/loader.h"

#include "database/areatable.h"
#include "database/ordering.h"

#include <QSet>

namespace talvero {
namespace {

Meldung Reparaturmeldung(const QString& Gebietname) {
    return {Meldungsart::Schlicht,
            QStringLiteral("Ein anderer Anwender hat Einheiten in der Datendatei des Gebietes ") +
                Gebietname + QStringLiteral(" entweder gelöscht oder ") +
                QStringLiteral("neu hinzugefügt. Ihre ausgeblendeten Einheiten mussten daher "
                               "zurückgesetzt werden."),
            {}};
}

} // namespace

Ladeergebnis Werte_Datei_in_ObjektListe(const Ladeauftrag& auftrag, Ausblendungen& ausblendungen) {
    Ladeergebnis ergebnis;
    const QString& gebiet = auftrag.Gebiet.Gebietname;
    const QString& datei = auftrag.Gebiet.Dateiname;

    const auto gelesen = Datendatei_lesen(datei);
    if (!gelesen) {
        ergebnis.Meldungen.push_back({Meldungsart::Fehler,
                                      QStringLiteral("Die Datei ") + datei +
                                          QStringLiteral(" konnte nicht geöffnet werden!"),
                                      {}});
        return ergebnis;
    }
    const QStringList& zeilen = *gelesen;
    const auto count = static_cast<int>(zeilen.size());
    ergebnis.Anzahl_Saetze_in_Datei = count;

    QString* liste = Versteckliste(ausblendungen, gebiet);
    if (liste && !liste->isEmpty() && liste->size() != count) {
        liste->clear();
        ergebnis.Meldungen.push_back(Reparaturmeldung(gebiet));
    }
    if (liste && liste->isEmpty() && count >= 1)
        *liste = QString(count, u'1');

    const bool nachLand = Gebiet_mit_Ausblendung(gebiet);
    QSet<QString> angezeigt;
    if (nachLand)
        for (const QString& land : auftrag.Angezeigte_Laender)
            angezeigt.insert(land.toCaseFolded());

    ergebnis.Eintraege.reserve(zeilen.size());
    const QString tab(u'\t');
    for (int i = 0; i < count; ++i) {
        const QString& zeile = zeilen[i];
        bool versteckt = false;
        if (nachLand) {
            const QString land = zeile.section(tab, 4, 4);
            if (!angezeigt.contains(land.toCaseFolded())) {
                versteckt = true;
                ++ergebnis.Anzahl_Ausblendungen_wegen_Land;
            }
        }
        if (liste && liste->at(i) != u'1') {
            ++ergebnis.Anzahl_Ausblendungen_normal;
            if (!auftrag.ausgeblendete_trotzdem_anzeigen)
                versteckt = true;
        }
        if (versteckt)
            continue;
        TAusgabetextobject eintrag;
        eintrag.Ausgabetext = Ausgabetext_aus_Zeile(zeile);
        eintrag.Position_in_Datei = i;
        ergebnis.Eintraege.push_back(std::move(eintrag));
    }
    Sortierung_nach_Laden(ergebnis.Eintraege, auftrag.ESortierung, gebiet);
    return ergebnis;
}

Meldung Leere_Liste_Meldung() {
    return {Meldungsart::Information,
            QStringLiteral("Die Einheiten-Liste enthält keine Einträge! Es sind entweder alle "
                           "Einheiten oder alle Länder ausgeblendet oder die Datendatei konnte "
                           "nicht geöffnet werden."),
            {}};
}

} // namespace talvero
