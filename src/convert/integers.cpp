#include "convert/integers.h"

#include <limits>

namespace talvero {
namespace {

constexpr qint64 kKleinste = std::numeric_limits<qint32>::min();
constexpr qint64 kGroesste = std::numeric_limits<qint32>::max();

} // namespace

std::expected<qint64, Zahlfehler> Ganzzahl_lesen(QStringView text) {
    qsizetype i = 0;
    bool negativ = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negativ = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::unexpected(Zahlfehler::Keine_Zahl);
    // Collect the magnitude, stopping to grow once it is beyond any 32-bit value, but
    // keep checking that every character is a digit.
    qint64 betrag = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::unexpected(Zahlfehler::Keine_Zahl);
        if (betrag <= kGroesste + 1)
            betrag = betrag * 10 + (c - u'0');
    }
    const qint64 wert = negativ ? -betrag : betrag;
    if (wert > kGroesste)
        return std::unexpected(Zahlfehler::Zu_gross);
    if (wert < kKleinste)
        return std::unexpected(Zahlfehler::Zu_klein);
    return wert;
}

} // namespace talvero
