#include "cli_run.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace talvero::test;

namespace {

// A unit line with its country and its reference temperature ("entspricht").
QString Zeile(const QString& einheit, const QString& faktor, const QString& land,
              const QString& entspricht = {}) {
    QStringList f = Einheitenzeile(einheit, faktor, land).split(u'\t');
    f[12] = entspricht;
    return f.join(u'\t');
}

class ConvertTest : public testing::Test {
protected:
    void SetUp() override {
        env.Datenordner_schreiben(
            {u"Länge\tLAENGE\tMeter"_qs, u"Aräometerskalen\tARAEOMET\tGrad API"_qs,
             u"Zahlensysteme\tZAHLENSY\tDezimalsystem"_qs,
             u"Viskosität, kinem. alt\tVISKALT\tCentistoke"_qs},
            {u"*"_qs, u"*"_qs, u"*"_qs, u"*"_qs},
            {{u"LAENGE"_qs,
              {Zeile(u"Fuß"_qs, u"0,3048"_qs, u"Großbritannien"_qs),
               Zeile(u"Meter"_qs, u"1"_qs, u"SI-Einheit"_qs),
               Zeile(u"Fuß"_qs, u"0,3048006096"_qs, u"USA"_qs)}},
             {u"ARAEOMET"_qs,
              {Zeile(u"Grad Baumé"_qs, u"1"_qs, u"Niederlande"_qs, u"12,5° C"_qs),
               Zeile(u"Grad Baumé"_qs, u"1"_qs, u"USA"_qs, u"15,56° C = 60° F"_qs),
               Zeile(u"Grad API"_qs, u"1"_qs, u"USA"_qs, u"15,56° C = 60° F"_qs)}},
             {u"ZAHLENSY"_qs,
              {Zeile(u"Dualsystem"_qs, u"1"_qs, u"Sonstige Einheit"_qs),
               Zeile(u"Dezimalsystem"_qs, u"1"_qs, u"Sonstige Einheit"_qs),
               Zeile(u"Hexadezimalsystem"_qs, u"1"_qs, u"Sonstige Einheit"_qs),
               Zeile(u"Oktalsystem"_qs, u"1"_qs, u"Sonstige Einheit"_qs),
               Zeile(u"Römische Zahlen"_qs, u"1"_qs, u"Römisches Reich"_qs)}},
             {u"VISKALT"_qs,
              {Zeile(u"Centistoke"_qs, u"1E-6"_qs, u"Internationale Einheit"_qs),
               Zeile(u"Engler-Grad"_qs, u"0"_qs, u"Deutschland"_qs)}}});
    }
    Lauf convert(const QStringList& args) { return cli(env, QStringList{u"convert"_qs} + args); }
    Testumgebung env;
};

TEST_F(ConvertTest, PrintsEveryUnitInFileOrder) {
    const Lauf fest = convert({u"Länge"_qs, u"Fuß"_qs, u"1,5"_qs});
    EXPECT_EQ(fest.code, 0) << fest.err.toStdString();
    EXPECT_EQ(fest.out, u"Fuß\tGroßbritannien\t1,5000000000\n"
                        u"Meter\tSI-Einheit\t0,4572000000\n"
                        u"Fuß\tUSA\t1,4999970000\n"_qs);
    EXPECT_TRUE(fest.err.isEmpty());

    const Lauf wiss = convert({u"Länge"_qs, u"Fuß"_qs, u"-1,5"_qs, u"--scientific"_qs});
    EXPECT_EQ(wiss.code, 0);
    EXPECT_EQ(wiss.out, u"Fuß\tGroßbritannien\t-1,500000E+0000\n"
                        u"Meter\tSI-Einheit\t-4,572000E-0001\n"
                        u"Fuß\tUSA\t-1,499997E+0000\n"_qs);

    const Lauf land = convert({u"Länge"_qs, u"Fuß"_qs, u"1"_qs, u"--country"_qs, u"USA"_qs});
    EXPECT_EQ(land.code, 0);
    EXPECT_TRUE(land.out.contains(u"Meter\tSI-Einheit\t0,3048006096\n"_qs))
        << land.out.toStdString();
}

TEST_F(ConvertTest, BadInputAndUnknownNamesExitWithTheMessage) {
    const Lauf falsch = convert({u"Länge"_qs, u"Meter"_qs, u"1,5,5"_qs});
    EXPECT_EQ(falsch.code, 1);
    EXPECT_TRUE(falsch.out.isEmpty());
    EXPECT_EQ(falsch.err, u"Falsche Eingabe im Werteingabeld! Bitte ändern! \n"_qs);

    const Lauf hex = convert({u"Zahlensysteme"_qs, u"Hexadezimalsystem"_qs, u"80000000"_qs});
    EXPECT_EQ(hex.code, 1);
    EXPECT_EQ(hex.err, u"Die Hexadezimalzahl ist zu groß!\n"_qs);

    const Lauf einheit = convert({u"Länge"_qs, u"Elle"_qs, u"1"_qs});
    EXPECT_EQ(einheit.code, 1);
    EXPECT_TRUE(einheit.err.contains(u"Elle"_qs));
    const Lauf land =
        convert({u"Länge"_qs, u"Fuß"_qs, u"1"_qs, u"--country"_qs, u"Deutschland"_qs});
    EXPECT_EQ(land.code, 1);
    EXPECT_TRUE(land.err.contains(u"Deutschland"_qs));
    EXPECT_EQ(convert({u"Fläche"_qs, u"Ar"_qs, u"1"_qs}).code, 1);
}

TEST_F(ConvertTest, WrongCallsExitWithTwo) {
    EXPECT_EQ(convert({u"Länge"_qs, u"Meter"_qs}).code, 2);
    EXPECT_EQ(convert({u"Länge"_qs, u"Meter"_qs, u"1"_qs, u"2"_qs}).code, 2);
    EXPECT_EQ(convert({u"Länge"_qs, u"Meter"_qs, u"1"_qs, u"--country"_qs}).code, 2);
    EXPECT_EQ(
        convert({u"Aräometerskalen"_qs, u"Grad API"_qs, u"30"_qs, u"--lighter"_qs, u"--heavier"_qs})
            .code,
        2);
}

TEST_F(ConvertTest, HydrometerQuestionIsAnsweredByAnOption) {
    const QStringList baume = {u"Aräometerskalen"_qs, u"Grad Baumé"_qs, u"10"_qs, u"--country"_qs,
                               u"USA"_qs};
    const Lauf frage = convert(baume);
    EXPECT_EQ(frage.code, 1);
    EXPECT_TRUE(frage.out.isEmpty());
    EXPECT_EQ(frage.err, u"Zur Berechnung werden weitere Angaben benötigt. Ist Ihre Flüssigkeit "
                         u"leichter als Wasser?\n"_qs);

    const Lauf schwer = convert(baume + QStringList{u"--heavier"_qs});
    EXPECT_EQ(schwer.code, 0) << schwer.err.toStdString();
    EXPECT_TRUE(schwer.out.contains(u"Grad Baumé\tUSA\t10,000000000\n"_qs));
    EXPECT_TRUE(schwer.out.contains(u"Grad API\tUSA\tkeine Angabe\n"_qs));

    const Lauf leicht = convert(baume + QStringList{u"--lighter"_qs});
    EXPECT_EQ(leicht.code, 0);
    EXPECT_TRUE(leicht.out.contains(u"Grad Baumé\tUSA\t10,000000000\n"_qs));
    EXPECT_FALSE(leicht.out.contains(u"keine Angabe"_qs));
}

// Messages the window shows after the results go to standard error, with success.
TEST_F(ConvertTest, MessagesAfterResultsGoToStandardError) {
    const Lauf api = convert({u"Aräometerskalen"_qs, u"Grad API"_qs, u"5"_qs});
    EXPECT_EQ(api.code, 0);
    EXPECT_TRUE(api.out.contains(u"Grad API\tUSA\t10,000000000\n"_qs));
    EXPECT_EQ(api.err, u"Eingabe von Werten < 10 ist bei API nicht zulässig!\n"_qs);

    const Lauf roemisch = convert({u"Zahlensysteme"_qs, u"Römische Zahlen"_qs, u"IIII"_qs});
    EXPECT_EQ(roemisch.code, 0);
    EXPECT_EQ(roemisch.out, u"Dualsystem\tSonstige Einheit\t100\n"
                            u"Dezimalsystem\tSonstige Einheit\t4\n"
                            u"Hexadezimalsystem\tSonstige Einheit\t4\n"
                            u"Oktalsystem\tSonstige Einheit\t4\n"
                            u"Römische Zahlen\tRömisches Reich\tIV\n"_qs);
    EXPECT_EQ(roemisch.err, u"Falsche Römische Zahl!\n"_qs);
}

TEST_F(ConvertTest, ViscosityReadsTheTableOfTheProgramFolder) {
    const Lauf ohne = convert({u"Viskosität, kinem. alt"_qs, u"Centistoke"_qs, u"100"_qs});
    EXPECT_EQ(ohne.code, 1);
    EXPECT_TRUE(ohne.err.contains(u"STOFFW12.NFO1"_qs)) << ohne.err.toStdString();

    ASSERT_TRUE(QFile::copy(QStringLiteral(TALVERO_BUILD_PROGRAM_DIR "/STOFFW12.NFO1"),
                            env.programmordner() + u"STOFFW12.NFO1"_qs));
    const Lauf mit = convert({u"Viskosität, kinem. alt"_qs, u"Centistoke"_qs, u"100"_qs});
    EXPECT_EQ(mit.code, 0) << mit.err.toStdString();
    EXPECT_TRUE(mit.out.startsWith(u"Centistoke\tInternationale Einheit\t100,00000000\n"
                                   u"Engler-Grad\tDeutschland\t13,74"_qs))
        << mit.out.toStdString();
}

} // namespace
