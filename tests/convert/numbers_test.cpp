#include "convert/numbers.h"

#include <gtest/gtest.h>

using namespace talvero;

namespace {

struct PairCase {
    const char* name;
    long double x;
    const char16_t* wiss;
    const char16_t* fliess;
    friend void PrintTo(const PairCase& c, std::ostream* os) { *os << c.name; }
};

class StandardPairTest : public testing::TestWithParam<PairCase> {};

TEST_P(StandardPairTest, Texts) {
    const PairCase& c = GetParam();
    const Ergebnispaar p = Standardpaar(c.x);
    EXPECT_EQ(p.wiss.text(), QString::fromUtf16(c.wiss));
    EXPECT_EQ(p.fliess.text(), QString::fromUtf16(c.fliess));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, StandardPairTest,
    testing::Values(PairCase{"mile", 1609.344L, u"1,609344E+0003", u"1.609,3440000"},
                    PairCase{"inch", 0.0254L, u"2,540000E-0002", u"0,0254000000"},
                    PairCase{"one", 1.0L, u"1,000000E+0000", u"1,0000000000"},
                    PairCase{"zero", 0.0L, u"0,000000E+0000", u"0,000000E+0000"},
                    PairCase{"minus40", -40.0L, u"-4,000000E+0001", u"-40,000000000"},
                    PairCase{"thousands", 123456.789L, u"1,234568E+0005", u"123.456,78900"},
                    PairCase{"negativeThousands", -123456.5L, u"-1,234565E+0005",
                             u"-123.456,50000"},
                    PairCase{"noDecimals", 12345678901.0L, u"1,234568E+0010", u"12345678901"},
                    PairCase{"twoDecimals", 999999999.99L, u"1,000000E+0009", u"999.999.999,99"},
                    PairCase{"tooLarge", 1e13L, u"1,000000E+0013", u"1,000000E+0013"},
                    PairCase{"tooSmall", 4e-11L, u"4,000000E-0011", u"4,000000E-0011"},
                    PairCase{"justLargeEnough", 7e-11L, u"7,000000E-0011", u"0,0000000001"},
                    PairCase{"roundsUp", 9.99999999996L, u"1,000000E+0001", u"10,0000000000"},
                    PairCase{"cutAfter15", -1234567890.12L, u"-1,234568E+0009", u"-1.234.567.890,"},
                    PairCase{"largeExponent", 1.5e4000L, u"1,500000E+4000", u"1,500000E+4000"},
                    PairCase{"upperBound", 9.9e12L, u"9,900000E+0012", u"9900000000000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormattingTest, DecimalsRule) {
    EXPECT_EQ(Formatierung(0), 10);
    EXPECT_EQ(Formatierung(9.999), 10);
    EXPECT_EQ(Formatierung(10), 9);
    EXPECT_EQ(Formatierung(-999.9), 8);
    EXPECT_EQ(Formatierung(1e9), 1);
    EXPECT_EQ(Formatierung(9999999999.0), 1);
    EXPECT_EQ(Formatierung(1e10), 0);
    EXPECT_EQ(Formatierung(1e300), 0);
}

TEST(FormattingTest, ThousandsSeparators) {
    EXPECT_EQ(TausenderTrennzeichen(u"1234567,5"_qs), u"1.234.567,5"_qs);
    EXPECT_EQ(TausenderTrennzeichen(u"123456,5"_qs), u"123.456,5"_qs);
    EXPECT_EQ(TausenderTrennzeichen(u"-123456,5"_qs), u"-123.456,5"_qs);
    EXPECT_EQ(TausenderTrennzeichen(u"12345678901"_qs), u"12345678901"_qs);
    EXPECT_EQ(TausenderTrennzeichen(u"123,5"_qs), u"123,5"_qs);
    EXPECT_EQ(TausenderTrennzeichen(u"1,609344E+0003"_qs), u"1,609344E+0003"_qs);
}

TEST(FormattingTest, Forms) {
    EXPECT_EQ(Festkomma_Form(2.5L, 0), u"2"_qs) << "ties to even";
    EXPECT_EQ(Festkomma_Form(-0.0L, 2), u"0,00"_qs);
    EXPECT_EQ(Wissenschaftliche_Form(-0.0L), u"0,000000E+0000"_qs);
    EXPECT_EQ(Tausche(u"1.5.6"_qs, u'.', u','), u"1,5,6"_qs);
    EXPECT_DOUBLE_EQ(Ipo(10, 20, 1, 2, 1.5), 15);
}

TEST(FormattingTest, NonFiniteValuesNeverShowAsInfOrNan) {
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(Standardpaar(inf).wiss.text(), Keine_Angabe());
    EXPECT_EQ(Standardpaar(std::nanl("")).fliess.text(), Keine_Angabe());
}

TEST(FormattingTest, Variants) {
    EXPECT_EQ(Temperaturpaar(0), (Ergebnispaar{u"0,000000E+0000", u"0,0000000000"}));
    EXPECT_EQ(Temperaturpaar(5e-11L), (Ergebnispaar{u"0,000000E+0000", u"0,0000000000"}));
    EXPECT_EQ(Temperaturpaar(-273.15L).fliess.text(), u"-273,15000000"_qs);
    EXPECT_EQ(Araeometerpaar(5e-7L).fliess.text(), u"0,000000E+0000"_qs);
    EXPECT_EQ(Viskositaetspaar(12345.5L), (Ergebnispaar{u"1,234550E+0004", u"12345,500000"}));
    EXPECT_EQ(Schuhpaar(42.25L), (Ergebnispaar{u"4,225000E+0001", u"42,2"}));
    EXPECT_EQ(Schuhpaar(-1), (Ergebnispaar{u"keine Angabe", u"keine Angabe"}));
    EXPECT_EQ(Standardpaar(1234.5L, false).fliess.text(), u"1234,5000000"_qs);
    EXPECT_EQ(Textpaar(u"XIV"_qs), (Ergebnispaar{u"XIV", u"XIV"}));
}

struct ReadCase {
    const char* name;
    const char16_t* text;
    std::optional<long double> expected;
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class ValueReadingTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ValueReadingTest, Reads) {
    EXPECT_EQ(Zahl_lesen(QString::fromUtf16(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValueReadingTest,
    testing::Values(
        ReadCase{"comma", u"1,5", 1.5L}, ReadCase{"point", u"1.5", 1.5L},
        ReadCase{"exponent", u"1,5e3", 1500.0L}, ReadCase{"leadingBlanks", u"   1,5", 1.5L},
        ReadCase{"trailingBlank", u"1,5 ", std::nullopt}, ReadCase{"empty", u"", std::nullopt},
        ReadCase{"blank", u"   ", std::nullopt},
        ReadCase{"thousandsPoint", u"1.000,5", std::nullopt},
        ReadCase{"letters", u"abc", std::nullopt}, ReadCase{"doubleSign", u"--5", std::nullopt},
        ReadCase{"hex", u"0x1F", std::nullopt}, ReadCase{"twoCommas", u"1,5,5", std::nullopt},
        ReadCase{"unicodeMinus", u"\u22125", std::nullopt},
        ReadCase{"innerBlank", u"1 5", std::nullopt},
        ReadCase{"overflow", u"1e99999", std::nullopt},
        ReadCase{"bareExponent", u"1e", std::nullopt}, ReadCase{"onlyPoint", u".", std::nullopt},
        ReadCase{"leadingPoint", u",5", 0.5L}, ReadCase{"negative", u"-40", -40.0L},
        ReadCase{"arabicDigits", u"\u0661", std::nullopt},
        ReadCase{"longDigits", u"123456789012345678901234567890",
                 123456789012345678901234567890.0L}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
