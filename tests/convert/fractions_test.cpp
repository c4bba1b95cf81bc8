#include "entries.h"

#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

constexpr int Bruch = 0;
constexpr int Dezimalzahl = 1;

ObjektListe Brueche() {
    return Einheiten({u"Bruch"_qs, u"Dezimalzahl"_qs});
}

struct BruchFall {
    const char* name;
    int quelle;
    const char16_t* eingabe;
    const char16_t* bruch;
    const char16_t* dezimal;
    const char16_t* dezimal_wiss;
    friend void PrintTo(const BruchFall& c, std::ostream* os) { *os << c.name; }
};

class BruecheTest : public testing::TestWithParam<BruchFall> {};

TEST_P(BruecheTest, ConvertsBothWays) {
    const BruchFall& c = GetParam();
    const Umrechnungsergebnis r =
        Rechnen(u"Brüche"_qs, Brueche(), c.quelle, QString::fromUtf16(c.eingabe));
    ASSERT_TRUE(r.Berechnet) << Meldungstext(r).toStdString();
    EXPECT_TRUE(r.Meldungen.empty());
    EXPECT_EQ(r.Ergebnisse.at(Bruch), Textpaar(QString::fromUtf16(c.bruch)));
    EXPECT_EQ(r.Ergebnisse.at(Dezimalzahl).fliess.text(), QString::fromUtf16(c.dezimal));
    if (c.dezimal_wiss) {
        EXPECT_EQ(r.Ergebnisse.at(Dezimalzahl).wiss.text(), QString::fromUtf16(c.dezimal_wiss));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Brueche, BruecheTest,
    testing::Values(
        BruchFall{"threeQuarters", Bruch, u"3/4", u"3/4", u"0,7500000000", u"7,500000E-0001"},
        BruchFall{"reduced", Bruch, u"6/8", u"3/4", u"0,7500000000", nullptr},
        BruchFall{"mixed", Bruch, u"7/2", u"3 1/2", u"3,5000000000", u"3,500000E+0000"},
        BruchFall{"whole", Bruch, u"8/4", u"2", u"2,0000000000", nullptr},
        BruchFall{"one", Bruch, u"5/5", u"1", u"1,0000000000", nullptr},
        BruchFall{"blanksAround", Bruch, u"  3/4 ", u"3/4", u"0,7500000000", nullptr},
        BruchFall{"negativeNumerator", Bruch, u"-7/2", u"-3 1/2", u"-3,5000000000", nullptr},
        BruchFall{"negativeDenominator", Bruch, u"6/-8", u"-3/4", u"-0,7500000000", nullptr},
        BruchFall{"bothNegative", Bruch, u"-6/-8", u"3/4", u"0,7500000000", nullptr},
        BruchFall{"negativeWhole", Bruch, u"-8/4", u"-2", u"-2,0000000000", nullptr},
        BruchFall{"noSeparators", Bruch, u"2000001/2", u"1000000 1/2", u"1000000,5000", nullptr},
        BruchFall{"largestNumerator", Bruch, u"2147483647/1", u"2147483647", u"2147483647,0",
                  nullptr},
        BruchFall{"smallestNumerator", Bruch, u"-2147483648/2", u"-1073741824", u"-1073741824,0",
                  nullptr},
        BruchFall{"tinyDecimal", Bruch, u"1/2147483647", u"1/2147483647", u"0,0000000005", nullptr},
        BruchFall{"textTooLong", Bruch, u"2147483646/2147483647", u"Zahl zu groß", u"0,9999999995",
                  nullptr},
        BruchFall{"decimalQuarters", Dezimalzahl, u"0,75", u"3/4", u"0,7500000000",
                  u"7,500000E-0001"},
        BruchFall{"decimalMixed", Dezimalzahl, u"2,5", u"2 1/2", u"2,5000000000", nullptr},
        BruchFall{"decimalEighth", Dezimalzahl, u"0.125", u"1/8", u"0,1250000000", nullptr},
        BruchFall{"decimalNegative", Dezimalzahl, u"-0,75", u"-3/4", u"-0,7500000000", nullptr},
        BruchFall{"decimalNegativeMixed", Dezimalzahl, u"-2,5", u"-2 1/2", u"-2,5000000000",
                  nullptr},
        BruchFall{"decimalWithoutLeadingZero", Dezimalzahl, u",5", u"1/2", u"0,5000000000",
                  nullptr},
        BruchFall{"decimalTrailingZeros", Dezimalzahl, u"2,50", u"2 1/2", u"2,5000000000", nullptr},
        BruchFall{"decimalTenDigitsWithZeros", Dezimalzahl, u"0,7500000000", u"3/4",
                  u"0,7500000000", nullptr},
        BruchFall{"decimalNineDigits", Dezimalzahl, u"0,000000001", u"1/1000000000",
                  u"0,0000000010", nullptr},
        BruchFall{"decimalTextTooLong", Dezimalzahl, u"0,123456789", u"Zahl zu groß",
                  u"0,1234567890", nullptr},
        BruchFall{"decimalLongWholePart", Dezimalzahl, u"123456789012,25", u"Zahl zu groß",
                  u"123456789012", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

struct FalscherBruch {
    const char* name;
    int quelle;
    const char16_t* eingabe;
    const char16_t* meldung;
    friend void PrintTo(const FalscherBruch& c, std::ostream* os) { *os << c.name; }
};

class FalscheBruecheTest : public testing::TestWithParam<FalscherBruch> {};

TEST_P(FalscheBruecheTest, AreRejectedWithTheirMessage) {
    const FalscherBruch& c = GetParam();
    const Umrechnungsergebnis r =
        Rechnen(u"Brüche"_qs, Brueche(), c.quelle, QString::fromUtf16(c.eingabe));
    EXPECT_FALSE(r.Berechnet);
    EXPECT_TRUE(r.Ergebnisse.empty());
    ASSERT_EQ(r.Meldungen.size(), 1u);
    EXPECT_EQ(r.Meldungen[0],
              (Meldung{Meldungsart::Fehler, QString::fromUtf16(c.meldung), u"Edit_Eingabe"_qs}));
}

constexpr const char16_t* KeinBruch =
    u"Falsche Eingabe im Werteingabeld! Die Zahl ist kein Bruch! Richtig z.B. 1/5!";
constexpr const char16_t* Eingabefehler = u"Falsche Eingabe im Werteingabeld! Bitte ändern! ";
constexpr const char16_t* GanzeZahl = u"Falsche Eingabe im Werteingabeld! Die Zahl ist eine "
                                      u"ganze Zahl und kann nicht in einen Bruch umgerechnet "
                                      u"werden!";
constexpr const char16_t* Zu_gross = u"Falsche Eingabe im Werteingabeld! Zähler und Nenner "
                                     u"müssen zwischen -2147483648 und 2147483647 liegen!";

INSTANTIATE_TEST_SUITE_P(
    Brueche, FalscheBruecheTest,
    testing::Values(
        FalscherBruch{"noDenominator", Bruch, u"3/", KeinBruch},
        FalscherBruch{"noNumerator", Bruch, u"/4", KeinBruch},
        FalscherBruch{"noSlash", Bruch, u"3", KeinBruch},
        FalscherBruch{"empty", Bruch, u"", KeinBruch},
        FalscherBruch{"zeroNumerator", Bruch, u"0/5", Eingabefehler},
        FalscherBruch{"zeroDenominator", Bruch, u"3/0", Eingabefehler},
        FalscherBruch{"blankInside", Bruch, u"3 /4", Eingabefehler},
        FalscherBruch{"mixedTyped", Bruch, u"1 1/2", Eingabefehler},
        FalscherBruch{"decimalNumerator", Bruch, u"1,5/2", Eingabefehler},
        FalscherBruch{"twoSlashes", Bruch, u"1/2/3", Eingabefehler},
        FalscherBruch{"doubleMinus", Bruch, u"--3/4", Eingabefehler},
        FalscherBruch{"hexNumerator", Bruch, u"0x1F/2", Eingabefehler},
        FalscherBruch{"unicodeMinus", Bruch, u"\u22123/4", Eingabefehler},
        FalscherBruch{"numeratorBeyond32Bit", Bruch, u"2147483648/3", Zu_gross},
        FalscherBruch{"denominatorBeyond32Bit", Bruch, u"1/99999999999999999999", Zu_gross},
        FalscherBruch{"decimalZero", Dezimalzahl, u"0", Eingabefehler},
        FalscherBruch{"decimalUnreadable", Dezimalzahl, u"0,5 ", Eingabefehler},
        FalscherBruch{"decimalWhole", Dezimalzahl, u"2", GanzeZahl},
        FalscherBruch{"decimalWholeWithZero", Dezimalzahl, u"2,0", GanzeZahl},
        FalscherBruch{"decimalPointOnly", Dezimalzahl, u"5.", GanzeZahl},
        FalscherBruch{"decimalTenDigits", Dezimalzahl, u"0,1234567891",
                      u"Falsche Eingabe im Werteingabeld! Es sind höchstens 9 "
                      u"Nachkommastellen möglich!"},
        FalscherBruch{"decimalExponent", Dezimalzahl, u"1,5e-3",
                      u"Falsche Eingabe im Werteingabeld! Bitte die Dezimalzahl ohne Exponent "
                      u"eingeben, z.B. 0,75!"}),
    [](const auto& info) { return std::string(info.param.name); });

// The fraction text goes to the fraction unit wherever the list has put it.
TEST(BruecheTest, ResultsFollowTheUnitsNotTheRows) {
    ObjektListe liste = Brueche();
    std::swap(liste[0], liste[1]);
    const Umrechnungsergebnis r = Rechnen(u"Brüche"_qs, liste, 1, u"7/2"_qs);
    ASSERT_TRUE(r.Berechnet);
    EXPECT_EQ(Festkomma(r), (QStringList{u"3,5000000000"_qs, u"3 1/2"_qs}));
}

} // namespace
