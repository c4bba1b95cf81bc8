#include "database/settings.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>

using namespace talvero;
using talvero::test::Testumgebung;

namespace {

Einstellungen Beispiel() {
    Einstellungen e;
    e.Gebietsnummer = 3;
    e.ESortierung = u"Groesse"_qs;
    e.Ausgabe_wissenschaftlich = false;
    e.Automatisches_Rechnen = true;
    e.Versteckt = {u"1101"_qs, u"10"_qs, u"011"_qs, u""_qs, u"1"_qs};
    e.HF_Left = -40;
    e.HF_Top = 12;
    e.HF_Height = 700;
    return e;
}

TEST(SettingsTest, RoundTripAsStrings) {
    Testumgebung env;
    ASSERT_FALSE(Registry_schreiben(Beispiel()).has_value());
    EXPECT_EQ(Einstellungsdatei(), env.einstellungen() + u"/Quellwerk/TVR.ini"_qs);

    const Gelesene_Einstellungen g = Registry_lesen();
    EXPECT_FALSE(g.meldung.has_value());
    EXPECT_EQ(g.werte, Beispiel());

    const QSettings raw(Einstellungsdatei(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(u"7.0/Gruppe"_qs).typeId(), QMetaType::QString);
    EXPECT_EQ(raw.value(u"7.0/Gruppe"_qs).toString(), u"3"_qs);
    EXPECT_EQ(raw.value(u"7.0/ausg_wiss"_qs).toString(), u"1"_qs);
    EXPECT_EQ(raw.value(u"7.0/autorechnen"_qs).toString(), u"1"_qs);
    EXPECT_EQ(raw.value(u"7.0/Reg_Laender"_qs).toString(), u"1101"_qs);
    EXPECT_EQ(raw.value(u"7.0/Fenster/HF_Left"_qs).toString(), u"-40"_qs);
    EXPECT_EQ(raw.value(u"7.0/Fenster/HF_Height"_qs).toString(), u"700"_qs);
}

TEST(SettingsTest, MissingStoreGivesDefaultsAndWritesNothing) {
    Testumgebung env;
    const Gelesene_Einstellungen g = Registry_lesen();
    ASSERT_TRUE(g.meldung.has_value());
    EXPECT_EQ(g.meldung->art, Meldungsart::Information);
    EXPECT_EQ(g.meldung->text,
              u"Der Talvero wird mit Standardeinstellungen geöffnet, da noch keine Angaben in der "
              u"Windows-Registry vorhanden sind oder diese nicht gelesen werden konnten."_qs);
    EXPECT_EQ(g.werte.Gebietsnummer, 1);
    EXPECT_EQ(g.werte.ESortierung, u"Alphabet"_qs);
    EXPECT_TRUE(g.werte.Ausgabe_wissenschaftlich);
    EXPECT_FALSE(g.werte.Automatisches_Rechnen);
    EXPECT_EQ(g.werte.Versteckt, Ausblendungen{});
    EXPECT_FALSE(g.werte.HF_Left.has_value());
    EXPECT_TRUE(QDir(env.einstellungen()).isEmpty());
}

// One value of a complete store changed (or removed, with an empty text) and what is
// read then.
struct ValueCase {
    const char* name;
    QString key;
    QString wert; // nullptr-like: empty with entfernen
    bool entfernen;
    bool meldung;
    int gruppe;
    QString sortierung;
    bool wiss;
    bool auto_;
    QString laenge;
    std::optional<int> left;
    friend void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(SettingsValueTest, Reads) {
    const ValueCase& c = GetParam();
    Testumgebung env;
    ASSERT_FALSE(Registry_schreiben(Beispiel()).has_value());
    {
        QSettings raw(Einstellungsdatei(), QSettings::IniFormat);
        if (c.entfernen)
            raw.remove(c.key);
        else if (c.key.endsWith(u"Liste"))
            raw.setValue(c.key.chopped(5), QStringList{u"1"_qs, u"0"_qs});
        else
            raw.setValue(c.key, c.wert);
    }
    const Gelesene_Einstellungen g = Registry_lesen();
    EXPECT_EQ(g.meldung.has_value(), c.meldung);
    EXPECT_EQ(g.werte.Gebietsnummer, c.gruppe);
    EXPECT_EQ(g.werte.ESortierung, c.sortierung);
    EXPECT_EQ(g.werte.Ausgabe_wissenschaftlich, c.wiss);
    EXPECT_EQ(g.werte.Automatisches_Rechnen, c.auto_);
    EXPECT_EQ(g.werte.Versteckt.Reg_Laenge, c.laenge);
    EXPECT_EQ(g.werte.HF_Left, c.left);
}

const QString G = u"7.0/"_qs;

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsValueTest,
    testing::Values(
        ValueCase{"areaZero", G + QString::fromUtf16(u"Gruppe"), u"0"_qs, false, false, 1,
                  u"Groesse"_qs, false, true, u"10"_qs, -40},
        ValueCase{"areaNegative", G + QString::fromUtf16(u"Gruppe"), u"-3"_qs, false, false, 1,
                  u"Groesse"_qs, false, true, u"10"_qs, -40},
        ValueCase{"areaEmpty", G + QString::fromUtf16(u"Gruppe"), u""_qs, false, false, 1,
                  u"Groesse"_qs, false, true, u"10"_qs, -40},
        ValueCase{"areaNotANumber", G + QString::fromUtf16(u"Gruppe"), u"zwei"_qs, false, true, 1,
                  u"Alphabet"_qs, true, false, u""_qs, std::nullopt},
        ValueCase{"unknownOrder", G + QString::fromUtf16(u"ESortierung"), u"groesse"_qs, false,
                  false, 3, u"Alphabet"_qs, false, true, u"10"_qs, -40},
        ValueCase{"scientificZero", G + QString::fromUtf16(u"ausg_wiss"), u"0"_qs, false, false, 3,
                  u"Groesse"_qs, true, true, u"10"_qs, -40},
        ValueCase{"fixedPointTwo", G + QString::fromUtf16(u"ausg_wiss"), u"2"_qs, false, false, 3,
                  u"Groesse"_qs, false, true, u"10"_qs, -40},
        ValueCase{"fixedPointMissing",
                  G + QString::fromUtf16(u"ausg_wiss"),
                  {},
                  true,
                  false,
                  3,
                  u"Groesse"_qs,
                  false,
                  true,
                  u"10"_qs,
                  -40},
        ValueCase{"displayBroken", G + QString::fromUtf16(u"ausg_wiss"), u"x"_qs, false, true, 1,
                  u"Alphabet"_qs, true, false, u""_qs, std::nullopt},
        ValueCase{"autoOtherText", G + QString::fromUtf16(u"autorechnen"), u"ja"_qs, false, false,
                  3, u"Groesse"_qs, false, false, u"10"_qs, -40},
        ValueCase{"hiddenListNotAString",
                  G + QString::fromUtf16(u"Reg_LaengeListe"),
                  {},
                  false,
                  true,
                  1,
                  u"Alphabet"_qs,
                  true,
                  true,
                  u""_qs,
                  std::nullopt},
        // Values read before the broken one stay: automatic computing and the left edge.
        ValueCase{"heightMissing",
                  G + QString::fromUtf16(u"Fenster/HF_Height"),
                  {},
                  true,
                  true,
                  1,
                  u"Alphabet"_qs,
                  true,
                  true,
                  u""_qs,
                  -40},
        ValueCase{"topNotANumber", G + QString::fromUtf16(u"Fenster/HF_Top"), u"oben"_qs, false,
                  true, 1, u"Alphabet"_qs, true, true, u""_qs, -40}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsTest, GarbledStoreGivesDefaults) {
    Testumgebung env;
    QDir().mkpath(env.einstellungen() + u"/Quellwerk"_qs);
    QFile f(Einstellungsdatei());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x01\x02[7.0\n=\xff\xfe@Variant(\n");
    f.close();
    const Gelesene_Einstellungen g = Registry_lesen();
    EXPECT_TRUE(g.meldung.has_value());
    EXPECT_EQ(g.werte.Gebietsnummer, 1);
}

TEST(SettingsTest, UnwritableStoreIsReported) {
    Testumgebung env;
    // A folder where the file should be cannot be replaced by the file.
    QDir().mkpath(Einstellungsdatei());
    const auto m = Registry_schreiben(Beispiel());
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->art, Meldungsart::Schlicht);
    EXPECT_EQ(m->text, u"Die aktuellen Einstellungen konnten nicht gespeichert werden"_qs);
}

} // namespace
