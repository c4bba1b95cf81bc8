#include "entries.h"

#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

// Mile, metre, a unit without a factor and the picometre.
ObjektListe Laengen() {
    return {Eintrag(u"Meile"_qs, 1609.344L, 0), Eintrag(u"Meter"_qs, 1, 1),
            Eintrag(u"Ohne Faktor"_qs, 0, 2), Eintrag(u"Pikometer"_qs, 1e-12L, 3)};
}

struct FaktorFall {
    const char* name;
    int quelle;
    const char16_t* eingabe;
    QStringList festkomma;
    QStringList wiss;
    friend void PrintTo(const FaktorFall& c, std::ostream* os) { *os << c.name; }
};

class FaktorTest : public testing::TestWithParam<FaktorFall> {};

TEST_P(FaktorTest, Converts) {
    const FaktorFall& c = GetParam();
    const Umrechnungsergebnis r =
        Rechnen(u"Länge"_qs, Laengen(), c.quelle, QString::fromUtf16(c.eingabe));
    ASSERT_TRUE(r.Berechnet) << Meldungstext(r).toStdString();
    EXPECT_TRUE(r.Meldungen.empty());
    EXPECT_EQ(Festkomma(r), c.festkomma);
    if (!c.wiss.isEmpty()) {
        EXPECT_EQ(Wissenschaftlich(r), c.wiss);
    }
}

INSTANTIATE_TEST_SUITE_P(Faktor, FaktorTest,
                         testing::Values(FaktorFall{"mileToMetre",
                                                    0,
                                                    u"1,5",
                                                    {u"1,5000000000"_qs, u"2.414,0160000"_qs,
                                                     u"0,000000E+0000"_qs, u"2,414016E+0015"_qs},
                                                    {u"1,500000E+0000"_qs, u"2,414016E+0003"_qs,
                                                     u"0,000000E+0000"_qs, u"2,414016E+0015"_qs}},
                                         FaktorFall{"pointAndBlanksInFront",
                                                    1,
                                                    u"  1609.344",
                                                    {u"1,0000000000"_qs, u"1.609,3440000"_qs,
                                                     u"0,000000E+0000"_qs, u"1,609344E+0015"_qs},
                                                    {}},
                                         FaktorFall{"negativeLikePositive",
                                                    0,
                                                    u"-2",
                                                    {u"-2,0000000000"_qs, u"-3.218,6880000"_qs,
                                                     u"0,000000E+0000"_qs, u"-3,218688E+0015"_qs},
                                                    {}},
                                         FaktorFall{"exponent",
                                                    1,
                                                    u"1,5e3",
                                                    {u"0,9320567884"_qs, u"1.500,0000000"_qs,
                                                     u"0,000000E+0000"_qs, u"1,500000E+0015"_qs},
                                                    {}},
                                         FaktorFall{"sourceWithoutFactorGivesZero",
                                                    2,
                                                    u"5",
                                                    {u"0,000000E+0000"_qs, u"0,000000E+0000"_qs,
                                                     u"0,000000E+0000"_qs, u"0,000000E+0000"_qs},
                                                    {}},
                                         FaktorFall{"beyondLongDoubleShowsNoValue",
                                                    0,
                                                    u"1e4928",
                                                    {u"1,000000E+4928"_qs, u"1,609344E+4931"_qs,
                                                     u"0,000000E+0000"_qs, u"keine Angabe"_qs},
                                                    {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FaktorTest, ZeroAndUnreadableValuesAreEntryErrors) {
    for (const QString& eingabe :
         {u"0"_qs, u"0,0"_qs, u"-0"_qs, u""_qs, u"1,5 "_qs, u"1.000,5"_qs, u"1e-99999"_qs}) {
        const Umrechnungsergebnis r = Rechnen(u"Länge"_qs, Laengen(), 0, eingabe);
        EXPECT_FALSE(r.Berechnet) << eingabe.toStdString();
        ASSERT_EQ(r.Meldungen.size(), 1u);
        EXPECT_EQ(r.Meldungen[0],
                  (Meldung{Meldungsart::Fehler, Eingabefehler_Text, u"Edit_Eingabe"_qs}));
    }
}

} // namespace
