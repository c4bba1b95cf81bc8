#include "database/records.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace talvero;

namespace {

struct FactorCase {
    const char* name;
    const char16_t* text;
    long double expected;
    friend void PrintTo(const FactorCase& c, std::ostream* os) { *os << c.name; }
};

class FactorTest : public testing::TestWithParam<FactorCase> {};

TEST_P(FactorTest, Reads) {
    EXPECT_EQ(Faktor_lesen(QString::fromUtf16(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FactorTest,
    testing::Values(FactorCase{"comma", u"0,3048", 0.3048L},
                    FactorCase{"point", u"0.3048", 0.3048L},
                    FactorCase{"exponent", u"3.048E-1", 0.3048L},
                    FactorCase{"scientificForm", u"3,048000E-0001", 0.3048L},
                    FactorCase{"leadingBlanks", u"  1609.344", 1609.344L},
                    FactorCase{"sign", u"-5e2", -500.0L}, FactorCase{"plusSign", u"+2", 2.0L},
                    FactorCase{"letters", u"abc", 0.0L}, FactorCase{"trailingBlank", u"1.5 ", 0.0L},
                    FactorCase{"twoPoints", u"1.000,5", 0.0L}, FactorCase{"empty", u"", 0.0L},
                    FactorCase{"infText", u"inf", 0.0L}, FactorCase{"hex", u"0x1F", 0.0L},
                    FactorCase{"overflow", u"1e99999", 0.0L},
                    FactorCase{"underflow", u"1e-99999", 0.0L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordTest, ReadsAllNineteenFieldsWithTheirCuts) {
    QStringList f;
    for (int i = 1; i <= 19; ++i)
        f << QString(50, QChar(u'a' + i));
    f[1] = u"jx"_qs;
    f[8] = u"0,3048"_qs;
    f[15] = u"j"_qs;
    f[17] = u"n"_qs;
    f << u"extra"_qs;
    const Typ_Ausgabetext t = Ausgabetext_aus_Zeile(f.join(u'\t'));
    EXPECT_TRUE(t.Anzeige);
    EXPECT_EQ(t.Eigene_Einheit, u'j');
    EXPECT_EQ(t.Sonstiges.size(), 5);
    EXPECT_EQ(t.Land_Name.size(), 50) << "the country is kept whole";
    EXPECT_EQ(t.Land_Nummer, 0);
    EXPECT_EQ(t.Bitmap_Nummer, 1);
    EXPECT_EQ(t.Kurzzeichen.size(), 20);
    EXPECT_EQ(t.Einheit, QString(34, u'i'));
    EXPECT_EQ(t.Mult, 0.3048L);
    EXPECT_EQ(t.Einheit_auch.size(), 33);
    EXPECT_EQ(t.Uebersetzung.size(), 32);
    EXPECT_EQ(t.Einsatzgebiet.size(), 27);
    EXPECT_EQ(t.entspricht.size(), 40);
    EXPECT_EQ(t.ca_Wert.size(), 21);
    EXPECT_EQ(t.Ort.size(), 17);
    EXPECT_TRUE(t.reg_Unterschiede);
    EXPECT_EQ(t.gueltig_Zeit.size(), 15);
    EXPECT_FALSE(t.zeitliche_Unterschiede);
    EXPECT_EQ(t.freier_Infotext.size(), 50);
}

TEST(RecordTest, ShortLinesReadEmptyFields) {
    const Typ_Ausgabetext t =
        Ausgabetext_aus_Zeile(u"j\tn\t\t1\tSchweiz\t1\tFs\tFuß\t0,3\tSchuh"_qs);
    EXPECT_EQ(t.Einheit, u"Fuß"_qs);
    EXPECT_EQ(t.Einheit_auch, u"Schuh"_qs);
    EXPECT_TRUE(t.Uebersetzung.isEmpty());
    EXPECT_TRUE(t.freier_Infotext.isEmpty());
    EXPECT_FALSE(t.reg_Unterschiede);
    EXPECT_FALSE(t.zeitliche_Unterschiede);

    const Typ_Ausgabetext empty = Ausgabetext_aus_Zeile(QString());
    EXPECT_TRUE(empty.Eigene_Einheit.isNull());
    EXPECT_EQ(empty.Mult, 0.0L);
}

TEST(RecordTest, AreaTableLine) {
    EXPECT_EQ(GruppenInfo_aus_Zeile(u"Länge\tLAENGE\tMeter\textra"_qs),
              (Typ_GruppenInfo{u"Länge"_qs, u"LAENGE"_qs, u"Meter"_qs}));
    EXPECT_EQ(GruppenInfo_aus_Zeile(u"Zeit"_qs), (Typ_GruppenInfo{u"Zeit"_qs, {}, {}}));
}

} // namespace
