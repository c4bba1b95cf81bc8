#include "convert/integers.h"
#include "convert/roman.h"
#include "convert/routines.h"

#include <cstdlib>
#include <expected>
#include <limits>

namespace talvero {
namespace {

// The notation of a unit is its line in the data file.
enum class Notation { Dual, Dezimal, Hexadezimal, Oktal, Roemisch, Keine };

Notation Notation_an(qint32 Position) {
    switch (Position) {
    case 0:
        return Notation::Dual;
    case 1:
        return Notation::Dezimal;
    case 2:
        return Notation::Hexadezimal;
    case 3:
        return Notation::Oktal;
    case 4:
        return Notation::Roemisch;
    default:
        return Notation::Keine;
    }
}

constexpr qint64 Groesste_Zahl = std::numeric_limits<qint32>::max();

QString Zahl_zu_gross() {
    return QStringLiteral("Zahl zu groß");
}

QString Eingabe_falsch(const QString& erlaubt) {
    return QStringLiteral("Falsche Eingabe im Werteingabeld! ") + erlaubt;
}

// Digits of a positional notation whose characters all lie in ziffern; the position
// of a character in ziffern is its digit value.
std::expected<qint64, Meldung> Stellenwert(QStringView text, QStringView ziffern,
                                           const QString& falsch, const QString& zu_gross) {
    if (text.isEmpty())
        return std::unexpected(Wertfehler(falsch));
    qint64 n = 0;
    bool zu_viel = false;
    for (const QChar c : text) {
        const qsizetype ziffer = ziffern.indexOf(c);
        if (ziffer < 0)
            return std::unexpected(Wertfehler(falsch));
        if (!zu_viel) {
            n = n * ziffern.size() + ziffer;
            zu_viel = n > Groesste_Zahl;
        }
    }
    if (zu_viel)
        return std::unexpected(Wertfehler(zu_gross));
    return n;
}

std::expected<qint64, Meldung> Wert(Notation notation, QStringView text) {
    switch (notation) {
    case Notation::Dual:
        return Stellenwert(text, u"01",
                           Eingabe_falsch(QStringLiteral("Es sind nur 1 und 0 erlaubt!")),
                           QStringLiteral("Die Dualzahl ist zu groß!"));
    case Notation::Dezimal: {
        const auto n = Ganzzahl_lesen(text);
        if (n)
            return *n;
        if (Ausserhalb_32_Bit(n.error()))
            return std::unexpected(
                Wertfehler(QStringLiteral("Die Zahl ist zu groß! Es sind nur ganze Zahlen von "
                                          "-2147483648 bis 2147483647 erlaubt!")));
        return std::unexpected(
            Wertfehler(Eingabe_falsch(QStringLiteral("Es sind nur ganze Zahlen erlaubt!"))));
    }
    case Notation::Hexadezimal:
        return Stellenwert(text, u"0123456789ABCDEF",
                           Eingabe_falsch(QStringLiteral(
                               "Es sind nur folgende Zeichen erlaubt: 0, 1, 2, 3, 4, 5, 6, 7, 8, "
                               "9, A, B, C, D, E, F!")),
                           QStringLiteral("Die Hexadezimalzahl ist zu groß!"));
    case Notation::Oktal:
        return Stellenwert(text, u"01234567",
                           Eingabe_falsch(QStringLiteral(
                               "Es sind nur folgende Zeichen erlaubt: 0, 1, 2, 3, 4, 5, 6, 7!")),
                           QStringLiteral("Die Oktalzahl ist zu groß!"));
    case Notation::Roemisch: {
        const QString falsch = Eingabe_falsch(
            QStringLiteral("Es sind nur folgende Zeichen erlaubt: I, V, X, L, C, D, M!"));
        if (text.isEmpty())
            return std::unexpected(Wertfehler(falsch));
        for (const QChar c : text)
            if (!QStringView(u"IVXLCDM").contains(c))
                return std::unexpected(Wertfehler(falsch));
        const qint64 n = Roemischer_Wert(text);
        if (n > Groesste_Zahl)
            return std::unexpected(Wertfehler(QStringLiteral("Die Römische Zahl ist zu groß!")));
        return n;
    }
    case Notation::Keine:
        break;
    }
    return std::unexpected(Keine_Formel());
}

// Positional text with a minus sign in front for negative numbers; longer than a
// result text can hold gives "Zahl zu groß".
QString Stellentext(qint64 n, int basis) {
    QString text = QString::number(std::abs(n), basis).toUpper();
    if (n < 0)
        text.prepend(u'-');
    return text.size() > E_String::Laenge ? Zahl_zu_gross() : text;
}

QString Text(Notation notation, qint64 n) {
    switch (notation) {
    case Notation::Dual:
        return Stellentext(n, 2);
    case Notation::Dezimal:
        return QString::number(n);
    case Notation::Hexadezimal:
        return Stellentext(n, 16);
    case Notation::Oktal:
        return Stellentext(n, 8);
    case Notation::Roemisch:
        // The Romans wrote no negative numbers.
        if (n < 0)
            return Keine_Angabe();
        return Roemische_Zahl(n).value_or(Zahl_zu_gross());
    case Notation::Keine:
        break;
    }
    return Keine_Angabe();
}

} // namespace

Umrechnungsergebnis Rechnen_Zahlensysteme(const Umrechnungsauftrag& auftrag) {
    const ObjektListe& eintraege = *auftrag.Eintraege;
    const Notation quelle = Notation_an(eintraege[auftrag.Quellindex].Position_in_Datei);
    const QString eingabe = auftrag.Eingabe.trimmed();
    const auto n = Wert(quelle, eingabe);
    if (!n)
        return Abbruch(n.error());
    std::vector<Ergebnispaar> paare;
    paare.reserve(eintraege.size());
    for (const TAusgabetextobject& e : eintraege)
        paare.push_back(Textpaar(Text(Notation_an(e.Position_in_Datei), *n)));
    Umrechnungsergebnis r = Ergebnisse(std::move(paare));
    // Letters that are not the proper numeral of their value (IIII, IM) are converted
    // all the same, and then pointed out.
    if (quelle == Notation::Roemisch && Text(Notation::Roemisch, *n) != eingabe)
        r.Meldungen.push_back(Wertfehler(QStringLiteral("Falsche Römische Zahl!")));
    return r;
}

} // namespace talvero
