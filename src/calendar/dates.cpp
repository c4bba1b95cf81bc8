#include "calendar/dates.h"

#include <limits>

namespace talvero {
namespace {

// Writes v in decimal at p and returns the end. Callers keep the buffer large enough
// for any 64-bit value.
char16_t* dezimal(char16_t* p, qint64 v) {
    quint64 u = v < 0 ? 0 - static_cast<quint64>(v) : static_cast<quint64>(v);
    if (v < 0)
        *p++ = u'-';
    char16_t rueckwaerts[20];
    int n = 0;
    do {
        rueckwaerts[n++] = static_cast<char16_t>(u'0' + u % 10);
        u /= 10;
    } while (u != 0);
    while (n > 0)
        *p++ = rueckwaerts[--n];
    return p;
}

// Day or month: a one-character text gets a leading "0".
char16_t* zweistellig(char16_t* p, qint64 v) {
    char16_t text[21];
    const char16_t* ende = dezimal(text, v);
    if (ende - text == 1)
        *p++ = u'0';
    for (const char16_t* c = text; c != ende; ++c)
        *p++ = *c;
    return p;
}

} // namespace

std::expected<qint64, Zahlfehler> Ganze_Zahl_lesen(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return Ganzzahl_lesen(text.mid(i));
}

QString Datum_zusammensetzen(qint64 Tag, qint64 Monat, qint64 Jahr) {
    char16_t puffer[72];
    char16_t* p = zweistellig(puffer, Tag);
    *p++ = u'.';
    p = zweistellig(p, Monat);
    *p++ = u'.';
    char16_t jahr[21];
    const char16_t* ende = dezimal(jahr, Jahr);
    const auto laenge = ende - jahr;
    const char16_t* c = jahr;
    if (laenge == 1) {
        *p++ = u'0';
    } else if (laenge == 2 && Jahr < 0) {
        *p++ = u'-';
        *p++ = u'0';
        ++c;
    }
    for (; c != ende; ++c)
        *p++ = *c;
    return QString(reinterpret_cast<const QChar*>(puffer), p - puffer);
}

qint64 Rest_abgerundet(qint64 Wert, qint64 Teiler) {
    const qint64 r = Wert % Teiler;
    return r != 0 && ((r < 0) != (Teiler < 0)) ? r + Teiler : r;
}

qint64 Quotient_abgerundet(qint64 Wert, qint64 Teiler) {
    const qint64 q = Wert / Teiler;
    return (Wert % Teiler != 0) && ((Wert < 0) != (Teiler < 0)) ? q - 1 : q;
}

std::expected<Datumsteile, Zahlfehler> Datum_lesen(QStringView text) {
    const auto tag = Ganzzahl_lesen(text.left(2));
    if (!tag)
        return std::unexpected(tag.error());
    const auto monat = Ganzzahl_lesen(text.size() > 3 ? text.sliced(3).left(2) : QStringView());
    if (!monat)
        return std::unexpected(monat.error());
    const auto jahr = Ganzzahl_lesen(text.size() > 6 ? text.sliced(6) : QStringView());
    if (!jahr)
        return std::unexpected(jahr.error());
    return Datumsteile{*tag, *monat, *jahr};
}

} // namespace talvero
