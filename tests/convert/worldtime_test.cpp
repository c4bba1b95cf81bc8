#include "entries.h"

#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

// Zones by their offset in hours.
ObjektListe Zonen() {
    return {Eintrag(u"UTC+1"_qs, 1, 0),       Eintrag(u"UTC+3"_qs, 3, 1),
            Eintrag(u"UTC-4"_qs, -4, 2),      Eintrag(u"UTC"_qs, 0, 3),
            Eintrag(u"UTC+5:30"_qs, 5.5L, 4), Eintrag(u"UTC+14"_qs, 14, 5),
            Eintrag(u"UTC-12"_qs, -12, 6)};
}

struct ZeitFall {
    const char* name;
    int quelle;
    const char16_t* eingabe;
    QStringList texte;
    friend void PrintTo(const ZeitFall& c, std::ostream* os) { *os << c.name; }
};

class WeltzeitTest : public testing::TestWithParam<ZeitFall> {};

TEST_P(WeltzeitTest, ShowsTheTimeInEveryZone) {
    const ZeitFall& c = GetParam();
    const Umrechnungsergebnis r =
        Rechnen(u"Weltzeit"_qs, Zonen(), c.quelle, QString::fromUtf16(c.eingabe));
    ASSERT_TRUE(r.Berechnet) << Meldungstext(r).toStdString();
    EXPECT_EQ(Festkomma(r), c.texte);
    EXPECT_EQ(Wissenschaftlich(r), c.texte);
}

INSTANTIATE_TEST_SUITE_P(
    Zeiten, WeltzeitTest,
    testing::Values(
        ZeitFall{"lateEvening",
                 0,
                 u"23:30",
                 {u"23:30"_qs, u"01:30 nä. Tag"_qs, u"18:30"_qs, u"22:30"_qs, u"04:00 nä. Tag"_qs,
                  u"12:30 nä. Tag"_qs, u"10:30"_qs}},
        ZeitFall{"afterMidnight",
                 0,
                 u"00:30",
                 {u"00:30"_qs, u"02:30"_qs, u"19:30 Vortag"_qs, u"23:30 Vortag"_qs, u"05:00"_qs,
                  u"13:30"_qs, u"11:30 Vortag"_qs}},
        ZeitFall{"twentyFourIsMidnight",
                 3,
                 u"24:00",
                 {u"01:00"_qs, u"03:00"_qs, u"20:00 Vortag"_qs, u"00:00"_qs, u"05:30"_qs,
                  u"14:00"_qs, u"12:00 Vortag"_qs}},
        ZeitFall{"minutesBeyond59",
                 3,
                 u"10:75",
                 {u"12:15"_qs, u"14:15"_qs, u"07:15"_qs, u"11:15"_qs, u"16:45"_qs,
                  u"01:15 nä. Tag"_qs, u"23:15 Vortag"_qs}},
        // Kiribati and Baker Island are 26 hours apart.
        ZeitFall{"twoDaysApart",
                 6,
                 u"23:59",
                 {u"12:59 nä. Tag"_qs, u"14:59 nä. Tag"_qs, u"07:59 nä. Tag"_qs,
                  u"11:59 nä. Tag"_qs, u"17:29 nä. Tag"_qs, u"01:59 +2 Tage"_qs, u"23:59"_qs}},
        ZeitFall{"twoDaysBack",
                 5,
                 u"00:00",
                 {u"11:00 Vortag"_qs, u"13:00 Vortag"_qs, u"06:00 Vortag"_qs, u"10:00 Vortag"_qs,
                  u"15:30 Vortag"_qs, u"00:00"_qs, u"22:00 -2 Tage"_qs}},
        ZeitFall{"negativeHourIsTheEveningBefore",
                 3,
                 u"-1:30",
                 {u"00:30"_qs, u"02:30"_qs, u"19:30 Vortag"_qs, u"23:30 Vortag"_qs, u"05:00"_qs,
                  u"13:30"_qs, u"11:30 Vortag"_qs}},
        ZeitFall{"negativeMinutesCountBack",
                 3,
                 u"10:-15",
                 {u"10:45"_qs, u"12:45"_qs, u"05:45"_qs, u"09:45"_qs, u"15:15"_qs, u"23:45"_qs,
                  u"21:45 Vortag"_qs}},
        ZeitFall{"blanksAround",
                 3,
                 u"  07:05 ",
                 {u"08:05"_qs, u"10:05"_qs, u"03:05"_qs, u"07:05"_qs, u"12:35"_qs, u"21:05"_qs,
                  u"19:05 Vortag"_qs}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WeltzeitTest, RejectsWhatIsNoClockTime) {
    for (const QString& eingabe : {u"24:01"_qs, u"25:00"_qs, u"12"_qs, u""_qs, u"12:"_qs, u":30"_qs,
                                   u"12:30:00"_qs, u"1 2:30"_qs, u"12,5:00"_qs, u"\u22121:00"_qs,
                                   u"-24:-01"_qs, u"99999999999:00"_qs, u"0x1F:00"_qs}) {
        const Umrechnungsergebnis r = Rechnen(u"Weltzeit"_qs, Zonen(), 0, eingabe);
        EXPECT_FALSE(r.Berechnet) << eingabe.toStdString();
        ASSERT_EQ(r.Meldungen.size(), 1u);
        EXPECT_EQ(r.Meldungen[0], (Meldung{Meldungsart::Fehler,
                                           u"Falsche Eingabe im Werteingabeld! Uhrzeit im Format "
                                           u">> hh:mm << eingeben!"_qs,
                                           u"Edit_Eingabe"_qs}));
    }
}

} // namespace
