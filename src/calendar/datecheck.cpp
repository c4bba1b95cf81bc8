#include "calendar/datecheck.h"

#include "calendar/calendars.h"

namespace talvero {
namespace {

// A day or a month: a whole number in 1 .. hoechstens, or a negative one.
bool tagOderMonat(QStringView text, int hoechstens) {
    const auto n = Ganze_Zahl_lesen(text);
    return n && *n != 0 && *n <= hoechstens;
}

Pruefergebnis ueberlauf(Zahlfehler f) {
    return f == Zahlfehler::Zu_gross ? Pruefergebnis::Zu_gross : Pruefergebnis::Zu_klein;
}

} // namespace

Pruefergebnis Datum_pruefen(const QString& text, int Hoechster_Tag, int Hoechster_Monat) {
    if (text.isEmpty())
        return Pruefergebnis::Leer;
    const QStringView t = text;
    if (t.size() < 6 || t[2] != u'.' || t[5] != u'.')
        return Pruefergebnis::Falsch;
    if (!tagOderMonat(t.sliced(0, 2), Hoechster_Tag) ||
        !tagOderMonat(t.sliced(3, 2), Hoechster_Monat))
        return Pruefergebnis::Falsch;
    const auto jahr = Ganze_Zahl_lesen(t.sliced(6));
    if (!jahr)
        return jahr.error() == Zahlfehler::Keine_Zahl ? Pruefergebnis::Falsch
                                                      : ueberlauf(jahr.error());
    return *jahr == 0 ? Pruefergebnis::Falsch : Pruefergebnis::Gut;
}

Pruefergebnis Maya_Datum_pruefen(const QString& text) {
    // A sixth piece would be ignored by the reading; refuse it instead.
    if (text.count(u'.') != 4)
        return Pruefergebnis::Falsch;
    const Tagesnummer J = Maya_zu_JD(text);
    if (J)
        return Pruefergebnis::Gut;
    return J.error() == Zahlfehler::Keine_Zahl ? Pruefergebnis::Falsch : ueberlauf(J.error());
}

QString Datumsform_Meldung(bool Jahr_0_Hinweis) {
    return Jahr_0_Hinweis
               ? QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie "
                                "das Datum in der folgenden Form ein: 20.03.1850 oder 20.03.-1000. "
                                "Die Eingabe des Jahres 0 ist nicht zulässig, da das Jahr 0 nicht "
                                "existiert.")
               : QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie "
                                "das Datum in der folgenden Form ein: 20.03.1850");
}

QString Maya_Form_Meldung() {
    return QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das "
                          "Datum des Maya-Kalenders in der folgenden Form ein: 7.17.18.13.1");
}

QString Fehlender_Tag_Meldung() {
    return QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! Das eingegebene Datum "
                          "ist im Abendländischen Kalender nicht vorhanden.");
}

} // namespace talvero
