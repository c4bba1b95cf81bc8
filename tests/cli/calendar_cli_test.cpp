#include "cli_run.h"

#include <gtest/gtest.h>

namespace {

using talvero::test::cli;
using talvero::test::Lauf;
using talvero::test::Testumgebung;

TEST(CalendarCli, Weekday) {
    Testumgebung env;
    const Lauf dienstag = cli(env, {u"weekday"_qs, u"23.04.2024"_qs});
    EXPECT_EQ(dienstag.code, 0);
    EXPECT_EQ(dienstag.out, u"Wochentag = Dienstag\n"_qs);
    EXPECT_TRUE(dienstag.err.isEmpty());

    const Lauf vorher = cli(env, {u"weekday"_qs, u"31.12.-4714"_qs});
    EXPECT_EQ(vorher.out, u"Wochentag = Sonntag\n"_qs);

    const Lauf luecke = cli(env, {u"weekday"_qs, u"10.10.1582"_qs});
    EXPECT_EQ(luecke.code, 1);
    EXPECT_TRUE(luecke.out.isEmpty());
    EXPECT_EQ(luecke.err, u"Falsche Eingabe im Werteingabeld! Bitte ändern! Das eingegebene Datum "
                          u"ist im Abendländischen Kalender nicht vorhanden.\n"_qs);

    EXPECT_EQ(cli(env, {u"weekday"_qs, u"31.13.2024"_qs}).code, 1);
}

TEST(CalendarCli, Feasts) {
    Testumgebung env;
    const Lauf julianisch = cli(env, {u"feasts"_qs, u"2024"_qs, u"--julian"_qs});
    EXPECT_EQ(julianisch.code, 0);
    EXPECT_EQ(julianisch.out, u"Fastnachtsdienstag am 06.03.2024\n"
                              u"Aschermittwoch am 07.03.2024\n"
                              u"Ostersonntag am 22.04.2024\n"
                              u"Christi Himmelfahrt am 31.05.2024\n"
                              u"Pfingstsonntag am 10.06.2024\n"
                              u"Fronleichnam am 21.06.2024\n"_qs);

    const Lauf gregorianisch = cli(env, {u"feasts"_qs, u"2024"_qs});
    EXPECT_TRUE(gregorianisch.out.startsWith(u"Fastnachtsdienstag am 13.02.2024\n"_qs));

    const Lauf zu_frueh = cli(env, {u"feasts"_qs, u"1582"_qs});
    EXPECT_EQ(zu_frueh.code, 1);
    EXPECT_TRUE(zu_frueh.out.isEmpty());
    EXPECT_TRUE(
        zu_frueh.err.startsWith(u"Der gregorianische Kalender kann erst ab dem Jahre 1583"_qs));

    const Lauf negativ = cli(env, {u"feasts"_qs, u"-1000"_qs, u"--julian"_qs});
    EXPECT_EQ(negativ.code, 1);
    EXPECT_TRUE(negativ.err.startsWith(u"Das Osterfest und damit die Feiertage"_qs));
}

TEST(CalendarCli, WrongCalls) {
    Testumgebung env;
    for (const QStringList& args :
         {QStringList{u"weekday"_qs}, QStringList{u"weekday"_qs, QString()},
          QStringList{u"weekday"_qs, u"01.01.2000"_qs, u"02.01.2000"_qs}, QStringList{u"feasts"_qs},
          QStringList{u"feasts"_qs, u"--julian"_qs},
          QStringList{u"feasts"_qs, u"2024"_qs, u"2025"_qs}}) {
        const Lauf lauf = cli(env, args);
        EXPECT_EQ(lauf.code, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(lauf.err.startsWith(u"Aufruf: talvero-cli"_qs));
    }
}

} // namespace
