#include "calendar_table.h"

#include "calendar/calendars.h"
#include "calendar/dates.h"

#include <gtest/gtest.h>

namespace {

using namespace talvero;

// A day number and its date text in one calendar; the text is read back too unless it
// is the out-of-range text.
struct Bekannt {
    const char* name;
    QString (*vorwaerts)(qint64);
    Tagesnummer (*rueckwaerts)(QStringView);
    qint64 J;
    const char16_t* text;
    friend void PrintTo(const Bekannt& c, std::ostream* os) { *os << c.name; }
};

class KnownDates : public testing::TestWithParam<Bekannt> {};

TEST_P(KnownDates, WritesAndReads) {
    const Bekannt& c = GetParam();
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(c.vorwaerts(c.J), text);
    if (text != Ausserhalb_Bereich()) {
        const Tagesnummer J = c.rueckwaerts(text);
        ASSERT_TRUE(J.has_value());
        EXPECT_EQ(*J, c.J);
    }
}

#define K(name, kal, J, text)                                                                      \
    Bekannt {                                                                                      \
        name, JD_zu_##kal, kal##_zu_JD, J, text                                                    \
    }

INSTANTIATE_TEST_SUITE_P(
    Calendars, KnownDates,
    testing::Values(
        // Day 0 in every calendar.
        K("Julian_day0", Julianisch, 0, u"01.01.-4713"),
        K("Gregorian_day0", Gregorianisch, 0, u"24.11.-4714"),
        K("Islamic_day0", Islamisch, 0, u"17.08.-5499"),
        K("Iranian_day0", Iranisch_neu, 0, u"01.09.-5335"),
        K("Yazdegard_day0", Yazdegard, 0, u"18.12.-5349"),
        K("Egyptian_day0", Aegyptisch, 0, u"18.02.-3969"),
        K("Armenian_day0", Armenisch, 0, u"18.11.-5269"),
        K("Ethiopian_day0", Aethiopisch, 0, u"05.05.-4721"),
        K("Coptic_day0", Koptisch, 0, u"05.05.-4997"), K("Saka_day0", Saka, 0, u"03.09.-4792"),
        K("French_day0", Revolution, 0, u"außerh. Bereich"),
        K("Bahai_day0", Bahai, 0, u"außerh. Bereich"), K("Maya_day0", Maya, 0, u"außerh. Bereich"),
        // 23 April 2024.
        K("Julian_2024", Julianisch, 2460424, u"10.04.2024"),
        K("Gregorian_2024", Gregorianisch, 2460424, u"23.04.2024"),
        K("Islamic_2024", Islamisch, 2460424, u"15.10.1445"),
        K("Iranian_2024", Iranisch_neu, 2460424, u"04.02.1403"),
        K("Yazdegard_2024", Yazdegard, 2460424, u"07.11.1393"),
        K("Egyptian_2024", Aegyptisch, 2460424, u"07.01.2773"),
        K("Armenian_2024", Armenisch, 2460424, u"07.10.1473"),
        K("Ethiopian_2024", Aethiopisch, 2460424, u"15.08.2016"),
        K("Coptic_2024", Koptisch, 2460424, u"15.08.1740"),
        K("Bahai_2024", Bahai, 2460424, u"15.02.181"), K("Saka_2024", Saka, 2460424, u"03.02.1946"),
        K("Maya_2024", Maya, 2460424, u"13.0.11.9.1"),
        K("Hebrew_2024", Juedisch, 2460424, u"15.08.5784"),
        // The area's last day: five-digit years.
        K("Gregorian_last", Gregorianisch, 10000000, u"20.12.22666"),
        K("Julian_last", Julianisch, 10000000, u"05.07.22666"),
        K("Islamic_last", Islamisch, 10000000, u"26.12.22721"),
        K("Bahai_last", Bahai, 10000000, u"09.15.20823"),
        K("Maya_last", Maya, 10000000, u"65.7.14.13.17"),
        K("Hebrew_last", Juedisch, 10000000, u"17.01.26427"),
        // First days, and the day before where a calendar starts.
        K("Islamic_epoch", Islamisch, 1948439, u"01.01.01"),
        K("Yazdegard_epoch", Yazdegard, 1952063, u"01.01.01"),
        K("Egyptian_epoch", Aegyptisch, 1448638, u"01.01.01"),
        K("Armenian_epoch", Armenisch, 1922868, u"01.01.01"),
        K("Coptic_epoch", Koptisch, 1825030, u"01.01.01"),
        K("Ethiopian_epoch", Aethiopisch, 1724221, u"01.01.01"),
        K("Iranian_epoch", Iranisch_neu, 1948321, u"01.01.01"),
        K("Bahai_epoch", Bahai, 2394647, u"01.01.01"),
        K("Bahai_before", Bahai, 2394646, u"außerh. Bereich"),
        K("French_epoch", Revolution, 2375840, u"01.01.01"),
        K("French_before", Revolution, 2375839, u"außerh. Bereich"),
        K("French_last", Revolution, 2380687, u"10.04.14"),
        K("French_after", Revolution, 2380688, u"außerh. Bereich"),
        K("French_leap_day", Revolution, 2376935, u"06.13.03"),
        K("Maya_epoch", Maya, 584283, u"0.0.0.0.0"),
        K("Maya_before", Maya, 584282, u"außerh. Bereich"),
        K("Maya_13_baktun", Maya, 2456283, u"13.0.0.0.0"),
        K("Hebrew_epoch", Juedisch, 347998, u"01.01.01"),
        K("Hebrew_before", Juedisch, 347997, u"außerh. Bereich"),
        // Year 1 has 355 days: the estimate says year 2 and steps back.
        K("Hebrew_end_of_year_1", Juedisch, 348351, u"28.12.01"),
        // The last day of a leap year lies in month 13.
        K("Hebrew_leap_year_end", Juedisch, 2460586, u"29.13.5784"),
        K("Hebrew_5785", Juedisch, 2460587, u"01.01.5785"),
        // Leap days and the switch of 1582.
        K("Julian_switch", Julianisch, 2299160, u"04.10.1582"),
        K("Julian_after_switch", Julianisch, 2299161, u"05.10.1582"),
        K("Gregorian_switch", Gregorianisch, 2299161, u"15.10.1582"),
        K("Western_last_julian", Abendlaendisch, 2299160, u"04.10.1582"),
        K("Western_first_gregorian", Abendlaendisch, 2299161, u"15.10.1582"),
        K("Gregorian_2000", Gregorianisch, 2451545, u"01.01.2000"),
        K("Gregorian_leap_2000", Gregorianisch, 2451604, u"29.02.2000"),
        K("Gregorian_no_leap_1900", Gregorianisch, 2415080, u"01.03.1900"),
        K("Julian_leap_1900", Julianisch, 2415092, u"29.02.1900"),
        K("Iranian_leap_1399", Iranisch_neu, 2459294, u"30.12.1399"),
        K("Iranian_after_leap", Iranisch_neu, 2459295, u"01.01.1400"),
        K("Coptic_leap_day", Koptisch, 2460199, u"06.13.1739"),
        K("Islamic_leap_day", Islamisch, 2460498, u"30.12.1445"),
        // Years before year 1: no year 0 in the texts.
        K("Julian_year_minus_1", Julianisch, 1721423, u"31.12.-01"),
        K("Julian_year_1", Julianisch, 1721424, u"01.01.01"),
        K("Gregorian_year_minus_5", Gregorianisch, 1719783, u"03.07.-05"),
        K("Julian_minus_1000", Julianisch, 1356252, u"20.03.-1000")),
    [](const testing::TestParamInfo<Bekannt>& i) { return std::string(i.param.name); });

#undef K

TEST(DateText, Datum_zusammensetzenPadsDayMonthAndShortYears) {
    EXPECT_EQ(Datum_zusammensetzen(1, 1, -4713), u"01.01.-4713"_qs);
    EXPECT_EQ(Datum_zusammensetzen(5, 3, 5), u"05.03.05"_qs);
    EXPECT_EQ(Datum_zusammensetzen(3, 7, -5), u"03.07.-05"_qs);
    EXPECT_EQ(Datum_zusammensetzen(20, 12, 22666), u"20.12.22666"_qs);
    EXPECT_EQ(Datum_zusammensetzen(31, 12, 0), u"31.12.00"_qs);
}

TEST(DateText, FlooredQuotientAndRemainder) {
    EXPECT_EQ(Rest_abgerundet(-1, 7), 6);
    EXPECT_EQ(Rest_abgerundet(13, 7), 6);
    EXPECT_EQ(Quotient_abgerundet(-1, 7), -1);
    EXPECT_EQ(Quotient_abgerundet(13, 7), 1);
}

std::optional<Zahlfehler> fehler(const Tagesnummer& J) {
    return J ? std::nullopt : std::optional(J.error());
}

struct Lesefall {
    const char* name;
    const char16_t* text;
    std::optional<Zahlfehler> fehler;
    friend void PrintTo(const Lesefall& c, std::ostream* os) { *os << c.name; }
};

class DateReading : public testing::TestWithParam<Lesefall> {};

// What the inverse routines refuse: parts that are not strict integers, and years
// beyond 32 bits (reported as such, never wrapped).
TEST_P(DateReading, RefusesNonIntegerParts) {
    const Lesefall& c = GetParam();
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(fehler(Gregorianisch_zu_JD(text)), c.fehler);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DateReading,
    testing::Values(Lesefall{"one_digit_month", u"20.3.1850", Zahlfehler::Keine_Zahl},
                    Lesefall{"empty", u"", Zahlfehler::Keine_Zahl},
                    Lesefall{"no_year", u"01.01.", Zahlfehler::Keine_Zahl},
                    Lesefall{"letters", u"aa.01.2000", Zahlfehler::Keine_Zahl},
                    Lesefall{"trailing_letter", u"01.01.2000x", Zahlfehler::Keine_Zahl},
                    Lesefall{"leading_blank", u" 1.01.2000", Zahlfehler::Keine_Zahl},
                    Lesefall{"sign_before_day", u"+1.01.2000", std::nullopt},
                    Lesefall{"five_digit_year", u"01.01.22666", std::nullopt},
                    Lesefall{"largest_year", u"01.01.2147483647", std::nullopt},
                    Lesefall{"year_too_large", u"01.01.2147483648", Zahlfehler::Zu_gross},
                    Lesefall{"year_far_too_large", u"01.01.99999999999999999999999",
                             Zahlfehler::Zu_gross},
                    Lesefall{"year_too_small", u"01.01.-2147483649", Zahlfehler::Zu_klein}),
    [](const testing::TestParamInfo<Lesefall>& i) { return std::string(i.param.name); });

// The day before year 1 is the last day of year -1, in every calendar that writes
// years before 1.
TEST(DateText, NoYearZero) {
    for (const auto& k : test::alle_Kalender()) {
        if (k.name == "Juedisch" || k.name == "Revolution" || k.name == "Maya" || k.name == "Bahai")
            continue;
        const Tagesnummer erster = k.rueckwaerts(u"01.01.01");
        ASSERT_TRUE(erster.has_value()) << k.name;
        const QString davor = k.vorwaerts(*erster - 1);
        EXPECT_TRUE(davor.endsWith(u".-01"_qs)) << k.name << ": " << davor.toStdString();
        EXPECT_EQ(k.rueckwaerts(davor).value_or(-1), *erster - 1) << k.name;
    }
}

TEST(DateText, LongNegativeYearsAreReadWhole) {
    // A year of five digits after the minus is not cut to four.
    EXPECT_EQ(Julianisch_zu_JD(u"01.01.-10000"_qs).value() + 365 * 9000 + 9000 / 4,
              Julianisch_zu_JD(u"01.01.-1000"_qs).value());
    EXPECT_EQ(Revolution_zu_JD(u"01.01.10000"_qs).value() -
                  Revolution_zu_JD(u"01.01.1000"_qs).value(),
              9000 / 4 * 1461);
}

TEST(Hebrew, NewYearsGiveOnlyTheSixYearLengths) {
    EXPECT_EQ(Juedisches_Neujahr(1), 347998);
    EXPECT_EQ(Juedisches_Neujahr(5785), 2460587);
    qint64 neujahr = Juedisches_Neujahr(1);
    for (qint64 jahr = 1; jahr <= 30000; ++jahr) {
        const qint64 folgejahr = Juedisches_Neujahr(jahr + 1);
        const qint64 laenge = folgejahr - neujahr;
        ASSERT_TRUE(laenge == 353 || laenge == 354 || laenge == 355 || laenge == 383 ||
                    laenge == 384 || laenge == 385)
            << "year " << jahr << " has " << laenge << " days";
        neujahr = folgejahr;
    }
}

TEST(Hebrew, MonthsAreNotComparedWithTheYear) {
    // Month 13 of a common year adds the stop mark of 1000 days.
    EXPECT_EQ(Juedisch_zu_JD(u"01.13.5785"_qs).value(), 2460587 + 1000);
    // A day past the month's end runs on into the next month.
    EXPECT_EQ(Juedisch_zu_JD(u"31.01.5785"_qs).value(), Juedisch_zu_JD(u"01.02.5785"_qs).value());
}

TEST(Hebrew, YearsBeforeOneAndImpossibleMonthsAreRefused) {
    for (const char16_t* text :
         {u"01.01.-5", u"01.01.00", u"01.00.5785", u"01.-1.5785", u"01.14.5785"})
        EXPECT_EQ(fehler(Juedisch_zu_JD(QString::fromUtf16(text))), Zahlfehler::Keine_Zahl)
            << QString::fromUtf16(text).toStdString();
}

TEST(Western, SkippedDaysAreRecognisedByValue) {
    for (int tag = 5; tag <= 14; ++tag)
        EXPECT_TRUE(Abendlaendisch_fehlender_Tag(Datum_zusammensetzen(tag, 10, 1582))) << tag;
    EXPECT_TRUE(Abendlaendisch_fehlender_Tag(u"10.10.01582"_qs));
    EXPECT_TRUE(Abendlaendisch_fehlender_Tag(u"10.10.+1582"_qs));
    EXPECT_FALSE(Abendlaendisch_fehlender_Tag(u"04.10.1582"_qs));
    EXPECT_FALSE(Abendlaendisch_fehlender_Tag(u"15.10.1582"_qs));
    EXPECT_FALSE(Abendlaendisch_fehlender_Tag(u"10.10.1583"_qs));
}

TEST(Western, JulianBeforeTheSwitchGregorianAfter) {
    EXPECT_EQ(Abendlaendisch_zu_JD(u"01.01.1000"_qs), Julianisch_zu_JD(u"01.01.1000"_qs));
    EXPECT_EQ(Abendlaendisch_zu_JD(u"30.09.1582"_qs), Julianisch_zu_JD(u"30.09.1582"_qs));
    EXPECT_EQ(Abendlaendisch_zu_JD(u"01.11.1582"_qs), Gregorianisch_zu_JD(u"01.11.1582"_qs));
    EXPECT_EQ(Abendlaendisch_zu_JD(u"01.01.1583"_qs), Gregorianisch_zu_JD(u"01.01.1583"_qs));
}

TEST(Maya, PiecesAreNotLimitedToTheirRanges) {
    // An uinal of 25 is simply 25 times 20 days.
    EXPECT_EQ(Maya_zu_JD(u"0.0.0.25.0"_qs).value(), Maya_Beginn + 500);
    EXPECT_EQ(Maya_zu_JD(u"0.0.0.0.-1"_qs).value(), Maya_Beginn - 1);
    EXPECT_EQ(fehler(Maya_zu_JD(u"7.17.18"_qs)), Zahlfehler::Keine_Zahl);
    EXPECT_EQ(fehler(Maya_zu_JD(u"3000000000.0.0.0.0"_qs)), Zahlfehler::Zu_gross);
}

} // namespace
