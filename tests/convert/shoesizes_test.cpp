#include "entries.h"

#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

ObjektListe Schuhgroessen() {
    return Einheiten({u"Fußlänge/cm"_qs, u"Größe Europa"_qs, u"Mondopoint"_qs, u"Schuhlänge/cm"_qs,
                      u"Zentimetersystem"_qs, u"Size Großbrit. Erwachsene"_qs,
                      u"Size Großbrit. Kinder"_qs, u"Size USA Frauen"_qs, u"Size USA Jungen"_qs,
                      u"Size USA Mädchen"_qs, u"Size USA Männer"_qs, u"Size Japan"_qs});
}

struct SchuhFall {
    const char* name;
    int quelle;
    const char16_t* eingabe;
    QStringList texte;
    friend void PrintTo(const SchuhFall& c, std::ostream* os) { *os << c.name; }
};

class SchuhgroessenTest : public testing::TestWithParam<SchuhFall> {};

TEST_P(SchuhgroessenTest, ConvertThroughTheFootLength) {
    const SchuhFall& c = GetParam();
    const Umrechnungsergebnis r =
        Rechnen(u"Schuhgrößen"_qs, Schuhgroessen(), c.quelle, QString::fromUtf16(c.eingabe));
    ASSERT_TRUE(r.Berechnet) << Meldungstext(r).toStdString();
    EXPECT_EQ(Festkomma(r), c.texte);
}

const QString Keine = u"keine Angabe"_qs;

INSTANTIATE_TEST_SUITE_P(
    Groessen, SchuhgroessenTest,
    testing::Values(SchuhFall{"europe42",
                              1,
                              u"42",
                              {u"27,0"_qs, u"42,0"_qs, u"270,0"_qs, u"28,0"_qs, u"28,0"_qs,
                               u"8,1"_qs, Keine, u"10,1"_qs, Keine, Keine, u"8,6"_qs, Keine}},
                    SchuhFall{"childsFoot",
                              0,
                              u"20",
                              {u"20,0"_qs, u"31,5"_qs, u"200,0"_qs, u"21,0"_qs, u"21,0"_qs, Keine,
                               u"12,8"_qs, u"1,8"_qs, u"13,3"_qs, u"14,3"_qs, u"0,3"_qs, Keine}},
                    SchuhFall{"ukAdult",
                              5,
                              u"8",
                              {u"26,9"_qs, u"41,9"_qs, u"269,4"_qs, u"27,9"_qs, u"27,9"_qs,
                               u"8,0"_qs, Keine, u"10,0"_qs, Keine, Keine, u"8,5"_qs, Keine}},
                    SchuhFall{"smallestFoot",
                              0,
                              u"9",
                              {u"9,0"_qs, u"15,0"_qs, u"90,0"_qs, u"10,0"_qs, u"10,0"_qs, Keine,
                               Keine, Keine, u"0,3"_qs, u"1,3"_qs, Keine, Keine}},
                    SchuhFall{"largestFoot",
                              0,
                              u"34",
                              {u"34,0"_qs, u"52,5"_qs, u"340,0"_qs, u"35,0"_qs, u"35,0"_qs,
                               u"16,3"_qs, Keine, u"18,3"_qs, Keine, Keine, u"16,8"_qs, Keine}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SchuhgroessenTest, ScientificFormAndNoSeparators) {
    const Umrechnungsergebnis r = Rechnen(u"Schuhgrößen"_qs, Schuhgroessen(), 1, u"42"_qs);
    ASSERT_TRUE(r.Berechnet);
    EXPECT_EQ(r.Ergebnisse[0].wiss.text(), u"2,700000E+0001"_qs);
    EXPECT_EQ(r.Ergebnisse[5].wiss.text(), u"8,071127E+0000"_qs);
    EXPECT_EQ(r.Ergebnisse[6], Textpaar(Keine));
}

TEST(SchuhgroessenTest, FeetOutsideNineTo34CentimetresAreRejected) {
    for (const auto& [quelle, eingabe] : {std::pair{0, u"8,9"_qs},
                                          {0, u"34,1"_qs},
                                          {0, u"0"_qs},
                                          {0, u"-27"_qs},
                                          {2, u"85"_qs},
                                          {1, u"60"_qs},
                                          {0, u"1e400"_qs}}) {
        const Umrechnungsergebnis r = Rechnen(u"Schuhgrößen"_qs, Schuhgroessen(), quelle, eingabe);
        EXPECT_FALSE(r.Berechnet) << eingabe.toStdString();
        ASSERT_EQ(r.Meldungen.size(), 1u);
        EXPECT_EQ(r.Meldungen[0],
                  (Meldung{Meldungsart::Fehler,
                           u"Zahlenwert außerhalb Wertebereich! Diese Schuhgröße ist nicht "
                           u"definiert! "_qs,
                           u"Edit_Eingabe"_qs}));
    }
    EXPECT_EQ(Meldungstext(Rechnen(u"Schuhgrößen"_qs, Schuhgroessen(), 0, u"27 cm"_qs)),
              Eingabefehler_Text);
}

TEST(SchuhgroessenTest, AScaleWithoutFormulaConvertsNothing) {
    const Umrechnungsergebnis r = Rechnen(u"Schuhgrößen"_qs, Schuhgroessen(), 11, u"25"_qs);
    EXPECT_FALSE(r.Berechnet);
    ASSERT_EQ(r.Meldungen.size(), 1u);
    EXPECT_EQ(r.Meldungen[0].art, Meldungsart::Schlicht);
}

} // namespace
