#pragma once

#include "calendar/calendars.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace talvero::test {

// One calendar of the area as a pair of routines, with the first day its forward
// routine writes (0 for the calendars that cover every day number).
struct Kalender {
    std::string name;
    QString (*vorwaerts)(qint64);
    Tagesnummer (*rueckwaerts)(QStringView);
    qint64 beginn;
    friend void PrintTo(const Kalender& k, std::ostream* os) { *os << k.name; }
};

inline const std::vector<Kalender>& alle_Kalender() {
    static const std::vector<Kalender> k = {
        {"Julianisch", JD_zu_Julianisch, Julianisch_zu_JD, 0},
        {"Gregorianisch", JD_zu_Gregorianisch, Gregorianisch_zu_JD, 0},
        {"Abendlaendisch", JD_zu_Abendlaendisch, Abendlaendisch_zu_JD, 0},
        {"Juedisch", JD_zu_Juedisch, Juedisch_zu_JD, Juedischer_Beginn},
        {"Revolution", JD_zu_Revolution, Revolution_zu_JD, Revolution_Beginn},
        {"Islamisch", JD_zu_Islamisch, Islamisch_zu_JD, 0},
        {"Iranisch_neu", JD_zu_Iranisch_neu, Iranisch_neu_zu_JD, 0},
        {"Yazdegard", JD_zu_Yazdegard, Yazdegard_zu_JD, 0},
        {"Aegyptisch", JD_zu_Aegyptisch, Aegyptisch_zu_JD, 0},
        {"Armenisch", JD_zu_Armenisch, Armenisch_zu_JD, 0},
        {"Aethiopisch", JD_zu_Aethiopisch, Aethiopisch_zu_JD, 0},
        {"Koptisch", JD_zu_Koptisch, Koptisch_zu_JD, 0},
        {"Bahai", JD_zu_Bahai, Bahai_zu_JD, Bahai_Beginn},
        {"Saka", JD_zu_Saka, Saka_zu_JD, 0},
        {"Maya", JD_zu_Maya, Maya_zu_JD, Maya_Beginn},
    };
    return k;
}

inline std::string kalender_name(const testing::TestParamInfo<Kalender>& info) {
    return info.param.name;
}

} // namespace talvero::test
