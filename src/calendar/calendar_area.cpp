#include "calendar/calendar_area.h"

namespace talvero {

// Placeholder until the calendar arithmetic lands: reports, computes nothing.
Umrechnungsergebnis Rechnen_Kalender(const Umrechnungsauftrag&) {
    Umrechnungsergebnis r;
    r.Meldungen.push_back({Meldungsart::Information,
                           QStringLiteral("Kalenderumrechnungen sind noch nicht verfügbar."), {}});
    return r;
}

} // namespace talvero
