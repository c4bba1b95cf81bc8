#include "entries.h"

#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

// The ten scales at their lines, and an eleventh unit after them.
ObjektListe Temperaturen() {
    return Einheiten({u"Celsius"_qs, u"centigrade"_qs, u"Fahrenheit"_qs, u"Kelvin"_qs,
                      u"Rankine"_qs, u"Hundertteilig"_qs, u"Fahrenheit USA"_qs, u"Rankine USA"_qs,
                      u"Réaumur"_qs, u"Grad Kelvin"_qs, u"Zusatz"_qs});
}

struct TemperaturFall {
    const char* name;
    int quelle;
    const char16_t* eingabe;
    int ziel;
    const char16_t* festkomma;
    const char16_t* wiss;
    friend void PrintTo(const TemperaturFall& c, std::ostream* os) { *os << c.name; }
};

class TemperaturTest : public testing::TestWithParam<TemperaturFall> {};

TEST_P(TemperaturTest, Converts) {
    const TemperaturFall& c = GetParam();
    const Umrechnungsergebnis r =
        Rechnen(u"Temperatur"_qs, Temperaturen(), c.quelle, QString::fromUtf16(c.eingabe));
    ASSERT_TRUE(r.Berechnet) << Meldungstext(r).toStdString();
    EXPECT_EQ(r.Ergebnisse.at(c.ziel).fliess.text(), QString::fromUtf16(c.festkomma));
    if (c.wiss) {
        EXPECT_EQ(r.Ergebnisse.at(c.ziel).wiss.text(), QString::fromUtf16(c.wiss));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Skalen, TemperaturTest,
    testing::Values(
        TemperaturFall{"boilingToFahrenheit", 0, u"100", 2, u"212,00000000", u"2,120000E+0002"},
        TemperaturFall{"boilingToFahrenheitUsa", 1, u"100", 6, u"212,00000000", nullptr},
        TemperaturFall{"boilingToKelvin", 0, u"100", 3, u"373,15000000", nullptr},
        TemperaturFall{"boilingToRankine", 5, u"100", 4, u"671,67000000", nullptr},
        TemperaturFall{"boilingToRankineUsa", 0, u"100", 7, u"671,67000000", nullptr},
        TemperaturFall{"boilingToReaumur", 0, u"100", 8, u"80,000000000", nullptr},
        TemperaturFall{"boilingToOldKelvin", 0, u"100", 9, u"373,15000000", nullptr},
        TemperaturFall{"minus40IsTheSame", 0, u"-40", 2, u"-40,000000000", u"-4,000000E+0001"},
        TemperaturFall{"negativeFractionNotSnapped", 0, u"-26", 2, u"-14,800000000", nullptr},
        TemperaturFall{"zeroCelsiusInKelvin", 0, u"0", 3, u"273,15000000", nullptr},
        TemperaturFall{"zeroShownWithTenDecimals", 0, u"0", 0, u"0,0000000000", u"0,000000E+0000"},
        TemperaturFall{"absoluteZero", 0, u"-273,15", 3, u"0,0000000000", u"0,000000E+0000"},
        TemperaturFall{"belowAbsoluteZeroIsNotChecked", 3, u"-10", 0, u"-283,15000000", nullptr},
        TemperaturFall{"fahrenheitToCelsius", 6, u"212", 0, u"100,00000000", nullptr},
        TemperaturFall{"reaumurToCelsius", 8, u"80", 1, u"100,00000000", nullptr},
        TemperaturFall{"rankineToKelvin", 7, u"491,67", 9, u"273,15000000", nullptr},
        TemperaturFall{"nearlyWholeFahrenheitSnaps", 2, u"5,00000000009", 6, u"5,0000000000",
                       nullptr},
        TemperaturFall{"fractionalFahrenheitKept", 2, u"5,0000001", 6, u"5,0000001000", nullptr},
        TemperaturFall{"thousandsSeparators", 0, u"123456", 3, u"123.729,15000", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// Only the first ten lines have a scale; an eleventh unit has no formula.
TEST(TemperaturTest, UnitsAfterTheTenthLineHaveNoScale) {
    const Umrechnungsergebnis r = Rechnen(u"Temperatur"_qs, Temperaturen(), 0, u"20"_qs);
    ASSERT_TRUE(r.Berechnet);
    EXPECT_EQ(r.Ergebnisse.at(10), Textpaar(u"keine Angabe"_qs));

    const Umrechnungsergebnis von = Rechnen(u"Temperatur"_qs, Temperaturen(), 10, u"20"_qs);
    EXPECT_FALSE(von.Berechnet);
    EXPECT_EQ(Meldungstext(von),
              u"Für diese Einheit ist keine Umrechnungsformel bekannt. Sie kann nicht "
              u"umgerechnet werden."_qs);
}

TEST(TemperaturTest, UnreadableValueIsAnEntryError) {
    const Umrechnungsergebnis r = Rechnen(u"Temperatur"_qs, Temperaturen(), 0, u"20 °C"_qs);
    EXPECT_FALSE(r.Berechnet);
    EXPECT_EQ(Meldungstext(r), Eingabefehler_Text);
}

} // namespace
