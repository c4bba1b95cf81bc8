#include "convert/integers.h"
#include "convert/routines.h"

#include <cmath>
#include <numeric>

namespace talvero {
namespace {

constexpr qint32 Bruch_Position = 0;
constexpr qint32 Dezimal_Position = 1;

// Nine decimals keep numerator and denominator inside 32 bits.
constexpr qsizetype Hoechste_Nachkommastellen = 9;

QString Zahl_zu_gross() {
    return QStringLiteral("Zahl zu groß");
}

// "W Z/N" with outer blanks removed and a minus sign in front; the integer part W is
// left out when it is empty, the fraction part when Z is 0.
QString Bruchtext(bool negativ, const QString& ganz, qint64 zaehler, qint64 nenner) {
    QString text = ganz;
    if (zaehler != 0) {
        const qint64 teiler = std::gcd(zaehler, nenner);
        text += u' ' + QString::number(zaehler / teiler) + u'/' + QString::number(nenner / teiler);
    }
    text = text.trimmed();
    if (negativ)
        text.prepend(u'-');
    return text.size() > E_String::Laenge ? Zahl_zu_gross() : text;
}

// The decimal number shows no thousands separators.
Ergebnispaar Dezimalpaar(long double d) {
    return Standardpaar(d, false);
}

Umrechnungsergebnis Ergebnisse_nach_Position(const ObjektListe& eintraege, const QString& bruch,
                                             long double dezimal) {
    std::vector<Ergebnispaar> paare;
    paare.reserve(eintraege.size());
    for (const TAusgabetextobject& e : eintraege) {
        if (e.Position_in_Datei == Bruch_Position)
            paare.push_back(Textpaar(bruch));
        else if (e.Position_in_Datei == Dezimal_Position)
            paare.push_back(Dezimalpaar(dezimal));
        else
            paare.push_back(Textpaar(Keine_Angabe()));
    }
    return Ergebnisse(std::move(paare));
}

Umrechnungsergebnis aus_Bruch(const Umrechnungsauftrag& auftrag) {
    const QString s = auftrag.Eingabe.trimmed();
    const qsizetype p = s.indexOf(u'/');
    if (p <= 0 || p == s.size() - 1)
        return Abbruch(Wertfehler(QStringLiteral("Falsche Eingabe im Werteingabeld! Die Zahl ist "
                                                 "kein Bruch! Richtig z.B. 1/5!")));
    const auto Z = Ganzzahl_lesen(QStringView(s).left(p));
    const auto N = Ganzzahl_lesen(QStringView(s).mid(p + 1));
    if ((!Z && Ausserhalb_32_Bit(Z.error())) || (!N && Ausserhalb_32_Bit(N.error())))
        return Abbruch(Wertfehler(
            QStringLiteral("Falsche Eingabe im Werteingabeld! Zähler und Nenner müssen zwischen "
                           "-2147483648 und 2147483647 liegen!")));
    if (!Z || !N || *Z == 0 || *N == 0)
        return Abbruch(Eingabefehler());

    const long double d = static_cast<double>(*Z) / static_cast<double>(*N);
    // Work with magnitudes and put the sign in front: -7/2 is -3 1/2.
    const bool negativ = (*Z < 0) != (*N < 0);
    qint64 zaehler = std::abs(qint64(*Z));
    const qint64 nenner = std::abs(qint64(*N));
    QString ganz;
    if (zaehler >= nenner) {
        ganz = QString::number(zaehler / nenner);
        zaehler %= nenner;
    }
    return Ergebnisse_nach_Position(*auftrag.Eintraege, Bruchtext(negativ, ganz, zaehler, nenner),
                                    d);
}

Umrechnungsergebnis aus_Dezimalzahl(const Umrechnungsauftrag& auftrag) {
    const std::optional<long double> v = Zahl_lesen(auftrag.Eingabe);
    if (!v || *v == 0)
        return Abbruch(Eingabefehler());
    const QString s = Tausche(auftrag.Eingabe, u',', u'.').trimmed();
    if (s.contains(u'e', Qt::CaseInsensitive))
        return Abbruch(
            Wertfehler(QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte die "
                                      "Dezimalzahl ohne Exponent eingeben, z.B. 0,75!")));
    const qsizetype p = s.indexOf(u'.');
    QString nachkomma = p < 0 ? QString() : s.mid(p + 1);
    // Trailing zeros change nothing (2,50 is 2 1/2) and only cost digits.
    while (nachkomma.endsWith(u'0'))
        nachkomma.chop(1);
    if (nachkomma.isEmpty())
        return Abbruch(Wertfehler(
            QStringLiteral("Falsche Eingabe im Werteingabeld! Die Zahl ist eine ganze Zahl und "
                           "kann nicht in einen Bruch umgerechnet werden!")));
    if (nachkomma.size() > Hoechste_Nachkommastellen)
        return Abbruch(Wertfehler(QStringLiteral("Falsche Eingabe im Werteingabeld! Es sind "
                                                 "höchstens 9 Nachkommastellen möglich!")));

    // The integer part as typed, without sign and leading zeros (0,75 is 3/4).
    QString ganz = s.left(p);
    const bool negativ = ganz.startsWith(u'-');
    if (ganz.startsWith(u'-') || ganz.startsWith(u'+'))
        ganz.remove(0, 1);
    while (ganz.startsWith(u'0'))
        ganz.remove(0, 1);
    const qint64 zaehler = nachkomma.toLongLong();
    const qint64 nenner = static_cast<qint64>(std::pow(10.0, double(nachkomma.size())));
    return Ergebnisse_nach_Position(*auftrag.Eintraege, Bruchtext(negativ, ganz, zaehler, nenner),
                                    *v);
}

} // namespace

Umrechnungsergebnis Rechnen_Brueche(const Umrechnungsauftrag& auftrag) {
    switch ((*auftrag.Eintraege)[auftrag.Quellindex].Position_in_Datei) {
    case Bruch_Position:
        return aus_Bruch(auftrag);
    case Dezimal_Position:
        return aus_Dezimalzahl(auftrag);
    default:
        return Abbruch(Keine_Formel());
    }
}

} // namespace talvero
