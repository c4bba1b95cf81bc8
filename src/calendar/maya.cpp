#include "calendar/calendars.h"

#include <QList>
#include <charconv>

namespace talvero {
namespace {

// Days of one baktun, katun, tun, uinal and kin.
constexpr qint64 kTage[5] = {144000, 7200, 360, 20, 1};

} // namespace

QString JD_zu_Maya(qint64 J) {
    if (J < Maya_Beginn)
        return Ausserhalb_Bereich();
    char text[5 * 21];
    char* p = text;
    qint64 rest = J - Maya_Beginn;
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            *p++ = '.';
        p = std::to_chars(p, text + sizeof text, Quotient_abgerundet(rest, kTage[i])).ptr;
        rest = Rest_abgerundet(rest, kTage[i]);
    }
    return QString::fromLatin1(text, p - text);
}

Tagesnummer Maya_zu_JD(QStringView text) {
    // Pieces 1 to 5 at "."; a missing piece is empty, pieces after the fifth are ignored.
    const QList<QStringView> teile = text.split(u'.');
    qint64 J = Maya_Beginn;
    for (int i = 0; i < 5; ++i) {
        const auto stueck = Ganzzahl_lesen(i < teile.size() ? teile[i] : QStringView());
        if (!stueck)
            return std::unexpected(stueck.error());
        J += kTage[i] * *stueck;
    }
    return J;
}

} // namespace talvero
