#include "convert/viscosity_table.h"
#include "database/datafile.h"
#include "database/keys.h"
#include "entries.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

enum Zeile { Quadratmeter, Millimeter, Centistoke, Engler, Saybolt, Redwood, Unbekannt };

ObjektListe Viskositaeten() {
    return Einheiten({u"Meter^2/Sekunde"_qs, u"Millimeter^2/Sekunde"_qs, u"Centistoke"_qs,
                      u"Engler-Grad"_qs, u"Saybolt-Sekunde"_qs, u"Redwood-Sekunde"_qs,
                      u"Poise"_qs});
}

// A small table with round numbers, so that every result can be checked by hand.
const QStringList Kleine_Tabelle = {u"Kopf 1"_qs,
                                    u"Kopf 2"_qs,
                                    u"Kopf 3"_qs,
                                    u"Kopf 4"_qs,
                                    u"1\t1\t30\t28\tRest"_qs,
                                    u"10\t2,0\t60\t50"_qs,
                                    u"100\t14\t460.0\t400"_qs,
                                    u"1000\t130\t4600\t4000"_qs};

class ViskositaetTest : public testing::Test {
protected:
    void Tabelle(const QStringList& zeilen) {
        ASSERT_TRUE(Datei_verschluesseln_und_speichern(
            zeilen, env.programmordner() + u"STOFFW12.NFO1"_qs, Schluessel1()));
    }
    Umrechnungsergebnis Viskositaet(int quelle, const QString& eingabe) {
        return Rechnen(u"Viskosität, kinem. alt"_qs, Viskositaeten(), quelle, eingabe);
    }
    Testumgebung env;
};

TEST_F(ViskositaetTest, TableRowsGiveTheirOwnValues) {
    Tabelle(Kleine_Tabelle);
    const Umrechnungsergebnis r = Viskositaet(Centistoke, u"10"_qs);
    ASSERT_TRUE(r.Berechnet) << Meldungstext(r).toStdString();
    EXPECT_EQ(Festkomma(r), (QStringList{u"0,0000100000"_qs, u"10,000000000"_qs, u"10,000000000"_qs,
                                         u"2,0000000000"_qs, u"60,000000000"_qs, u"50,000000000"_qs,
                                         u"keine Angabe"_qs}));
    EXPECT_EQ(r.Ergebnisse[Quadratmeter].wiss.text(), u"1,000000E-0005"_qs);
}

struct Nachschlagen {
    const char* name;
    int quelle;
    const char16_t* eingabe;
    int ziel;
    const char16_t* festkomma;
    friend void PrintTo(const Nachschlagen& c, std::ostream* os) { *os << c.name; }
};

class ViskositaetNachschlagenTest : public ViskositaetTest,
                                    public testing::WithParamInterface<Nachschlagen> {};

TEST_P(ViskositaetNachschlagenTest, InterpolatesBetweenRows) {
    Tabelle(Kleine_Tabelle);
    const Nachschlagen& c = GetParam();
    const Umrechnungsergebnis r = Viskositaet(c.quelle, QString::fromUtf16(c.eingabe));
    ASSERT_TRUE(r.Berechnet) << Meldungstext(r).toStdString();
    EXPECT_EQ(r.Ergebnisse.at(c.ziel).fliess.text(), QString::fromUtf16(c.festkomma));
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, ViskositaetNachschlagenTest,
    testing::Values(
        Nachschlagen{"betweenRows", Centistoke, u"55", Engler, u"8,0000000000"},
        Nachschlagen{"backBetweenRows", Engler, u"8", Millimeter, u"55,000000000"},
        Nachschlagen{"squareMetres", Quadratmeter, u"0,0001", Saybolt, u"460,00000000"},
        Nachschlagen{"toSquareMetres", Saybolt, u"460", Quadratmeter, u"0,0001000000"},
        Nachschlagen{"belowFirstRowFromZero", Saybolt, u"28,8", Centistoke, u"0,9600000000"},
        Nachschlagen{"aboveLastRowExtrapolated", Redwood, u"4082", Centistoke, u"1020,5000000"},
        Nachschlagen{"noThousandsSeparators", Centistoke, u"1000", Saybolt, u"4600,0000000"},
        Nachschlagen{"lowestBound", Centistoke, u"1", Engler, u"1,0000000000"},
        Nachschlagen{"highestEngler", Engler, u"131,6", Centistoke, u"1012,4137931"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViskositaetTest, ValuesOutsideTheUnitsRangeAreRejectedBeforeTheTableIsRead) {
    // No table file at all: the range is checked first.
    for (const auto& [quelle, eingabe, bereich] :
         {std::tuple{Centistoke, u"0,5"_qs, u"1 bis 1000"_qs},
          {Millimeter, u"1001"_qs, u"1 bis 1000"_qs},
          {Quadratmeter, u"0,00000099"_qs, u"10^-6 bis 10^-3"_qs},
          {Quadratmeter, u"0,0011"_qs, u"10^-6 bis 10^-3"_qs},
          {Engler, u"131,7"_qs, u"1 bis 131,6"_qs},
          {Engler, u"0,99"_qs, u"1 bis 131,6"_qs},
          {Saybolt, u"28,7"_qs, u"28,8 bis 4629"_qs},
          {Saybolt, u"4630"_qs, u"28,8 bis 4629"_qs},
          {Redwood, u"27,6"_qs, u"27,7 bis 4082"_qs},
          {Redwood, u"4083"_qs, u"27,7 bis 4082"_qs},
          {Centistoke, u"-5"_qs, u"1 bis 1000"_qs},
          {Centistoke, u"1e400"_qs, u"1 bis 1000"_qs}}) {
        const Umrechnungsergebnis r = Viskositaet(quelle, eingabe);
        EXPECT_FALSE(r.Berechnet) << eingabe.toStdString();
        ASSERT_EQ(r.Meldungen.size(), 1u);
        EXPECT_EQ(r.Meldungen[0], (Meldung{Meldungsart::Fehler,
                                           u"Eingabe außerhalb des gültigen Wertebereiches ("_qs +
                                               bereich + u")!"_qs,
                                           u"Edit_Eingabe"_qs}));
    }
    EXPECT_EQ(Meldungstext(Viskositaet(Centistoke, u"abc"_qs)), Eingabefehler_Text);
}

TEST_F(ViskositaetTest, AMissingOrBrokenTableIsReported) {
    const Umrechnungsergebnis fehlt = Viskositaet(Centistoke, u"10"_qs);
    EXPECT_FALSE(fehlt.Berechnet);
    ASSERT_EQ(fehlt.Meldungen.size(), 1u);
    EXPECT_EQ(fehlt.Meldungen[0].art, Meldungsart::Fehler);
    EXPECT_TRUE(fehlt.Meldungen[0].text.contains(u"STOFFW12.NFO1"_qs));

    const QStringList kopf = Kleine_Tabelle.mid(0, 4);
    for (const QStringList& kaputt :
         {kopf, kopf + QStringList{u"1\t1\t30\t28"_qs},
          kopf + QStringList{u"1\t1\t30\t28"_qs, u"10\tzwei\t60\t50"_qs},
          kopf + QStringList{u"1\t1\t30\t28"_qs, u"10\t2\t60"_qs},
          kopf + QStringList{u"1\t1\t30\t28"_qs, u"10\t2\t30\t50"_qs},
          kopf + QStringList{u"0\t0\t0\t0"_qs, u"10\t2\t60\t50"_qs}}) {
        Tabelle(kaputt);
        const Umrechnungsergebnis r = Viskositaet(Centistoke, u"10"_qs);
        EXPECT_FALSE(r.Berechnet) << kaputt.join(u'|').toStdString();
        EXPECT_TRUE(Meldungstext(r).startsWith(u"Die Viskositätstabelle"_qs))
            << Meldungstext(r).toStdString();
    }
}

TEST_F(ViskositaetTest, UnitsWithoutFormula) {
    Tabelle(Kleine_Tabelle);
    const Umrechnungsergebnis r = Viskositaet(Unbekannt, u"10"_qs);
    EXPECT_FALSE(r.Berechnet);
    ASSERT_EQ(r.Meldungen.size(), 1u);
    EXPECT_EQ(r.Meldungen[0].art, Meldungsart::Schlicht);
}

// The shipped table against the conversion standards it was made from.
double Saybolt_ASTM(double nu) {
    return 4.6324 * nu +
           (1.0 + 0.03264 * nu) /
               ((3930.2 + 262.7 * nu + 23.97 * nu * nu + 1.646 * nu * nu * nu) * 1e-5);
}

double Wurzel(double a, double c, double nu) {
    return (nu + std::sqrt(nu * nu + 4 * a * c)) / (2 * a);
}

double Engler_Ubbelohde(double nu) {
    return Wurzel(7.31, 6.31, nu);
}

double Redwood_Nr1(double nu) {
    const double t = Wurzel(0.260, 179.0, nu);
    return t <= 100 ? t : Wurzel(0.247, 50.0, nu);
}

TEST_F(ViskositaetTest, ShippedTableFollowsTheStandardsWithinHalfAPercent) {
    ASSERT_TRUE(Viskositaetstabelle_bereitstellen(env));
    const auto tabelle = Viskositaetstabelle_lesen();
    ASSERT_TRUE(tabelle) << tabelle.error().toStdString();
    EXPECT_EQ(tabelle->front()[0], 1.0);
    EXPECT_EQ(tabelle->back()[0], 1000.0);

    double (*const normen[])(double) = {Engler_Ubbelohde, Saybolt_ASTM, Redwood_Nr1};
    double schlechteste = 0;
    for (double nu = 1.0; nu <= 1000.0; nu *= 1.003) {
        for (int spalte = 1; spalte <= 3; ++spalte) {
            const double norm = normen[spalte - 1](nu);
            const double hin = Tabellenwert(*tabelle, 0, spalte, nu);
            const double zurueck = Tabellenwert(*tabelle, spalte, 0, norm);
            schlechteste = std::max(
                {schlechteste, std::fabs(hin - norm) / norm, std::fabs(zurueck - nu) / nu});
        }
    }
    EXPECT_LT(schlechteste, 0.005);

    // Published values at round viscosities.
    EXPECT_NEAR(Tabellenwert(*tabelle, 0, 2, 10.0), 58.85, 0.1);
    EXPECT_NEAR(Tabellenwert(*tabelle, 0, 2, 20.0), 97.8, 0.1);
    EXPECT_NEAR(Tabellenwert(*tabelle, 0, 2, 100.0), 463.5, 0.3);
    EXPECT_NEAR(Tabellenwert(*tabelle, 0, 1, 1.0), 1.0, 1e-9);
    EXPECT_NEAR(Tabellenwert(*tabelle, 0, 1, 20.0), 3.02, 0.01);
}

} // namespace
