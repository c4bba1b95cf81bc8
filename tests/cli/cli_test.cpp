#include "cli_run.h"

#include <QFile>
#include <gtest/gtest.h>

using talvero::test::cli;
using talvero::test::Einheitenzeile;
using talvero::test::Lauf;
using talvero::test::Testumgebung;

namespace {

class CliTest : public testing::Test {
protected:
    void SetUp() override {
        env.Datenordner_schreiben(
            {u"Länge\tLAENGE\tMeter"_qs, u"Zeit\tZEIT\tSekunde"_qs}, {u"L"_qs, u"*"_qs, u"*"_qs},
            {{u"LAENGE"_qs,
              {Einheitenzeile(u"Fuß"_qs, u"0,3048"_qs, u"Großbritannien"_qs, u"ft"_qs),
               Einheitenzeile(u"Meter"_qs, u"1"_qs, u"SI-Einheit"_qs, u"m"_qs)}}});
    }
    Testumgebung env;
};

TEST_F(CliTest, AreasAndUnits) {
    const Lauf areas = cli(env, {u"areas"_qs});
    EXPECT_EQ(areas.code, 0);
    EXPECT_EQ(areas.out, u"Länge\tLAENGE\tMeter\nZeit\tZEIT\tSekunde\n"_qs);

    const Lauf units = cli(env, {u"units"_qs, u"Länge"_qs});
    EXPECT_EQ(units.code, 0);
    EXPECT_EQ(units.out, u"Fuß\tGroßbritannien\tft\nMeter\tSI-Einheit\tm\n"_qs);
}

TEST_F(CliTest, FailedReadsExitWithAMessage) {
    const Lauf missing = cli(env, {u"units"_qs, u"Zeit"_qs});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(u"ZEIT.DAT1"_qs));
    EXPECT_TRUE(missing.out.isEmpty());

    const Lauf unknown = cli(env, {u"units"_qs, u"Gibtsnicht"_qs});
    EXPECT_EQ(unknown.code, 1);
    EXPECT_TRUE(unknown.err.contains(u"Gibtsnicht"_qs));
}

TEST_F(CliTest, WrongCallsExitWithTwo) {
    EXPECT_EQ(cli(env, {}).code, 2);
    EXPECT_EQ(cli(env, {u"frobnicate"_qs}).code, 2);
    EXPECT_EQ(cli(env, {u"units"_qs}).code, 2);
    EXPECT_EQ(cli(env, {u"data"_qs, u"decrypt"_qs}).code, 2);
    EXPECT_EQ(cli(env, {u"data"_qs, u"decrypt"_qs, u"x"_qs, u"--key"_qs}).code, 2);
}

TEST_F(CliTest, EncryptAndDecryptData) {
    const QString plain = env.datenordner() + u"plain.txt"_qs;
    const QString sealed = env.datenordner() + u"SEALED.NFO1"_qs;
    {
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(u"Österreich\tAT\tAustria\tj\nEigene Einheit\t-\tOwn unit\tn\n"_qs.toUtf8());
    }
    EXPECT_EQ(cli(env, {u"data"_qs, u"encrypt"_qs, plain, sealed}).code, 0);
    EXPECT_EQ(QFile(sealed).size(), 8 + 2 + 54 + 10) << "Windows-1252 with CR LF inside";

    const Lauf back = cli(env, {u"data"_qs, u"decrypt"_qs, sealed});
    EXPECT_EQ(back.code, 0);
    EXPECT_EQ(back.out, u"Österreich\tAT\tAustria\tj\nEigene Einheit\t-\tOwn unit\tn\n"_qs);

    const Lauf otherKey = cli(env, {u"data"_qs, u"decrypt"_qs, sealed, u"--key"_qs, u"x"_qs});
    EXPECT_EQ(otherKey.code, 1);
    EXPECT_TRUE(otherKey.out.isEmpty());
    EXPECT_FALSE(otherKey.err.isEmpty());

    EXPECT_EQ(cli(env, {u"data"_qs, u"encrypt"_qs, plain, sealed, u"--key"_qs, u"x"_qs}).code, 0);
    EXPECT_EQ(cli(env, {u"data"_qs, u"decrypt"_qs, sealed, u"--key"_qs, u"x"_qs}).out, back.out);
}

TEST(CliGoldenTest, DecryptsIndependentFiles) {
    Testumgebung env;
    const Lauf j =
        cli(env, {u"data"_qs, u"decrypt"_qs, QStringLiteral(TALVERO_FIXTURES "/container/j.DAT1")});
    EXPECT_EQ(j.code, 0);
    EXPECT_EQ(j.out, u"j\n"_qs);
}

} // namespace
