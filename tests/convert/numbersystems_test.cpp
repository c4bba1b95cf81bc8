#include "convert/roman.h"
#include "entries.h"

#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

constexpr int Dual = 0;
constexpr int Dezimal = 1;
constexpr int Hex = 2;
constexpr int Oktal = 3;
constexpr int Roemisch = 4;

ObjektListe Zahlensysteme() {
    return Einheiten({u"Dualsystem"_qs, u"Dezimalsystem"_qs, u"Hexadezimalsystem"_qs,
                      u"Oktalsystem"_qs, u"Römische Zahlen"_qs});
}

struct ZahlFall {
    const char* name;
    int quelle;
    QString eingabe;
    QStringList texte; // binary, decimal, hexadecimal, octal, Roman
    friend void PrintTo(const ZahlFall& c, std::ostream* os) { *os << c.name; }
};

class ZahlensystemeTest : public testing::TestWithParam<ZahlFall> {};

TEST_P(ZahlensystemeTest, WritesTheNumberInEveryNotation) {
    const ZahlFall& c = GetParam();
    const Umrechnungsergebnis r =
        Rechnen(u"Zahlensysteme"_qs, Zahlensysteme(), c.quelle, c.eingabe);
    ASSERT_TRUE(r.Berechnet) << Meldungstext(r).toStdString();
    EXPECT_TRUE(r.Meldungen.empty()) << Meldungstext(r).toStdString();
    EXPECT_EQ(Festkomma(r), c.texte);
    EXPECT_EQ(Wissenschaftlich(r), c.texte);
}

const QString Zu_gross = u"Zahl zu groß"_qs;

INSTANTIATE_TEST_SUITE_P(
    Zahlen, ZahlensystemeTest,
    testing::Values(
        ZahlFall{"binary", Dual, u"1011"_qs, {u"1011"_qs, u"11"_qs, u"B"_qs, u"13"_qs, u"XI"_qs}},
        ZahlFall{"binaryLeadingZeros",
                 Dual,
                 QString(40, u'0') + u'1',
                 {u"1"_qs, u"1"_qs, u"1"_qs, u"1"_qs, u"I"_qs}},
        ZahlFall{"largestRoman",
                 Dezimal,
                 u"3999"_qs,
                 {u"111110011111"_qs, u"3999"_qs, u"F9F"_qs, u"7637"_qs, u"MMMCMXCIX"_qs}},
        ZahlFall{"romanOfFifteenLetters",
                 Dezimal,
                 u"3888"_qs,
                 {u"111100110000"_qs, u"3888"_qs, u"F30"_qs, u"7460"_qs, Zu_gross}},
        ZahlFall{"romanOfFiveDigits",
                 Dezimal,
                 u"10000"_qs,
                 {u"10011100010000"_qs, u"10000"_qs, u"2710"_qs, u"23420"_qs, Zu_gross}},
        ZahlFall{"fifteenBinaryDigits",
                 Dezimal,
                 u"32767"_qs,
                 {u"111111111111111"_qs, u"32767"_qs, u"7FFF"_qs, u"77777"_qs, Zu_gross}},
        ZahlFall{"sixteenBinaryDigits",
                 Dezimal,
                 u"32768"_qs,
                 {Zu_gross, u"32768"_qs, u"8000"_qs, u"100000"_qs, Zu_gross}},
        ZahlFall{"zero", Dezimal, u"0"_qs, {u"0"_qs, u"0"_qs, u"0"_qs, u"0"_qs, u""_qs}},
        ZahlFall{"decimalWithBlanksAndSign",
                 Dezimal,
                 u" +12 "_qs,
                 {u"1100"_qs, u"12"_qs, u"C"_qs, u"14"_qs, u"XII"_qs}},
        ZahlFall{"negative",
                 Dezimal,
                 u"-11"_qs,
                 {u"-1011"_qs, u"-11"_qs, u"-B"_qs, u"-13"_qs, u"keine Angabe"_qs}},
        ZahlFall{
            "negativeLongestBinary",
            Dezimal,
            u"-16383"_qs,
            {u"-11111111111111"_qs, u"-16383"_qs, u"-3FFF"_qs, u"-37777"_qs, u"keine Angabe"_qs}},
        ZahlFall{"negativeBinaryTooLong",
                 Dezimal,
                 u"-16384"_qs,
                 {Zu_gross, u"-16384"_qs, u"-4000"_qs, u"-40000"_qs, u"keine Angabe"_qs}},
        ZahlFall{
            "smallest32Bit",
            Dezimal,
            u"-2147483648"_qs,
            {Zu_gross, u"-2147483648"_qs, u"-80000000"_qs, u"-20000000000"_qs, u"keine Angabe"_qs}},
        ZahlFall{"largestHex",
                 Hex,
                 u"7FFFFFFF"_qs,
                 {Zu_gross, u"2147483647"_qs, u"7FFFFFFF"_qs, u"17777777777"_qs, Zu_gross}},
        ZahlFall{"hexLeadingZeros",
                 Hex,
                 u"000000001F"_qs,
                 {u"11111"_qs, u"31"_qs, u"1F"_qs, u"37"_qs, u"XXXI"_qs}},
        ZahlFall{"octal",
                 Oktal,
                 u"777"_qs,
                 {u"111111111"_qs, u"511"_qs, u"1FF"_qs, u"777"_qs, u"DXI"_qs}},
        ZahlFall{
            "roman", Roemisch, u"XIV"_qs, {u"1110"_qs, u"14"_qs, u"E"_qs, u"16"_qs, u"XIV"_qs}},
        ZahlFall{"romanWithBlanks",
                 Roemisch,
                 u" MMXXIV "_qs,
                 {u"11111101000"_qs, u"2024"_qs, u"7E8"_qs, u"3750"_qs, u"MMXXIV"_qs}}),
    [](const auto& info) { return std::string(info.param.name); });

// Letters that are not the proper numeral of their value convert all the same, and
// the message comes with the results.
TEST(ZahlensystemeTest, ImproperRomanNumeralsAreConvertedThenReported) {
    for (const auto& [eingabe, dezimal] : {std::pair{u"IIII"_qs, u"4"_qs},
                                           {u"IM"_qs, u"999"_qs},
                                           {u"VX"_qs, u"5"_qs},
                                           {u"MMMMMMMMMM"_qs, u"10000"_qs}}) {
        const Umrechnungsergebnis r =
            Rechnen(u"Zahlensysteme"_qs, Zahlensysteme(), Roemisch, eingabe);
        ASSERT_TRUE(r.Berechnet) << eingabe.toStdString();
        EXPECT_EQ(r.Ergebnisse.at(Dezimal).fliess.text(), dezimal);
        ASSERT_EQ(r.Meldungen.size(), 1u);
        EXPECT_EQ(r.Meldungen[0],
                  (Meldung{Meldungsart::Fehler, u"Falsche Römische Zahl!"_qs, u"Edit_Eingabe"_qs}));
    }
}

struct FalscheZahl {
    const char* name;
    int quelle;
    QString eingabe;
    const char16_t* meldung;
    friend void PrintTo(const FalscheZahl& c, std::ostream* os) { *os << c.name; }
};

class FalscheZahlenTest : public testing::TestWithParam<FalscheZahl> {};

TEST_P(FalscheZahlenTest, AreRejectedWithTheirMessage) {
    const FalscheZahl& c = GetParam();
    const Umrechnungsergebnis r =
        Rechnen(u"Zahlensysteme"_qs, Zahlensysteme(), c.quelle, c.eingabe);
    EXPECT_FALSE(r.Berechnet);
    ASSERT_EQ(r.Meldungen.size(), 1u);
    EXPECT_EQ(r.Meldungen[0],
              (Meldung{Meldungsart::Fehler, QString::fromUtf16(c.meldung), u"Edit_Eingabe"_qs}));
}

constexpr const char16_t* NurDual =
    u"Falsche Eingabe im Werteingabeld! Es sind nur 1 und 0 erlaubt!";
constexpr const char16_t* NurGanz =
    u"Falsche Eingabe im Werteingabeld! Es sind nur ganze Zahlen erlaubt!";
constexpr const char16_t* NurHex =
    u"Falsche Eingabe im Werteingabeld! Es sind nur folgende Zeichen erlaubt: 0, 1, 2, 3, 4, 5, "
    u"6, 7, 8, 9, A, B, C, D, E, F!";
constexpr const char16_t* NurOktal = u"Falsche Eingabe im Werteingabeld! Es sind nur folgende "
                                     u"Zeichen erlaubt: 0, 1, 2, 3, 4, 5, 6, 7!";
constexpr const char16_t* NurRoemisch = u"Falsche Eingabe im Werteingabeld! Es sind nur folgende "
                                        u"Zeichen erlaubt: I, V, X, L, C, D, M!";

INSTANTIATE_TEST_SUITE_P(
    Zahlen, FalscheZahlenTest,
    testing::Values(
        FalscheZahl{"binaryTwo", Dual, u"102"_qs, NurDual},
        FalscheZahl{"binaryBlankInside", Dual, u"10 11"_qs, NurDual},
        FalscheZahl{"binaryEmpty", Dual, u"  "_qs, NurDual},
        FalscheZahl{"binaryNegative", Dual, u"-101"_qs, NurDual},
        FalscheZahl{"binaryBeyond32Bit", Dual, QString(32, u'1'), u"Die Dualzahl ist zu groß!"},
        FalscheZahl{"decimalComma", Dezimal, u"1,5"_qs, NurGanz},
        FalscheZahl{"decimalDoubleMinus", Dezimal, u"--5"_qs, NurGanz},
        FalscheZahl{"decimalUnicodeMinus", Dezimal, u"\u22125"_qs, NurGanz},
        FalscheZahl{"decimalHexPrefix", Dezimal, u"0x1F"_qs, NurGanz},
        FalscheZahl{"decimalEmpty", Dezimal, u""_qs, NurGanz},
        FalscheZahl{"decimalBeyond32Bit", Dezimal, u"2147483648"_qs,
                    u"Die Zahl ist zu groß! Es sind nur ganze Zahlen von -2147483648 bis "
                    u"2147483647 erlaubt!"},
        FalscheZahl{"decimalLongDigits", Dezimal, QString(400, u'9'),
                    u"Die Zahl ist zu groß! Es sind nur ganze Zahlen von -2147483648 bis "
                    u"2147483647 erlaubt!"},
        FalscheZahl{"hexLowerCase", Hex, u"1f"_qs, NurHex},
        FalscheZahl{"hexPrefix", Hex, u"0x1F"_qs, NurHex},
        FalscheZahl{"hexHighBit", Hex, u"80000000"_qs, u"Die Hexadezimalzahl ist zu groß!"},
        FalscheZahl{"hexNineDigits", Hex, u"100000000"_qs, u"Die Hexadezimalzahl ist zu groß!"},
        FalscheZahl{"octalEight", Oktal, u"178"_qs, NurOktal},
        FalscheZahl{"octalBeyond32Bit", Oktal, u"20000000000"_qs, u"Die Oktalzahl ist zu groß!"},
        FalscheZahl{"romanLowerCase", Roemisch, u"xiv"_qs, NurRoemisch},
        FalscheZahl{"romanEmpty", Roemisch, u""_qs, NurRoemisch},
        FalscheZahl{"romanDigits", Roemisch, u"X1"_qs, NurRoemisch},
        FalscheZahl{"romanBeyond32Bit", Roemisch, QString(2200000, u'M'),
                    u"Die Römische Zahl ist zu groß!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoemischTest, NumeralsAndValues) {
    EXPECT_EQ(Roemische_Zahl(0), u""_qs);
    EXPECT_EQ(Roemische_Zahl(4), u"IV"_qs);
    EXPECT_EQ(Roemische_Zahl(9), u"IX"_qs);
    EXPECT_EQ(Roemische_Zahl(40), u"XL"_qs);
    EXPECT_EQ(Roemische_Zahl(90), u"XC"_qs);
    EXPECT_EQ(Roemische_Zahl(400), u"CD"_qs);
    EXPECT_EQ(Roemische_Zahl(900), u"CM"_qs);
    EXPECT_EQ(Roemische_Zahl(1666), u"MDCLXVI"_qs);
    EXPECT_EQ(Roemische_Zahl(8000), u"MMMMMMMM"_qs);
    EXPECT_EQ(Roemische_Zahl(7888), std::nullopt);
    EXPECT_EQ(Roemische_Zahl(10000), std::nullopt);
    EXPECT_EQ(Roemische_Zahl(-1), std::nullopt);
    EXPECT_EQ(Roemischer_Wert(u"MCMXCIV"), 1994);
    EXPECT_EQ(Roemischer_Wert(u"IIII"), 4);
    EXPECT_EQ(Roemischer_Wert(u"IM"), 999);
    EXPECT_EQ(Roemischer_Wert(u"IXC"), 89);
}

} // namespace
