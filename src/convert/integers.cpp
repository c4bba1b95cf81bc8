#include "convert/integers.h"

#include <limits>

namespace talvero {

std::expected<qint32, Ganzzahlfehler> Ganzzahl_lesen(QStringView text) {
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty())
        return std::unexpected(Ganzzahlfehler::Keine_Ganzzahl);
    // One more than the largest magnitude is needed for the most negative value.
    constexpr qint64 limit = qint64(std::numeric_limits<qint32>::max()) + 1;
    qint64 value = 0;
    bool tooLarge = false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::unexpected(Ganzzahlfehler::Keine_Ganzzahl);
        if (!tooLarge) {
            value = value * 10 + (c.unicode() - u'0');
            tooLarge = value > limit;
        }
    }
    if (tooLarge || (!negative && value == limit))
        return std::unexpected(Ganzzahlfehler::Zu_gross);
    return static_cast<qint32>(negative ? -value : value);
}

} // namespace talvero
