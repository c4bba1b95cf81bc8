#include "calendar/calendar_area.h"

#include <optional>

#include "calendar/calendars.h"
#include "calendar/datecheck.h"

#include <array>
#include <expected>

namespace talvero {
namespace {

constexpr qint64 kHoechsteTagesnummer = 10'000'000;

enum class Eingabeart { Tageszahl, Datum, Maya };

// One unit of the area, recognised by its name alone.
struct Kalendereinheit {
    QStringView Name;
    Eingabeart Art;
    // Day counts: the count is the day number minus this offset.
    qint64 Versatz = 0;
    // Dates: the shape check's parameters.
    bool Jahr_0_Hinweis = false;
    int Hoechster_Tag = 0;
    int Hoechster_Monat = 0;
    Tagesnummer (*Zu_JD)(QStringView) = nullptr;
    QString (*Von_JD)(qint64) = nullptr;
    // Shown when the value is unreadable, after "... Bitte geben Sie das ".
    QStringView Meldung;
    // The western calendar refuses the ten days skipped in October 1582.
    bool Luecke_1582 = false;
};

constexpr Kalendereinheit tageszahl(QStringView name, qint64 versatz, QStringView meldung) {
    return {name, Eingabeart::Tageszahl, versatz, false, 0, 0, nullptr, nullptr, meldung};
}

constexpr Kalendereinheit datum(QStringView name, bool jahr0, int tag, int monat,
                                Tagesnummer (*zu)(QStringView), QString (*von)(qint64),
                                QStringView meldung) {
    return {name, Eingabeart::Datum, 0, jahr0, tag, monat, zu, von, meldung};
}

constexpr Kalendereinheit mitLuecke(Kalendereinheit e) {
    e.Luecke_1582 = true;
    return e;
}

const std::array<Kalendereinheit, 19>& einheiten() {
    static const std::array<Kalendereinheit, 19> table = {
        tageszahl(u"Julianisches Datum", 0,
                  u"\"Julianische Datum\" in der folgenden Form ein: 45205. "
                  u"Nachkommastellen sind nicht möglich."),
        tageszahl(u"Julianisches Datum, modifiziert", 2400001,
                  u"\"Julianische Datum, modifiziert\" in der folgenden Form "
                  u"ein: 45205. Nachkommastellen sind nicht möglich."),
        tageszahl(u"Julianisches Datum, truncated", 2440001,
                  u"\"Julianische Datum, truncated\" in der folgenden Form "
                  u"ein: 45205. Nachkommastellen sind nicht möglich."),
        tageszahl(u"Lilianisches Datum", 2299160,
                  u"\"Lilianische Datum\" in der folgenden Form ein: 45205. "
                  u"Nachkommastellen sind nicht möglich."),
        datum(u"Julianischer Kalender (12 Uhr)", true, 31, 12, Julianisch_zu_JD, JD_zu_Julianisch,
              u"Datum des \"Julianischen Kalenders\" in der folgenden Form "
              u"ein: 20.03.1850 oder 20.03.-1000"),
        datum(u"Gregorianischer Kalender (12 Uhr)", true, 31, 12, Gregorianisch_zu_JD,
              JD_zu_Gregorianisch,
              u"Datum des \"Gregorianischen Kalenders\" in der folgenden Form "
              u"ein: 20.03.1850 oder 20.03.-1000"),
        mitLuecke(datum(u"Abendländischer Kalender (12 Uhr)", true, 31, 12, Abendlaendisch_zu_JD,
                        JD_zu_Abendlaendisch,
                        u"Datum des \"Abendländischen Kalenders\" in der folgenden Form ein: "
                        u"20.03.1850 oder 20.03.-1000")),
        datum(u"Jüdischer Kalender", false, 30, 13, Juedisch_zu_JD, JD_zu_Juedisch,
              u"Datum des \"Jüdischen Kalenders\" in der folgenden Form ein: "
              u"20.03.1850 oder 20.03.-1000"),
        datum(u"Franz. Revolutionskalender", false, 30, 13, Revolution_zu_JD, JD_zu_Revolution,
              u"Datum des \"Franz. Revolutionskalenders\" in der folgenden "
              u"Form ein: 30.03.01 oder 20.03.-1000"),
        datum(u"Islamischer Kalender", true, 31, 12, Islamisch_zu_JD, JD_zu_Islamisch,
              u"Datum des \"Islamischen Kalenders\" in der folgenden Form ein: "
              u"30.03.01"),
        datum(u"Iranischer Kalender (neu)", true, 31, 13, Iranisch_neu_zu_JD, JD_zu_Iranisch_neu,
              u"Datum des \"Iranischen Kalenders\" in der folgenden Form ein: "
              u"30.03.01"),
        datum(u"Iranischer Kalender (Yazdegard)", true, 31, 13, Yazdegard_zu_JD, JD_zu_Yazdegard,
              u"Datum des \"Iranischen Kalenders\" in der folgenden Form ein: "
              u"30.03.01"),
        datum(u"Ägyptischer Kalender (Nabon.)", true, 35, 13, Aegyptisch_zu_JD, JD_zu_Aegyptisch,
              u"Datum des \"Ägyptischen Kalenders (Nabon.)\" in der folgenden "
              u"Form ein: 30.03.01"),
        datum(u"Armenischer Kalender", true, 35, 13, Armenisch_zu_JD, JD_zu_Armenisch,
              u"Datum des \"Armenischen Kalenders\" in der folgenden Form ein: "
              u"30.03.01"),
        datum(u"Äthiopischer Kalender", true, 35, 13, Aethiopisch_zu_JD, JD_zu_Aethiopisch,
              u"Datum des \"Äthiopischen Kalenders\" in der folgenden Form "
              u"ein: 30.03.01"),
        datum(u"Koptischer Kalender", true, 35, 13, Koptisch_zu_JD, JD_zu_Koptisch,
              u"Datum des \"Koptischen Kalenders\" in der folgenden Form ein: "
              u"30.03.01"),
        datum(u"Bahá'i Kalender", false, 19, 19, Bahai_zu_JD, JD_zu_Bahai,
              u"Datum des \"Bahá'i Kalenders\" in der folgenden Form ein: "
              u"30.03.01"),
        datum(u"Indischer Kalender (Saka)", true, 31, 12, Saka_zu_JD, JD_zu_Saka,
              u"Datum des \"Indischen Kalenders\" in der folgenden Form ein: "
              u"30.03.01"),
        Kalendereinheit{u"Maya-Kalender", Eingabeart::Maya, 0, false, 0, 0, Maya_zu_JD, JD_zu_Maya,
                        u"Datum des \"Maya-Kalenders\" in der folgenden Form "
                        u"ein: 7.17.18.13.1"},
    };
    return table;
}

const Kalendereinheit* finden(const QString& name) {
    for (const Kalendereinheit& e : einheiten())
        if (e.Name == name)
            return &e;
    return nullptr;
}

QString zuFrueh() {
    return QStringLiteral("Kalenderberechnungen können erst ab dem 01.01.4713 v. Chr. des "
                          "Julian. Kalenders (Julian. Datum = 0)) durchgeführt werden!");
}

QString zuSpaet() {
    return QStringLiteral("Kalenderberechnungen können max. bis zum Jahr 22666 des Greg. "
                          "Kalenders (Julian. Datum = 10 000 000)) durchgeführt werden!");
}

Umrechnungsergebnis meldung(const QString& text) {
    Umrechnungsergebnis r;
    r.Meldungen.push_back({Meldungsart::Fehler, text, QStringLiteral("Edit_Eingabe")});
    return r;
}

// The message for a value that gave no day number. A number beyond 32 bits lies
// beyond the area's span in any calendar, so it gets the matching range message
// instead of a wrapped day number.
QString leseMeldung(const Kalendereinheit& e, Zahlfehler f) {
    switch (f) {
    case Zahlfehler::Zu_gross:
        return zuSpaet();
    case Zahlfehler::Zu_klein:
        return zuFrueh();
    case Zahlfehler::Keine_Zahl:
        break;
    }
    return QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das ") +
           e.Meldung.toString();
}

// The message for a failed shape check, nullopt when the text passed; an empty text
// stands for "nothing typed".
std::optional<QString> pruefMeldung(Pruefergebnis p, const QString& leer, const QString& falsch) {
    switch (p) {
    case Pruefergebnis::Gut:
        return std::nullopt;
    case Pruefergebnis::Leer:
        return leer;
    case Pruefergebnis::Zu_gross:
        return zuSpaet();
    case Pruefergebnis::Zu_klein:
        return zuFrueh();
    case Pruefergebnis::Falsch:
        break;
    }
    return falsch;
}

// The day number typed for unit e, or the message why there is none. An empty
// message text means: nothing typed, nothing to do.
std::expected<qint64, QString> lesen(const Kalendereinheit& e, const QString& eingabe) {
    switch (e.Art) {
    case Eingabeart::Tageszahl: {
        const auto n = Ganze_Zahl_lesen(Tausche(eingabe, u',', u'.'));
        if (!n)
            return std::unexpected(leseMeldung(e, n.error()));
        return *n + e.Versatz;
    }
    case Eingabeart::Datum:
        if (const auto m = pruefMeldung(Datum_pruefen(eingabe, e.Hoechster_Tag, e.Hoechster_Monat),
                                        QString(), Datumsform_Meldung(e.Jahr_0_Hinweis)))
            return std::unexpected(*m);
        if (e.Luecke_1582 && Abendlaendisch_fehlender_Tag(eingabe))
            return std::unexpected(Fehlender_Tag_Meldung());
        break;
    case Eingabeart::Maya:
        if (const auto m =
                pruefMeldung(Maya_Datum_pruefen(eingabe), Maya_Form_Meldung(), Maya_Form_Meldung()))
            return std::unexpected(*m);
        break;
    }
    const Tagesnummer J = e.Zu_JD(eingabe);
    if (!J)
        return std::unexpected(leseMeldung(e, J.error()));
    return *J;
}

QString text(const Kalendereinheit& e, qint64 J) {
    if (e.Art == Eingabeart::Tageszahl)
        return QString::number(J - e.Versatz);
    return e.Von_JD(J);
}

} // namespace

Umrechnungsergebnis Rechnen_Kalender(const Umrechnungsauftrag& auftrag) {
    static const ObjektListe keine;
    const ObjektListe& eintraege = auftrag.Eintraege ? *auftrag.Eintraege : keine;
    const Kalendereinheit* quelle = nullptr;
    if (auftrag.Quellindex >= 0 && std::size_t(auftrag.Quellindex) < eintraege.size())
        quelle = finden(eintraege[auftrag.Quellindex].Ausgabetext.Einheit);

    // A source unit that is no calendar shows day 0 everywhere.
    qint64 J = 0;
    if (quelle) {
        const auto gelesen = lesen(*quelle, auftrag.Eingabe);
        if (!gelesen)
            return gelesen.error().isEmpty() ? Umrechnungsergebnis{} : meldung(gelesen.error());
        J = *gelesen;
    }
    if (J < 0)
        return meldung(zuFrueh());
    if (J > kHoechsteTagesnummer)
        return meldung(zuSpaet());

    Umrechnungsergebnis r;
    r.Berechnet = true;
    r.Ergebnisse.reserve(eintraege.size());
    for (const TAusgabetextobject& eintrag : eintraege) {
        const Kalendereinheit* e = finden(eintrag.Ausgabetext.Einheit);
        r.Ergebnisse.push_back(Textpaar(e ? text(*e, J) : QString()));
    }
    return r;
}

QStringList Kalender_Einheitennamen() {
    QStringList namen;
    for (const Kalendereinheit& e : einheiten())
        namen << e.Name.toString();
    return namen;
}

} // namespace talvero
