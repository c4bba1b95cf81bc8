#include "database/ordering.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace talvero;

namespace {

TAusgabetextobject Eintrag(const QString& einheit, const QString& land, long double mult = 1,
                           const QString& wiss = {}) {
    TAusgabetextobject e;
    e.Ausgabetext.Einheit = einheit;
    e.Ausgabetext.Land_Name = land;
    e.Ausgabetext.Mult = mult;
    e.Rechenergebnis_wiss = wiss;
    return e;
}

QStringList Namen(const ObjektListe& liste) {
    QStringList out;
    for (const auto& e : liste)
        out << e.Ausgabetext.Einheit;
    return out;
}

enum class Ordnung { Alphabet, Land, Groesse };

struct SortCase {
    const char* name;
    Ordnung ordnung;
    QString gebiet;
    ObjektListe liste;
    QStringList erwartet;
    friend void PrintTo(const SortCase& c, std::ostream* os) { *os << c.name; }
};

class SortTest : public testing::TestWithParam<SortCase> {};

TEST_P(SortTest, OrdersLikeTheComparison) {
    ObjektListe liste = GetParam().liste;
    switch (GetParam().ordnung) {
    case Ordnung::Alphabet:
        Sortierung_nach_Alphabet(liste);
        break;
    case Ordnung::Land:
        Sortierung_nach_Land(liste);
        break;
    case Ordnung::Groesse:
        Sortierung_nach_Groesse(liste, GetParam().gebiet);
        break;
    }
    EXPECT_EQ(Namen(liste), GetParam().erwartet);

    // Sorting through the entry comparison gives the same order as the keyed sort.
    ObjektListe direkt = GetParam().liste;
    Quicksort(direkt, [&](const auto& a, const auto& b) {
        switch (GetParam().ordnung) {
        case Ordnung::Alphabet:
            return Vergleich_nach_Alphabet(a, b);
        case Ordnung::Land:
            return Vergleich_nach_Land(a, b);
        default:
            return Vergleich_nach_Groesse(GetParam().gebiet, a, b);
        }
    });
    EXPECT_EQ(Namen(direkt), GetParam().erwartet);
}

const QString L = u"Länge"_qs;
const QString T = u"Temperatur"_qs;

INSTANTIATE_TEST_SUITE_P(
    Orders, SortTest,
    testing::Values(
        SortCase{"umlautFoldedBeforeAf",
                 Ordnung::Alphabet,
                 L,
                 {Eintrag(u"Afrikanische Elle"_qs, {}), Eintrag(u"Ärmelmaß"_qs, {})},
                 {u"Ärmelmaß"_qs, u"Afrikanische Elle"_qs}},
        SortCase{"caseIgnoredAndEszettLast",
                 Ordnung::Alphabet,
                 L,
                 {Eintrag(u"ßfuß"_qs, {}), Eintrag(u"zoll"_qs, {}), Eintrag(u"Yard"_qs, {}),
                  Eintrag(u"ab"_qs, {}), Eintrag(u"A"_qs, {})},
                 {u"A"_qs, u"ab"_qs, u"Yard"_qs, u"zoll"_qs, u"ßfuß"_qs}},
        SortCase{
            "onlyFirst34CharactersCount",
            Ordnung::Alphabet,
            L,
            // Equal in the first 34 characters: the quicksort exchanges the pair.
            {Eintrag(QString(34, u'M') + u"A"_qs, {}), Eintrag(QString(34, u'M') + u"B"_qs, {})},
            {QString(34, u'M') + u"B"_qs, QString(34, u'M') + u"A"_qs}},
        SortCase{"groupsFirstThenCountries",
                 Ordnung::Land,
                 L,
                 {Eintrag(u"Fuß"_qs, u"Ungarn"_qs), Eintrag(u"Meile"_qs, u"USA"_qs),
                  Eintrag(u"Elle"_qs, u"Afghanistan"_qs), Eintrag(u"Khet"_qs, u"Ägypten"_qs),
                  Eintrag(u"Eigen"_qs, u"Eigene Einheit"_qs),
                  Eintrag(u"Sonst"_qs, u"Sonstige Einheit"_qs),
                  Eintrag(u"Yard"_qs, u"Englisches System"_qs),
                  Eintrag(u"Seemeile"_qs, u"Internationale Einheit"_qs),
                  Eintrag(u"Meter"_qs, u"SI-Einheit"_qs)},
                 {u"Meter"_qs, u"Seemeile"_qs, u"Yard"_qs, u"Eigen"_qs, u"Sonst"_qs, u"Khet"_qs,
                  u"Elle"_qs, u"Meile"_qs, u"Fuß"_qs}},
        SortCase{"withinCountryByUpperCasedName",
                 Ordnung::Land,
                 L,
                 {Eintrag(u"zoll"_qs, u"Deutschland"_qs), Eintrag(u"Ärmel"_qs, u"Deutschland"_qs),
                  Eintrag(u"Bein"_qs, u"Deutschland"_qs), Eintrag(u"Rute"_qs, u"Bayern"_qs)},
                 // Without folding Ä (ANSI 196) sorts after Z.
                 {u"Rute"_qs, u"Bein"_qs, u"zoll"_qs, u"Ärmel"_qs}},
        SortCase{"lowerCaseUmlautAfterZ",
                 Ordnung::Land,
                 L,
                 {Eintrag(u"a"_qs, u"Xä"_qs), Eintrag(u"b"_qs, u"Xz"_qs)},
                 {u"b"_qs, u"a"_qs}},
        SortCase{"sizeByFactor",
                 Ordnung::Groesse,
                 L,
                 {Eintrag(u"Meile"_qs, {}, 1609.344L), Eintrag(u"Zoll"_qs, {}, 0.0254L),
                  Eintrag(u"Meter"_qs, {}, 1), Eintrag(u"ohne"_qs, {}, 0)},
                 {u"ohne"_qs, u"Zoll"_qs, u"Meter"_qs, u"Meile"_qs}},
        SortCase{"temperatureWithoutResultsIsQuicksortOrder",
                 Ordnung::Groesse,
                 T,
                 {Eintrag(u"Kelvin"_qs, {}, 1), Eintrag(u"Celsius"_qs, {}, 5),
                  Eintrag(u"Fahrenheit"_qs, {}, 3)},
                 {u"Fahrenheit"_qs, u"Celsius"_qs, u"Kelvin"_qs}},
        SortCase{"fourEqualEntries",
                 Ordnung::Groesse,
                 T,
                 {Eintrag(u"a"_qs, {}), Eintrag(u"b"_qs, {}), Eintrag(u"c"_qs, {}),
                  Eintrag(u"d"_qs, {})},
                 {u"c"_qs, u"d"_qs, u"a"_qs, u"b"_qs}},
        SortCase{"temperatureWithResultsByValue",
                 Ordnung::Groesse,
                 T,
                 {Eintrag(u"Kelvin"_qs, {}, 1, u"2,931500E+0002"_qs),
                  Eintrag(u"Celsius"_qs, {}, 1, u"2,000000E+0001"_qs),
                  Eintrag(u"Fahrenheit"_qs, {}, 1, u"6,800000E+0001"_qs),
                  Eintrag(u"Reaumur"_qs, {}, 1, u"-1,600000E+0001"_qs)},
                 {u"Reaumur"_qs, u"Celsius"_qs, u"Fahrenheit"_qs, u"Kelvin"_qs}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComparisonTest, SignsAndSymmetry) {
    const auto a = Eintrag(u"Ärmel"_qs, u"SI-Einheit"_qs, 2);
    const auto b = Eintrag(u"Afrika"_qs, u"Afghanistan"_qs, 3);
    EXPECT_EQ(Vergleich_nach_Alphabet(a, b), -1);
    EXPECT_EQ(Vergleich_nach_Alphabet(b, a), 1);
    EXPECT_EQ(Vergleich_nach_Alphabet(a, a), 0);
    EXPECT_EQ(Vergleich_nach_Land(a, b), -1);
    EXPECT_EQ(Vergleich_nach_Groesse(L, a, b), -1);
    EXPECT_EQ(Vergleich_nach_Groesse(L, b, a), 1);
    // A result that does not read as a number counts as 0.
    const auto x = Eintrag(u"x"_qs, {}, 1, u"unbekannt"_qs);
    const auto y = Eintrag(u"y"_qs, {}, 1, u"1,0E+0000"_qs);
    EXPECT_EQ(Vergleich_nach_Groesse(u"Schuhgrößen"_qs, x, y), -1);
    // Without a result in the first entry every pair is equal.
    EXPECT_EQ(Vergleich_nach_Groesse(T, Eintrag(u"z"_qs, {}, 1), y), 0);
}

TEST(OrderingTest, CommandsRefusedInSomeAreas) {
    for (const QString& o : {Sortierung_Alphabet(), Sortierung_Land(), Sortierung_Groesse()})
        EXPECT_FALSE(Sortierung_moeglich(u"Brüche"_qs, o)) << o.toStdString();
    EXPECT_FALSE(Sortierung_moeglich(u"Kalender"_qs, Sortierung_Groesse()));
    EXPECT_FALSE(Sortierung_moeglich(u"Zahlensysteme"_qs, Sortierung_Groesse()));
    EXPECT_TRUE(Sortierung_moeglich(u"Kalender"_qs, Sortierung_Land()));
    EXPECT_TRUE(Sortierung_moeglich(u"brüche"_qs, Sortierung_Land()));
}

TEST(OrderingTest, UpperCaseIsPerCharacter) {
    EXPECT_EQ(Grossbuchstaben(u"straße äöü ÿ"), u"STRAßE ÄÖÜ Ÿ"_qs);
    EXPECT_EQ(Umlaute_falten(u"ÄÖÜäöü"_qs), u"AEOEUEäöü"_qs);
}

} // namespace
