#include "entries.h"

#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

struct GebietFall {
    const char* name;
    const char16_t* gebiet;
    const char16_t* zeile2; // what the unit at line 2 shows for 100 typed at line 0
    friend void PrintTo(const GebietFall& c, std::ostream* os) { *os << c.name; }
};

class DispatchTest : public testing::TestWithParam<GebietFall> {};

// Line 2 is Fahrenheit in the temperature area, hexadecimal in the number systems, a
// unit without a rate among the currencies and a plain unit everywhere else.
TEST_P(DispatchTest, PicksTheRoutineByTheExactAreaName) {
    const ObjektListe liste = {Eintrag(u"A"_qs, 1, 0), Eintrag(u"B"_qs, 1, 1),
                               Eintrag(u"C"_qs, 0, 2)};
    const Umrechnungsergebnis r =
        Rechnen(QString::fromUtf16(GetParam().gebiet), liste, 1, u"100"_qs);
    ASSERT_TRUE(r.Berechnet) << Meldungstext(r).toStdString();
    EXPECT_EQ(r.Ergebnisse.at(2).fliess.text(), QString::fromUtf16(GetParam().zeile2));
}

INSTANTIATE_TEST_SUITE_P(
    Gebiete, DispatchTest,
    testing::Values(GebietFall{"temperature", u"Temperatur", u"212,00000000"},
                    GebietFall{"numberSystems", u"Zahlensysteme", u"64"},
                    GebietFall{"currencies", u"Währungen", u"unbekannt"},
                    GebietFall{"factor", u"Länge", u"0,000000E+0000"},
                    GebietFall{"lowerCaseIsAFactorArea", u"temperatur", u"0,000000E+0000"},
                    GebietFall{"trailingBlankIsAFactorArea", u"Temperatur ", u"0,000000E+0000"},
                    GebietFall{"umlautSpelledOutIsAFactorArea", u"Waehrungen", u"0,000000E+0000"}),
    [](const auto& info) { return std::string(info.param.name); });

// The calendar area has its own routine: dates never go through factors.
TEST(DispatchTest, CalendarIsNoFactorArea) {
    const ObjektListe liste = {Eintrag(u"A"_qs, 1, 0), Eintrag(u"B"_qs, 1, 1)};
    const Umrechnungsergebnis r = Rechnen(u"Kalender"_qs, liste, 0, u"100"_qs);
    EXPECT_FALSE(r.Berechnet && Festkomma(r) == QStringList(2, u"100,00000000"_qs));
}

TEST(DispatchTest, NothingToConvertComputesAndReportsNothing) {
    const ObjektListe leer;
    const Umrechnungsergebnis ohne = Rechnen(u"Länge"_qs, leer, 0, u"1"_qs);
    EXPECT_FALSE(ohne.Berechnet);
    EXPECT_TRUE(ohne.Meldungen.empty());

    const ObjektListe eine = {Eintrag(u"Meter"_qs, 1, 0)};
    for (int quelle : {-1, 1}) {
        const Umrechnungsergebnis r = Rechnen(u"Temperatur"_qs, eine, quelle, u"1"_qs);
        EXPECT_FALSE(r.Berechnet);
        EXPECT_TRUE(r.Meldungen.empty());
    }
    Umrechnungsauftrag ohneListe;
    ohneListe.Gebietname = u"Länge"_qs;
    ohneListe.Eingabe = u"1"_qs;
    EXPECT_FALSE(Umrechnen(ohneListe).Berechnet);
}

// Every area and every source notation with the inputs users get wrong: a message
// that focuses the value field, or a result in every row; never "inf" or "nan".
struct Quelle {
    const char* name;
    const char16_t* gebiet;
    const char16_t* datei; // shipped area file, or nullptr for a factor area
    int index;
};

struct Falsch {
    const char* name;
    QString eingabe;
};

class BadInputTest : public testing::TestWithParam<std::tuple<Quelle, Falsch>> {
protected:
    void SetUp() override { ASSERT_TRUE(Viskositaetstabelle_bereitstellen(env)); }
    Testumgebung env;
};

TEST_P(BadInputTest, GivesAMessageOrADefinedResult) {
    const auto& [quelle, falsch] = GetParam();
    const ObjektListe liste =
        quelle.datei ? Mitgelieferte_Einheiten(QString::fromUtf16(quelle.datei))
                     : ObjektListe{Eintrag(u"Meile"_qs, 1609.344L, 0), Eintrag(u"Meter"_qs, 1, 1)};
    ASSERT_GT(int(liste.size()), quelle.index);
    const Umrechnungsergebnis r =
        Rechnen(QString::fromUtf16(quelle.gebiet), liste, quelle.index, falsch.eingabe, true);
    if (r.Berechnet) {
        ASSERT_EQ(r.Ergebnisse.size(), liste.size());
        for (const Ergebnispaar& p : r.Ergebnisse)
            for (const QString& text : {p.wiss.text(), p.fliess.text()}) {
                EXPECT_FALSE(text.contains(u"inf"_qs, Qt::CaseInsensitive)) << text.toStdString();
                EXPECT_FALSE(text.contains(u"nan"_qs, Qt::CaseInsensitive)) << text.toStdString();
            }
    } else {
        ASSERT_EQ(r.Meldungen.size(), 1u);
        EXPECT_FALSE(r.Frage);
        EXPECT_EQ(r.Meldungen[0].art, Meldungsart::Fehler) << r.Meldungen[0].text.toStdString();
        EXPECT_EQ(r.Meldungen[0].fokus, u"Edit_Eingabe"_qs);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Eingaben, BadInputTest,
    testing::Combine(
        testing::Values(Quelle{"factor", u"Länge", nullptr, 0},
                        Quelle{"temperature", u"Temperatur", u"TEMPERAT", 2},
                        Quelle{"worldTime", u"Weltzeit", u"WELTZEIT", 0},
                        Quelle{"currency", u"Währungen", u"WAEHRUNG", 1},
                        Quelle{"fraction", u"Brüche", u"BRUECHE", 0},
                        Quelle{"decimalToFraction", u"Brüche", u"BRUECHE", 1},
                        Quelle{"binary", u"Zahlensysteme", u"ZAHLENSY", 0},
                        Quelle{"decimal", u"Zahlensysteme", u"ZAHLENSY", 1},
                        Quelle{"hexadecimal", u"Zahlensysteme", u"ZAHLENSY", 2},
                        Quelle{"octal", u"Zahlensysteme", u"ZAHLENSY", 3},
                        Quelle{"roman", u"Zahlensysteme", u"ZAHLENSY", 4},
                        Quelle{"shoeSize", u"Schuhgrößen", u"SCHUHGR", 1},
                        Quelle{"density", u"Aräometerskalen", u"ARAEOMET", 2},
                        Quelle{"baume", u"Aräometerskalen", u"ARAEOMET", 6},
                        Quelle{"viscosity", u"Viskosität, kinem. alt", u"VISKALT", 3}),
        testing::Values(Falsch{"empty", u""_qs}, Falsch{"blank", u"   "_qs},
                        Falsch{"blankInside", u"1 5"_qs}, Falsch{"doubleMinus", u"--5"_qs},
                        Falsch{"hexPrefix", u"0x1F"_qs}, Falsch{"twoCommas", u"1,5,5"_qs},
                        Falsch{"unicodeMinus", u"\u22125"_qs},
                        Falsch{"hugeExponent", u"1e99999"_qs}, Falsch{"beyondDouble", u"1e400"_qs},
                        Falsch{"infinity", u"inf"_qs}, Falsch{"notANumber", u"nan"_qs},
                        Falsch{"longDigits", QString(400, u'9')},
                        Falsch{"veryLongDigits", QString(6000, u'9')},
                        Falsch{"longTime", QString(40, u'9') + u":00"_qs},
                        Falsch{"longFraction", QString(40, u'9') + u"/7"_qs},
                        Falsch{"longRoman", QString(5000, u'M')})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

// The shipped special areas: every unit has its formula, so a value typical for the
// area shows a number in every row except where the scale itself has none.
struct Mitgeliefert {
    const char* name;
    const char16_t* gebiet;
    const char16_t* datei;
    const char16_t* quelle;
    const char16_t* eingabe;
    std::optional<bool> leichter;
    QStringList ohne_Wert; // units that show "keine Angabe" for that value
    friend void PrintTo(const Mitgeliefert& c, std::ostream* os) { *os << c.name; }
};

class ShippedAreaTest : public testing::TestWithParam<Mitgeliefert> {
protected:
    void SetUp() override { ASSERT_TRUE(Viskositaetstabelle_bereitstellen(env)); }
    Testumgebung env;
};

TEST_P(ShippedAreaTest, EveryUnitHasAFormula) {
    const Mitgeliefert& c = GetParam();
    const ObjektListe liste = Mitgelieferte_Einheiten(QString::fromUtf16(c.datei));
    ASSERT_FALSE(liste.empty());
    const auto quelle = std::ranges::find(liste, QString::fromUtf16(c.quelle),
                                          [](const auto& e) { return e.Ausgabetext.Einheit; });
    ASSERT_NE(quelle, liste.end());
    const Umrechnungsergebnis r =
        Rechnen(QString::fromUtf16(c.gebiet), liste, int(quelle - liste.begin()),
                QString::fromUtf16(c.eingabe), c.leichter);
    ASSERT_TRUE(r.Berechnet) << Meldungstext(r).toStdString();
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const QString& einheit = liste[i].Ausgabetext.Einheit;
        EXPECT_EQ(r.Ergebnisse[i].fliess.text() == u"keine Angabe", c.ohne_Wert.contains(einheit))
            << einheit.toStdString() << ": " << r.Ergebnisse[i].fliess.text().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Daten, ShippedAreaTest,
    testing::Values(
        Mitgeliefert{"temperature", u"Temperatur", u"TEMPERAT", u"Kelvin", u"300", {}, {}},
        Mitgeliefert{"worldTime", u"Weltzeit", u"WELTZEIT", u"Berlin", u"12:00", {}, {}},
        Mitgeliefert{"fractions", u"Brüche", u"BRUECHE", u"Bruch", u"3/4", {}, {}},
        Mitgeliefert{
            "numberSystems", u"Zahlensysteme", u"ZAHLENSY", u"Dezimalsystem", u"1999", {}, {}},
        Mitgeliefert{"shoeSizes",
                     u"Schuhgrößen",
                     u"SCHUHGR",
                     u"Fußlänge/cm",
                     u"27",
                     {},
                     {u"Size Großbrit. Kinder"_qs, u"Size USA Jungen"_qs, u"Size USA Mädchen"_qs}},
        Mitgeliefert{"heavyLiquid",
                     u"Aräometerskalen",
                     u"ARAEOMET",
                     u"Gramm/Zentimeter^3 bei 15° C",
                     u"1,2",
                     {},
                     {u"Grad API"_qs}},
        Mitgeliefert{"lightLiquid",
                     u"Aräometerskalen",
                     u"ARAEOMET",
                     u"Grad Baumé rationell",
                     u"20",
                     true,
                     {u"Grad Fleischer"_qs, u"Grad Twaddle"_qs}},
        Mitgeliefert{
            "viscosity", u"Viskosität, kinem. alt", u"VISKALT", u"Centistoke", u"100", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
