#include "calendar_table.h"

#include <gtest/gtest.h>

namespace {

using talvero::test::Kalender;

class RangeWalk : public testing::TestWithParam<Kalender> {};

// Every day number from the calendar's first day up to the area's last one is
// written as a date text that reads back to the same day number.
TEST_P(RangeWalk, EveryDayReadsBack) {
    const Kalender& k = GetParam();
    const qint64 ende = k.name == "Revolution" ? talvero::Revolution_Ende : 10'000'000;
    for (qint64 J = k.beginn; J <= ende; ++J) {
        const QString text = k.vorwaerts(J);
        const talvero::Tagesnummer zurueck = k.rueckwaerts(text);
        if (!zurueck || *zurueck != J) {
            ADD_FAILURE() << "day " << J << " gives " << text.toStdString() << ", read back as "
                          << (zurueck ? std::to_string(*zurueck) : std::string("an error"));
            return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kalender, RangeWalk, testing::ValuesIn(talvero::test::alle_Kalender()),
                         talvero::test::kalender_name);

} // namespace
