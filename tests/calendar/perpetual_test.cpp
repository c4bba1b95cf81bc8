#include "calendar/easter.h"
#include "calendar/perpetual.h"

#include <gtest/gtest.h>

namespace {

using namespace talvero;

struct Wochentagfall {
    const char* name;
    const char16_t* datum;
    const char16_t* tag;
    friend void PrintTo(const Wochentagfall& c, std::ostream* os) { *os << c.name; }
};

class Weekday : public testing::TestWithParam<Wochentagfall> {};

TEST_P(Weekday, NamesTheDay) {
    const Kalenderantwort a = Wochentag_ermitteln(QString::fromUtf16(GetParam().datum));
    ASSERT_FALSE(a.Fehler.has_value()) << a.Fehler->text.toStdString();
    EXPECT_EQ(a.Zeilen, QStringList{u"Wochentag = "_qs + QString::fromUtf16(GetParam().tag)});
}

INSTANTIATE_TEST_SUITE_P(
    Dates, Weekday,
    testing::Values(Wochentagfall{"tuesday_2024", u"23.04.2024", u"Dienstag"},
                    Wochentagfall{"day_0", u"01.01.-4713", u"Montag"},
                    Wochentagfall{"last_julian_day", u"04.10.1582", u"Donnerstag"},
                    Wochentagfall{"first_gregorian_day", u"15.10.1582", u"Freitag"},
                    Wochentagfall{"y2k", u"01.01.2000", u"Samstag"},
                    Wochentagfall{"first_day_of_year_1", u"01.01.01", u"Samstag"},
                    Wochentagfall{"day_before_day_0", u"31.12.-4714", u"Sonntag"},
                    Wochentagfall{"week_before_day_0", u"25.12.-4714", u"Montag"},
                    Wochentagfall{"far_before_day_0", u"26.12.-4714", u"Dienstag"},
                    // 1288 Julian years before day 0: 470442 days, 67206 whole weeks.
                    Wochentagfall{"before_4800_bc", u"01.01.-6001", u"Montag"},
                    Wochentagfall{"far_future", u"01.01.100000", u"Samstag"},
                    Wochentagfall{"largest_year", u"31.12.2147483647", u"Dienstag"}),
    [](const testing::TestParamInfo<Wochentagfall>& i) { return std::string(i.param.name); });

TEST(Weekday, BeforeDay0TheWeekGoesOn) {
    // Seven consecutive days before day 0 are seven different weekdays in order.
    const QStringList namen = {u"Sonntag"_qs,    u"Montag"_qs,  u"Dienstag"_qs, u"Mittwoch"_qs,
                               u"Donnerstag"_qs, u"Freitag"_qs, u"Samstag"_qs};
    for (qint64 J = -100; J < 100; ++J)
        EXPECT_EQ(namen.indexOf(Wochentag_Name(J + 1)), (namen.indexOf(Wochentag_Name(J)) + 1) % 7)
            << J;
}

TEST(Weekday, RefusedInputs) {
    const QString form = u"Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das "
                         u"Datum in der folgenden Form ein: 20.03.1850 oder 20.03.-1000. Die "
                         u"Eingabe des Jahres 0 ist nicht zulässig, da das Jahr 0 nicht "
                         u"existiert."_qs;
    const QString lese = u"Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das "
                         u"Datum in der folgenden Form ein: 20.03.1850 oder 20.03.-1000"_qs;
    const QString luecke = u"Falsche Eingabe im Werteingabeld! Bitte ändern! Das eingegebene "
                           u"Datum ist im Abendländischen Kalender nicht vorhanden."_qs;
    const QString bereich = u"Falsche Eingabe im Werteingabeld! Bitte ändern! Es können nur "
                            u"Jahre von -2147483648 bis 2147483647 berechnet werden."_qs;
    const std::pair<QString, QString> faelle[] = {
        {u"10.10.1582"_qs, luecke},
        {u"05.10.1582"_qs, luecke},
        {u"01.01.0"_qs, form},
        {u"32.01.2000"_qs, form},
        {u"1.1.2000"_qs, form},
        {u"01.01.2000 "_qs, form},
        {u"01.01. 2000"_qs, lese},
        {u"01.01.2147483648"_qs, bereich},
        {u"01.01.-99999999999"_qs, bereich},
    };
    for (const auto& [datum, meldung] : faelle) {
        const Kalenderantwort a = Wochentag_ermitteln(datum);
        EXPECT_TRUE(a.Zeilen.isEmpty());
        ASSERT_TRUE(a.Fehler.has_value()) << datum.toStdString();
        EXPECT_EQ(a.Fehler->text, meldung) << datum.toStdString();
        EXPECT_EQ(a.Fehler->fokus, u"Edit1"_qs);
        EXPECT_EQ(a.Fehler->art, Meldungsart::Fehler);
    }
    const Kalenderantwort leer = Wochentag_ermitteln(QString());
    EXPECT_TRUE(leer.Zeilen.isEmpty());
    EXPECT_FALSE(leer.Fehler.has_value());
}

TEST(Easter, KnownSundays) {
    const std::pair<int, QString> gregorianisch[] = {
        {1583, u"10.04."_qs}, {1981, u"19.04."_qs}, {2000, u"23.04."_qs}, {2024, u"31.03."_qs},
        {2076, u"19.04."_qs}, {2285, u"22.03."_qs}, {2038, u"25.04."_qs}, {1818, u"22.03."_qs},
    };
    for (const auto& [jahr, text] : gregorianisch)
        EXPECT_EQ(Ostern_gregorianisch(jahr), text) << jahr;
    const std::pair<int, QString> julianisch[] = {
        {532, u"11.04."_qs},
        {2024, u"22.04."_qs},
        {2025, u"07.04."_qs},
        {1582, u"15.04."_qs},
    };
    for (const auto& [jahr, text] : julianisch)
        EXPECT_EQ(Ostern_julianisch(jahr), text) << jahr;
}

TEST(Feasts, Gregorian2024) {
    const Kalenderantwort a = Feiertage_ermitteln(u"2024"_qs, false);
    ASSERT_FALSE(a.Fehler.has_value());
    EXPECT_EQ(a.Zeilen, (QStringList{
                            u"Fastnachtsdienstag am 13.02.2024"_qs,
                            u"Aschermittwoch am 14.02.2024"_qs,
                            u"Ostersonntag am 31.03.2024"_qs,
                            u"Christi Himmelfahrt am 09.05.2024"_qs,
                            u"Pfingstsonntag am 19.05.2024"_qs,
                            u"Fronleichnam am 30.05.2024"_qs,
                        }));
}

TEST(Feasts, Julian2024) {
    const Kalenderantwort a = Feiertage_ermitteln(u"2024"_qs, true);
    ASSERT_FALSE(a.Fehler.has_value());
    EXPECT_EQ(a.Zeilen, (QStringList{
                            u"Fastnachtsdienstag am 06.03.2024"_qs,
                            u"Aschermittwoch am 07.03.2024"_qs,
                            u"Ostersonntag am 22.04.2024"_qs,
                            u"Christi Himmelfahrt am 31.05.2024"_qs,
                            u"Pfingstsonntag am 10.06.2024"_qs,
                            u"Fronleichnam am 21.06.2024"_qs,
                        }));
}

TEST(Feasts, FiveDigitYearAndTheYearAsTyped) {
    const Kalenderantwort a = Feiertage_ermitteln(u"10000"_qs, false);
    ASSERT_FALSE(a.Fehler.has_value());
    ASSERT_EQ(a.Zeilen.size(), 6);
    EXPECT_EQ(a.Zeilen[2], u"Ostersonntag am "_qs + Ostern_gregorianisch(10000) + u"10000"_qs);
    EXPECT_TRUE(a.Zeilen[5].endsWith(u".10000"_qs));
    // A typed leading zero stays in the line.
    EXPECT_EQ(Feiertage_ermitteln(u"02000"_qs, false).Zeilen.value(2),
              u"Ostersonntag am 23.04.02000"_qs);
}

TEST(Feasts, LimitsOfTheCalendars) {
    const QString gregorianisch = u"Der gregorianische Kalender kann erst ab dem Jahre 1583 "
                                  u"berechnet werden. Bitte wählen Sie für frühere Daten den "
                                  u"Julianischen Kalender!"_qs;
    const QString ostertafeln = u"Das Osterfest und damit die Feiertage können erst ab dem Jahre "
                                u"532 berechnet werden, nachdem Dionysius Exiguus die sog. "
                                u"Ostertafeln veröffentlicht hatte. Vor dieser Zeit war das Datum "
                                u"des Osterfestes regional unterschiedlich."_qs;
    const QString form = u"Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das "
                         u"Jahr in der folgenden Form ein: 1850 oder -1000."_qs;
    const QString bereich = u"Falsche Eingabe im Werteingabeld! Bitte ändern! Es können nur "
                            u"Jahre von -2147483648 bis 2147483647 berechnet werden."_qs;
    struct Fall {
        QString jahr;
        bool julianisch;
        QString meldung;
        QString fokus;
    };
    const Fall faelle[] = {
        {u"1582"_qs, false, gregorianisch, {}},  {u"531"_qs, true, ostertafeln, {}},
        {u"531"_qs, false, gregorianisch, {}},   {u"-1000"_qs, true, ostertafeln, {}},
        {u"20x4"_qs, false, form, u"Edit2"_qs},  {u"2024,5"_qs, false, form, u"Edit2"_qs},
        {u" 2024"_qs, false, form, u"Edit2"_qs}, {u"2147483648"_qs, false, bereich, u"Edit2"_qs},
    };
    for (const Fall& f : faelle) {
        const Kalenderantwort a = Feiertage_ermitteln(f.jahr, f.julianisch);
        EXPECT_TRUE(a.Zeilen.isEmpty()) << f.jahr.toStdString();
        ASSERT_TRUE(a.Fehler.has_value()) << f.jahr.toStdString();
        EXPECT_EQ(a.Fehler->text, f.meldung) << f.jahr.toStdString();
        EXPECT_EQ(a.Fehler->fokus, f.fokus) << f.jahr.toStdString();
    }
    EXPECT_EQ(Feiertage_ermitteln(u"1582"_qs, true).Zeilen.size(), 6);
    EXPECT_EQ(Feiertage_ermitteln(u"532"_qs, true).Zeilen.value(2),
              u"Ostersonntag am 11.04.532"_qs);
    EXPECT_EQ(Feiertage_ermitteln(u"2147483647"_qs, false).Zeilen.size(), 6);
    const Kalenderantwort leer = Feiertage_ermitteln(QString(), false);
    EXPECT_TRUE(leer.Zeilen.isEmpty());
    EXPECT_FALSE(leer.Fehler.has_value());
}

} // namespace
