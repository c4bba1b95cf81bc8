#include "calendar/perpetual.h"

#include "calendar/calendars.h"
#include "calendar/datecheck.h"
#include "calendar/easter.h"

namespace talvero {
namespace {

Kalenderantwort fehler(const QString& text, const QString& fokus) {
    return {{}, Meldung{Meldungsart::Fehler, text, fokus}};
}

// Numbers beyond 32 bits are refused with the span that can be computed.
QString jahresbereich() {
    return QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! Es können nur Jahre "
                          "von -2147483648 bis 2147483647 berechnet werden.");
}

} // namespace

QString Wochentag_Name(qint64 J) {
    static const char16_t* const namen[7] = {u"Sonntag",    u"Montag",  u"Dienstag", u"Mittwoch",
                                             u"Donnerstag", u"Freitag", u"Samstag"};
    // Floored, so that the days before day 0 (01.01.-4713) get their names too.
    return QString::fromUtf16(namen[Rest_abgerundet(J + 1, 7)]);
}

Kalenderantwort Wochentag_ermitteln(const QString& Datum) {
    const QString feld = QStringLiteral("Edit1");
    switch (Datum_pruefen(Datum, 31, 12)) {
    case Pruefergebnis::Leer:
        return {};
    case Pruefergebnis::Falsch:
        return fehler(Datumsform_Meldung(true), feld);
    case Pruefergebnis::Zu_gross:
    case Pruefergebnis::Zu_klein:
        return fehler(jahresbereich(), feld);
    case Pruefergebnis::Gut:
        break;
    }
    if (Abendlaendisch_fehlender_Tag(Datum))
        return fehler(Fehlender_Tag_Meldung(), feld);
    const Tagesnummer J = Abendlaendisch_zu_JD(Datum);
    if (!J)
        return fehler(J.error() == Zahlfehler::Keine_Zahl
                          ? QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte "
                                           "geben Sie das Datum in der folgenden Form ein: "
                                           "20.03.1850 oder 20.03.-1000")
                          : jahresbereich(),
                      feld);
    return {{QStringLiteral("Wochentag = ") + Wochentag_Name(*J)}, {}};
}

Kalenderantwort Feiertage_ermitteln(const QString& Jahr, bool Julianisch) {
    if (Jahr.isEmpty())
        return {};
    const QString feld = QStringLiteral("Edit2");
    const auto jahr = Ganzzahl_lesen(Jahr);
    if (!jahr)
        return fehler(jahr.error() == Zahlfehler::Keine_Zahl
                          ? QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte "
                                           "geben Sie das Jahr in der folgenden Form ein: 1850 "
                                           "oder -1000.")
                          : jahresbereich(),
                      feld);
    if (*jahr <= 1582 && !Julianisch)
        return fehler(QStringLiteral("Der gregorianische Kalender kann erst ab dem Jahre 1583 "
                                     "berechnet werden. Bitte wählen Sie für frühere Daten den "
                                     "Julianischen Kalender!"),
                      {});
    if (*jahr <= 531)
        return fehler(QStringLiteral("Das Osterfest und damit die Feiertage können erst ab dem "
                                     "Jahre 532 berechnet werden, nachdem Dionysius Exiguus die "
                                     "sog. Ostertafeln veröffentlicht hatte. Vor dieser Zeit war "
                                     "das Datum des Osterfestes regional unterschiedlich."),
                      {});

    const QString ostern = Julianisch ? Ostern_julianisch(*jahr) : Ostern_gregorianisch(*jahr);
    const auto zuJD = Julianisch ? Julianisch_zu_JD : Gregorianisch_zu_JD;
    const auto vonJD = Julianisch ? JD_zu_Julianisch : JD_zu_Gregorianisch;
    // The year was read above, so the Easter date text always reads.
    const qint64 J = zuJD(ostern + Jahr).value();
    return {{
                QStringLiteral("Fastnachtsdienstag am ") + vonJD(J - 47),
                QStringLiteral("Aschermittwoch am ") + vonJD(J - 46),
                QStringLiteral("Ostersonntag am ") + ostern + Jahr,
                QStringLiteral("Christi Himmelfahrt am ") + vonJD(J + 39),
                QStringLiteral("Pfingstsonntag am ") + vonJD(J + 49),
                QStringLiteral("Fronleichnam am ") + vonJD(J + 60),
            },
            {}};
}

} // namespace talvero
