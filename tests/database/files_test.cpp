#include "database/areatable.h"
#include "database/atomicfile.h"
#include "database/container.h"
#include "database/datafile.h"
#include "database/folders.h"
#include "database/keys.h"
#include "database/seed.h"
#include "database/textcodec.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace talvero;
using talvero::test::Testumgebung;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(FoldersTest, DataFolderFollowsTheEnvironment) {
    Testumgebung env;
    EXPECT_EQ(Datenordner(), env.datenroot() + u"/TVR7/"_qs);
    qunsetenv("TALVERO_DATA_ROOT");
    qputenv("XDG_DATA_HOME", "/tmp/xdg-talvero");
    EXPECT_EQ(Datenordner(), u"/tmp/xdg-talvero/TVR7/"_qs);
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(Datenordner(), QDir::homePath() + u"/.local/share/TVR7/"_qs);
    EXPECT_EQ(Programmordner(), env.programmordner());
}

TEST(AreaTableTest, LoadsAndSavesTheTable) {
    Testumgebung env;
    env.Datenordner_schreiben({u"Länge\tLAENGE\tMeter"_qs, u"Zeit\tZEIT"_qs}, {}, {});
    const auto areas = Gebiete_laden();
    ASSERT_TRUE(areas.has_value());
    ASSERT_EQ(areas->size(), 2u);
    EXPECT_EQ(areas->at(0), (Typ_GruppenInfo{u"Länge"_qs, u"LAENGE"_qs, u"Meter"_qs}));
    EXPECT_EQ(areas->at(1).Grundeinheit, QString());

    ASSERT_TRUE(Gebiete_speichern(*areas).has_value());
    EXPECT_EQ(readAll(env.datenordner() + u"_GRUPPEN.NFO1"_qs),
              QByteArray("L\xE4nge\tLAENGE\tMeter\r\nZeit\tZEIT\t\r\n"));
}

TEST(AreaTableTest, InformationBlocksRoundTrip) {
    Testumgebung env;
    env.Datenordner_schreiben({}, {u"A1"_qs, u"A2"_qs, u"*"_qs, u"B"_qs, u"*"_qs}, {});
    const QByteArray before = readAll(env.datenordner() + u"Gebiet.nfo1"_qs);
    const auto info = Gebiet_Infos_einlesen();
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(Gebiet_Info(*info, 1), u"A1\r\nA2\r\n"_qs);
    EXPECT_EQ(Gebiet_Info(*info, 2), u"\r\nB\r\n"_qs);
    ASSERT_TRUE(Gebiet_Infos_speichern(*info, 2).has_value());
    EXPECT_EQ(readAll(env.datenordner() + u"Gebiet.nfo1"_qs), before);
}

TEST(AreaTableTest, MissingTableIsAMessage) {
    Testumgebung env;
    const auto areas = Gebiete_laden();
    ASSERT_FALSE(areas.has_value());
    EXPECT_TRUE(areas.error().contains(u"_GRUPPEN.NFO1"_qs));
}

TEST(DataFileTest, RoundTripAndFailedReads) {
    Testumgebung env;
    QDir().mkpath(env.datenordner());
    const QString path = env.datenordner() + u"LAENGE.DAT1"_qs;
    const QStringList lines{u"j\tn\tFuß"_qs, u""_qs, u"€"_qs};
    ASSERT_TRUE(Datei_verschluesseln_und_speichern(lines, path, Schluessel1()).has_value());
    EXPECT_EQ(Datei_oeffnen_und_entschluesseln(path, Schluessel1()).value(), lines);

    const auto wrongKey = Datei_oeffnen_und_entschluesseln(path, Schluessel2());
    ASSERT_FALSE(wrongKey.has_value());
    EXPECT_TRUE(wrongKey.error().contains(u"beschädigt"_qs));

    QByteArray bytes = readAll(path);
    bytes[12] = static_cast<char>(bytes[12] ^ 0x40);
    writeRaw(path, bytes);
    EXPECT_FALSE(Datei_oeffnen_und_entschluesseln(path, Schluessel1()).has_value());

    EXPECT_FALSE(
        Datei_oeffnen_und_entschluesseln(env.datenordner() + u"FEHLT.DAT1"_qs, Schluessel1())
            .has_value());
}

TEST(DataFileTest, AreaFileNamesStayInsideTheDataFolder) {
    Testumgebung env;
    QDir().mkpath(env.datenordner());
    const QStringList lines{u"j\tn"_qs};
    // A readable file just outside the data folder.
    ASSERT_TRUE(
        Datei_verschluesseln_und_speichern(lines, env.datenroot() + u"/OUT.DAT1"_qs, Schluessel1())
            .has_value());
    ASSERT_TRUE(
        Datei_verschluesseln_und_speichern(lines, env.datenordner() + u"IN.DAT1"_qs, Schluessel1())
            .has_value());
    EXPECT_EQ(Datendatei_lesen(u"IN"_qs).value(), lines);
    for (const QString& name : {u"../OUT"_qs, u"..\\OUT"_qs, u""_qs})
        EXPECT_FALSE(Datendatei_lesen(name).has_value()) << qPrintable(name);
}

TEST(DataFileTest, ByteOrderMarkInsideTheContainerIsHonoured) {
    Testumgebung env;
    QDir().mkpath(env.datenordner());
    const QString source = env.datenordner() + u"x.txt"_qs;
    writeRaw(source, "\xEF\xBB\xBFL\xC3\xA4nge\nZeit\n");
    const QString path = env.datenordner() + u"X.DAT1"_qs;
    // The UTF-8 bytes are sealed as they are, mark included.
    ASSERT_TRUE(Datei_atomar_schreiben(
                    path, container::verschluesseln(readAll(source), toAnsi(Schluessel1())))
                    .has_value());
    EXPECT_EQ(Datei_oeffnen_und_entschluesseln(path, Schluessel1()).value(),
              (QStringList{u"Länge"_qs, u"Zeit"_qs}));
}

TEST(AtomicFileTest, FailedWriteKeepsTheOldFile) {
    Testumgebung env;
    QDir().mkpath(env.datenordner());
    const QString path = env.datenordner() + u"keep.txt"_qs;
    writeRaw(path, "old");
    ASSERT_TRUE(Datei_atomar_schreiben(path, "new").has_value());
    EXPECT_EQ(readAll(path), QByteArray("new"));
    // A folder that is a file cannot take the temporary file.
    const auto failed = Datei_atomar_schreiben(path + u"/sub"_qs, "x");
    ASSERT_FALSE(failed.has_value());
    EXPECT_TRUE(failed.error().contains(u"nicht gespeichert"_qs));
    EXPECT_EQ(readAll(path), QByteArray("new"));
    EXPECT_EQ(QDir(env.datenordner()).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "no temporary file is left behind";
}

TEST(AtomicFileTest, LockIsExclusive) {
    Testumgebung env;
    QDir().mkpath(env.datenordner());
    Datenordner_Sperre first(env.datenordner());
    ASSERT_TRUE(first.gesperrt());
    QLockFile second(env.datenordner() + u".talvero.lock"_qs);
    EXPECT_FALSE(second.tryLock(0));
}

TEST(SeedTest, CopiesTheDefaultDatabaseOnce) {
    Testumgebung env;
    const QString defaults = env.programmordner() + u"default/"_qs;
    QDir().mkpath(defaults);
    writeRaw(defaults + u"_GRUPPEN.NFO1"_qs, "L\xE4nge\tLAENGE\tMeter\r\n");
    writeRaw(defaults + u"LAENGE.DAT1"_qs, "payload");
    EXPECT_EQ(Datenordner_einrichten().value(), true);
    EXPECT_EQ(readAll(env.datenordner() + u"LAENGE.DAT1"_qs), QByteArray("payload"));
    EXPECT_EQ(Gebiete_laden().value().size(), 1u);

    writeRaw(env.datenordner() + u"LAENGE.DAT1"_qs, "user edits");
    EXPECT_EQ(Datenordner_einrichten().value(), false);
    EXPECT_EQ(readAll(env.datenordner() + u"LAENGE.DAT1"_qs), QByteArray("user edits"));
}

TEST(SeedTest, UnwritableDataFolderIsAMessage) {
    Testumgebung env;
    const QString defaults = env.programmordner() + u"default/"_qs;
    QDir().mkpath(defaults);
    writeRaw(defaults + u"_GRUPPEN.NFO1"_qs, "Zeit\tZEIT\r\n");
    const QString blocked = env.datenroot() + u"/blocked"_qs;
    writeRaw(blocked, "a file, not a folder");
    qputenv("TALVERO_DATA_ROOT", blocked.toUtf8());
    const auto seeded = Datenordner_einrichten();
    ASSERT_FALSE(seeded.has_value());
    EXPECT_TRUE(seeded.error().contains(u"Datenordner"_qs));
}

TEST(SeedTest, MissingDefaultDatabaseIsAMessage) {
    Testumgebung env;
    EXPECT_FALSE(Datenordner_einrichten().has_value());
    EXPECT_FALSE(QDir(env.datenordner()).exists(u"_GRUPPEN.NFO1"_qs));
}

} // namespace
