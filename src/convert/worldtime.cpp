#include "convert/integers.h"
#include "convert/routines.h"

#include <cmath>

namespace talvero {
namespace {

constexpr qint64 Tag = 1440; // minutes

// Offsets beyond this many minutes are not time zones; such a unit shows no time.
constexpr long double Groesster_Versatz = 1e12L;

// A zone's offset from the reference time in whole minutes (5.5 hours are 330).
std::optional<qint64> Versatz(const TAusgabetextobject& e) {
    const long double minuten = std::nearbyint(e.Ausgabetext.Mult * 60.0L);
    if (!(std::fabs(minuten) <= Groesster_Versatz))
        return std::nullopt;
    return static_cast<qint64>(minuten);
}

QString zweistellig(qint64 n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// The clock time of minute n counted from midnight of the source day, with the day
// it falls on: " nä. Tag", " Vortag", or the number of days for anything further.
QString Uhrzeit_Text(qint64 n) {
    // Floor division, so that times before midnight land on the day before.
    qint64 tage = n / Tag;
    if (n % Tag < 0)
        --tage;
    n -= tage * Tag;
    QString text = zweistellig(n / 60) + u':' + zweistellig(n % 60);
    if (tage == 1)
        text += QStringLiteral(" nä. Tag");
    else if (tage == -1)
        text += QStringLiteral(" Vortag");
    else if (tage != 0)
        text += QStringLiteral(" %1%2 Tage").arg(tage > 0 ? u"+" : u"").arg(tage);
    return text;
}

} // namespace

Umrechnungsergebnis Rechnen_Weltzeit(const Umrechnungsauftrag& auftrag) {
    const Meldung fehler = Wertfehler(QStringLiteral(
        "Falsche Eingabe im Werteingabeld! Uhrzeit im Format >> hh:mm << eingeben!"));
    const QString text = auftrag.Eingabe.trimmed();
    const qsizetype doppelpunkt = text.indexOf(u':');
    if (doppelpunkt < 0)
        return Abbruch(fehler);
    const auto stunden = Ganzzahl_lesen(QStringView(text).left(doppelpunkt));
    const auto minuten = Ganzzahl_lesen(QStringView(text).mid(doppelpunkt + 1));
    if (!stunden || !minuten)
        return Abbruch(fehler);
    // Minutes may exceed 59 (10:75 is 11:15) and parts may be negative (-1:30 is half
    // past eleven the evening before), but the time must lie within one day either side.
    qint64 t = qint64(*stunden) * 60 + *minuten;
    if (t == Tag)
        t = 0; // 24:00 counts as midnight
    if (t > Tag || t < -Tag)
        return Abbruch(fehler);

    const ObjektListe& eintraege = *auftrag.Eintraege;
    const std::optional<qint64> quelle = Versatz(eintraege[auftrag.Quellindex]);
    std::vector<Ergebnispaar> paare;
    paare.reserve(eintraege.size());
    for (const TAusgabetextobject& e : eintraege) {
        const std::optional<qint64> ziel = Versatz(e);
        if (quelle && ziel)
            paare.push_back(Textpaar(Uhrzeit_Text(*ziel + t - *quelle)));
        else
            paare.push_back(Textpaar(Keine_Angabe()));
    }
    return Ergebnisse(std::move(paare));
}

} // namespace talvero
