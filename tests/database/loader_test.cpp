#include "database/countries.h"
#include "database/datafile.h"
#include "database/keys.h"
#include "database/loader.h"
#include "test_env.h"

#include <gtest/gtest.h>

using namespace talvero;
using talvero::test::Einheitenzeile;
using talvero::test::Testumgebung;

namespace {

QStringList Namen(const ObjektListe& liste) {
    QStringList out;
    for (const auto& e : liste)
        out << e.Ausgabetext.Einheit;
    return out;
}

// Five units of three countries; Bayern is not among the shown countries.
QStringList Fuenf_Zeilen() {
    return {Einheitenzeile(u"Meter"_qs, u"1"_qs, u"SI-Einheit"_qs),
            Einheitenzeile(u"Fuß"_qs, u"0,3048"_qs, u"Englisches System"_qs),
            Einheitenzeile(u"Rute"_qs, u"2,92"_qs, u"Bayern"_qs),
            Einheitenzeile(u"Zoll"_qs, u"0,0254"_qs, u"Englisches System"_qs),
            Einheitenzeile(u"Kilometer"_qs, u"1000"_qs, u"SI-Einheit"_qs)};
}

struct LoadCase {
    const char* name;
    QString gebiet;
    QString versteckt;
    bool trotzdem;
    QStringList erwartet;
    int normal;
    int wegenLand;
    QString verstecktDanach;
    bool reparatur;
    friend void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }
};

class LoadTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadTest, HidesAndCounts) {
    const LoadCase& c = GetParam();
    Testumgebung env;
    env.Datenordner_schreiben({c.gebiet + u"\tDATEI\tMeter"_qs}, {u"*"_qs},
                              {{u"DATEI"_qs, Fuenf_Zeilen()}});
    Ausblendungen a;
    QString* liste = Versteckliste(a, c.gebiet);
    if (liste)
        *liste = c.versteckt;
    else
        a.Reg_Laenge = c.versteckt; // must not matter outside the four areas
    Ladeauftrag auftrag{{c.gebiet, u"DATEI"_qs, u"Meter"_qs},
                        {u"si-einheit"_qs, u"Englisches System"_qs},
                        c.trotzdem,
                        u"Alphabet"_qs};

    const Ladeergebnis r = Werte_Datei_in_ObjektListe(auftrag, a);

    EXPECT_EQ(Namen(r.Eintraege), c.erwartet);
    EXPECT_EQ(r.Anzahl_Saetze_in_Datei, 5);
    EXPECT_EQ(r.Anzahl_Ausblendungen_normal, c.normal);
    EXPECT_EQ(r.Anzahl_Ausblendungen_wegen_Land, c.wegenLand);
    EXPECT_EQ(liste ? *liste : a.Reg_Laenge, c.verstecktDanach);
    if (c.reparatur) {
        ASSERT_EQ(r.Meldungen.size(), 1u);
        EXPECT_EQ(r.Meldungen[0].art, Meldungsart::Schlicht);
        EXPECT_EQ(r.Meldungen[0].text,
                  u"Ein anderer Anwender hat Einheiten in der Datendatei des Gebietes "_qs +
                      c.gebiet +
                      u" entweder gelöscht oder neu hinzugefügt. Ihre ausgeblendeten Einheiten "
                      u"mussten daher zurückgesetzt werden."_qs);
    } else {
        EXPECT_TRUE(r.Meldungen.empty());
    }
    for (const auto& e : r.Eintraege) {
        EXPECT_TRUE(e.Rechenergebnis_wiss.isEmpty());
        EXPECT_EQ(Fuenf_Zeilen()[e.Position_in_Datei].section(u'\t', 7, 7), e.Ausgabetext.Einheit);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, LoadTest,
    testing::Values(LoadCase{"hiddenAlsoByCountryCountsTwice",
                             u"Länge"_qs,
                             u"11001"_qs,
                             false,
                             {u"Meter"_qs, u"Fuß"_qs, u"Kilometer"_qs},
                             2,
                             1,
                             u"11001"_qs,
                             false},
                    LoadCase{"wrongLengthRepaired",
                             u"Masse"_qs,
                             u"1101"_qs,
                             false,
                             {u"Meter"_qs, u"Fuß"_qs, u"Zoll"_qs, u"Kilometer"_qs},
                             0,
                             1,
                             u"11111"_qs,
                             true},
                    LoadCase{"emptyFilledSilently",
                             u"Fläche"_qs,
                             u""_qs,
                             false,
                             {u"Meter"_qs, u"Fuß"_qs, u"Zoll"_qs, u"Kilometer"_qs},
                             0,
                             1,
                             u"11111"_qs,
                             false},
                    LoadCase{"anyOtherCharacterHides",
                             u"Volumen"_qs,
                             u"1x1a1"_qs,
                             false,
                             {u"Meter"_qs, u"Kilometer"_qs},
                             2,
                             1,
                             u"1x1a1"_qs,
                             false},
                    LoadCase{"showHiddenKeepsCountryHiding",
                             u"Länge"_qs,
                             u"00000"_qs,
                             true,
                             {u"Meter"_qs, u"Fuß"_qs, u"Zoll"_qs, u"Kilometer"_qs},
                             5,
                             1,
                             u"00000"_qs,
                             false},
                    LoadCase{"otherAreaListsEverything",
                             u"Temperatur"_qs,
                             u"00000"_qs,
                             false,
                             {u"Meter"_qs, u"Fuß"_qs, u"Rute"_qs, u"Zoll"_qs, u"Kilometer"_qs},
                             0,
                             0,
                             u"00000"_qs,
                             false},
                    LoadCase{"areaNameIsCaseSensitive",
                             u"länge"_qs,
                             u"00000"_qs,
                             false,
                             {u"Meter"_qs, u"Fuß"_qs, u"Rute"_qs, u"Zoll"_qs, u"Kilometer"_qs},
                             0,
                             0,
                             u"00000"_qs,
                             false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoaderTest, OrderAfterLoad) {
    Testumgebung env;
    env.Datenordner_schreiben({u"Länge\tDATEI\tMeter"_qs}, {u"*"_qs},
                              {{u"DATEI"_qs, Fuenf_Zeilen()}});
    Ausblendungen a;
    Ladeauftrag auftrag{{u"Länge"_qs, u"DATEI"_qs, {}},
                        {u"SI-Einheit"_qs, u"Englisches System"_qs, u"Bayern"_qs},
                        false,
                        u"Land"_qs};
    EXPECT_EQ(Namen(Werte_Datei_in_ObjektListe(auftrag, a).Eintraege),
              (QStringList{u"Kilometer"_qs, u"Meter"_qs, u"Fuß"_qs, u"Zoll"_qs, u"Rute"_qs}));
    auftrag.ESortierung = u"Groesse"_qs;
    EXPECT_EQ(Namen(Werte_Datei_in_ObjektListe(auftrag, a).Eintraege),
              (QStringList{u"Zoll"_qs, u"Fuß"_qs, u"Meter"_qs, u"Rute"_qs, u"Kilometer"_qs}));
}

struct FailCase {
    const char* name;
    QString dateiname;
    bool schreiben;
    QString schluessel;
    friend void PrintTo(const FailCase& c, std::ostream* os) { *os << c.name; }
};

class LoadFailureTest : public testing::TestWithParam<FailCase> {};

TEST_P(LoadFailureTest, ReportsAndKeepsTheHiddenList) {
    Testumgebung env;
    env.Datenordner_schreiben({}, {}, {});
    if (GetParam().schreiben) {
        ASSERT_TRUE(Datei_verschluesseln_und_speichern(
                        Fuenf_Zeilen(), env.datenordner() + u"DATEI.DAT1"_qs, GetParam().schluessel)
                        .has_value());
    }
    Ausblendungen a;
    a.Reg_Laenge = u"101"_qs;
    const Ladeergebnis r = Werte_Datei_in_ObjektListe(
        {{u"Länge"_qs, GetParam().dateiname, {}}, {u"SI-Einheit"_qs}, false, u"Land"_qs}, a);
    EXPECT_TRUE(r.Eintraege.empty());
    EXPECT_EQ(r.Anzahl_Saetze_in_Datei, 0);
    EXPECT_EQ(r.Anzahl_Ausblendungen_normal, 0);
    ASSERT_EQ(r.Meldungen.size(), 1u);
    EXPECT_EQ(r.Meldungen[0], (Meldung{Meldungsart::Fehler,
                                       u"Die Datei "_qs + GetParam().dateiname +
                                           u" konnte nicht geöffnet werden!"_qs,
                                       {}}));
    EXPECT_EQ(a.Reg_Laenge, u"101"_qs) << "nothing from a failed read changes the list";
}

INSTANTIATE_TEST_SUITE_P(Files, LoadFailureTest,
                         testing::Values(FailCase{"missing", u"DATEI"_qs, false, {}},
                                         FailCase{"wrongKey", u"DATEI"_qs, true, u"anders"_qs},
                                         FailCase{"pathOutsideTheFolder", u"../TVR7/DATEI"_qs, true,
                                                  Schluessel1()}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoaderTest, EmptyFileClearsAStoredList) {
    Testumgebung env;
    env.Datenordner_schreiben({}, {}, {{u"LEER"_qs, {}}});
    Ausblendungen a;
    a.Reg_Laenge = u"11"_qs;
    const Ladeergebnis r =
        Werte_Datei_in_ObjektListe({{u"Länge"_qs, u"LEER"_qs, {}}, {}, false, u"Alphabet"_qs}, a);
    EXPECT_TRUE(r.Eintraege.empty());
    EXPECT_EQ(a.Reg_Laenge, QString());
    ASSERT_EQ(r.Meldungen.size(), 1u);
    EXPECT_EQ(r.Meldungen[0].art, Meldungsart::Schlicht);
}

TEST(CountryTest, ListsFromFileAndState) {
    Testumgebung env;
    ASSERT_TRUE(Datei_verschluesseln_und_speichern(
                    {u"A\tx\ty\tj"_qs, u"B\tx\ty\tn"_qs, u"C\tx\ty\tj\tmehr"_qs, u"D"_qs},
                    env.programmordner() + u"LAENDER.NFO1"_qs, Schluessel1())
                    .has_value());
    auto listen = Laenderdatei_lesen();
    ASSERT_TRUE(listen.has_value());
    EXPECT_EQ(listen->Alle_Laender, (QStringList{u"A"_qs, u"B"_qs, u"C"_qs, u"D"_qs}));
    EXPECT_EQ(listen->Laender_in_Datenbank, (QStringList{u"A"_qs, u"C"_qs}));

    struct Fall {
        QString vorher, nachher;
        QStringList angezeigt, ausgeblendet;
    };
    for (const Fall& f : {Fall{u""_qs, u"1111"_qs, {u"A"_qs, u"C"_qs}, {}},
                          Fall{u"1011"_qs, u"1011"_qs, {u"A"_qs, u"C"_qs}, {}},
                          Fall{u"1101"_qs, u"1101"_qs, {u"A"_qs}, {u"C"_qs}},
                          Fall{u"0"_qs, u"0111"_qs, {u"C"_qs}, {u"A"_qs}},
                          Fall{u"11x1"_qs, u"11x1"_qs, {u"A"_qs}, {}}}) {
        QString state = f.vorher;
        Listen_aktualisieren(*listen, state);
        EXPECT_EQ(state, f.nachher) << f.vorher.toStdString();
        EXPECT_EQ(listen->Angezeigte_Laender, f.angezeigt) << f.vorher.toStdString();
        EXPECT_EQ(listen->Ausgeblendete_Laender, f.ausgeblendet) << f.vorher.toStdString();
    }
}

TEST(CountryTest, MissingFileIsAMessage) {
    Testumgebung env;
    const auto listen = Laenderdatei_lesen();
    ASSERT_FALSE(listen.has_value());
    EXPECT_FALSE(listen.error().isEmpty());
}

} // namespace
