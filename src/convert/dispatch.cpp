#include "convert/dispatch.h"

#include "calendar/calendar_area.h"
#include "convert/routines.h"

#include <array>
#include <utility>

namespace talvero {

Umrechnungsergebnis Umrechnen(const Umrechnungsauftrag& auftrag) {
    if (!auftrag.Eintraege || auftrag.Quellindex < 0 ||
        std::cmp_greater_equal(auftrag.Quellindex, auftrag.Eintraege->size()))
        return {};
    using Routine = Umrechnungsergebnis (*)(const Umrechnungsauftrag&);
    static const std::array<std::pair<QString, Routine>, 9> routinen = {{
        {QStringLiteral("Brüche"), Rechnen_Brueche},
        {QStringLiteral("Zahlensysteme"), Rechnen_Zahlensysteme},
        {QStringLiteral("Weltzeit"), Rechnen_Weltzeit},
        {QStringLiteral("Temperatur"), Rechnen_Temperatur},
        {QStringLiteral("Währungen"), Rechnen_Waehrungen},
        {QStringLiteral("Aräometerskalen"), Rechnen_Araeometerskalen},
        {QStringLiteral("Viskosität, kinem. alt"), Rechnen_Viskokin_alt},
        {QStringLiteral("Schuhgrößen"), Rechnen_Schuhgroessen},
        {QStringLiteral("Kalender"), Rechnen_Kalender},
    }};
    for (const auto& [name, routine] : routinen)
        if (auftrag.Gebietname == name)
            return routine(auftrag);
    return Rechnen_Sonstige(auftrag);
}

} // namespace talvero
