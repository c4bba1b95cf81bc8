#include "entries.h"

#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

enum Zeile {
    Bezug,
    Relativ,
    Gramm15,
    Gramm20,
    API,
    Balling,
    BaumeNL,
    BaumeUSA,
    BaumeAlt,
    BaumeRationell,
    Beck,
    Brix,
    Cartier,
    Fleischer,
    GayLussac,
    Stoppani,
    Twaddle,
    BaumeFrankreich,
    Unbekannt,
};

ObjektListe Skalen() {
    const auto e = [](const char16_t* name, const char16_t* land, const char16_t* bei) {
        return Eintrag(QString::fromUtf16(name), 1, 0, QString::fromUtf16(land),
                       QString::fromUtf16(bei));
    };
    ObjektListe liste = {
        e(u"g/cm^3 bei Bezugstemperatur", u"SI-Einheit", u"15° C"),
        e(u"g/cm^3 relativ Bezugstemp.", u"SI-Einheit", u"15° C"),
        e(u"Gramm/Zentimeter^3 bei 15° C", u"SI-Einheit", u"15° C"),
        e(u"Gramm/Zentimeter^3 bei 20° C", u"SI-Einheit", u"20° C"),
        e(u"Grad API", u"USA", u"15,56° C = 60° F"),
        e(u"Grad Balling", u"Tschechische Republik", u"17,5° C"),
        e(u"Grad Baumé", u"Niederlande", u"12,5° C"),
        e(u"Grad Baumé", u"USA", u"15,56° C = 60° F"),
        e(u"Grad Baumé ältere Skala", u"Frankreich", u"17,5° C"),
        e(u"Grad Baumé rationell", u"Deutschland", u"15° C"),
        e(u"Grad Beck", u"Sonstige Einheit", u"12,5° C"),
        e(u"Grad Brix", u"Deutschland", u"15,625° C = 12,5° R"),
        e(u"Grad Cartier", u"Frankreich", u"12,5° C"),
        e(u"Grad Fleischer", u"Deutschland", u"17,5° C"),
        e(u"Grad Gay-Lussac", u"Frankreich", u"15° C"),
        e(u"Grad Stoppani", u"Sonstige Einheit", u"12,5° C"),
        e(u"Grad Twaddle", u"Großbritannien", u"15,56° C"),
        e(u"Grad Baumé", u"Frankreich", u"12,5° C"),
        e(u"Grad Unbekannt", u"Sonstige Einheit", u"4° C"),
    };
    for (qsizetype i = 0; i < qsizetype(liste.size()); ++i)
        liste[i].Position_in_Datei = qint32(i);
    return liste;
}

Umrechnungsergebnis Araeometer(int quelle, const QString& eingabe,
                               std::optional<bool> leichter = std::nullopt,
                               const ObjektListe& liste = Skalen()) {
    return Rechnen(u"Aräometerskalen"_qs, liste, quelle, eingabe, leichter);
}

const QString Keine = u"keine Angabe"_qs;

// Density 1,2 and 0,8 g/cm³ at 15 °C in every scale, computed from the scales'
// definitions.
TEST(AraeometerTest, HeavyLiquidInEveryScale) {
    const Umrechnungsergebnis r = Araeometer(Gramm15, u"1,2"_qs);
    ASSERT_TRUE(r.Berechnet) << Meldungstext(r).toStdString();
    EXPECT_FALSE(r.Frage);
    EXPECT_TRUE(r.Meldungen.empty());
    EXPECT_EQ(Festkomma(r), (QStringList{u"1,2000000000"_qs, u"1,2010497175"_qs, u"1,2000000000"_qs,
                                         u"1,1989238595"_qs, Keine, u"33,479000000"_qs,
                                         u"24,104880000"_qs, u"24,272291112"_qs, u"24,570238100"_qs,
                                         u"24,155098500"_qs, u"28,457150000"_qs, u"67,014005157"_qs,
                                         u"12,199636000"_qs, u"20,104971745"_qs, u"83,260500000"_qs,
                                         u"27,810812140"_qs, u"40,209975549"_qs, Keine, Keine}));
    EXPECT_EQ(r.Ergebnisse[BaumeRationell].wiss.text(), u"2,415510E+0001"_qs);
}

TEST(AraeometerTest, LightLiquidInEveryScale) {
    const Umrechnungsergebnis r = Araeometer(Gramm15, u"0.8"_qs);
    ASSERT_TRUE(r.Berechnet) << Meldungstext(r).toStdString();
    EXPECT_FALSE(r.Frage);
    EXPECT_EQ(Festkomma(r), (QStringList{u"0,8000000000"_qs, u"0,8006998116"_qs, u"0,8000000000"_qs,
                                         u"0,7992825730"_qs, u"45,220387665"_qs, u"49,781500000"_qs,
                                         u"35,842680000"_qs, u"34,847026665"_qs, u"36,534642850"_qs,
                                         u"35,917352250"_qs, u"42,314275000"_qs, u"99,478992264"_qs,
                                         u"44,750546000"_qs, Keine, u"124,89075000"_qs,
                                         u"41,283781790"_qs, Keine, Keine, Keine}));
}

// Every scale read back gives the typed value again, for both kinds of liquid.
struct Rueckweg {
    const char* name;
    int quelle;
    const char16_t* eingabe;
    std::optional<bool> leichter;
    const char16_t* festkomma;
    friend void PrintTo(const Rueckweg& c, std::ostream* os) { *os << c.name; }
};

class AraeometerRueckwegTest : public testing::TestWithParam<Rueckweg> {};

TEST_P(AraeometerRueckwegTest, SourceRowShowsTheTypedValue) {
    const Rueckweg& c = GetParam();
    const Umrechnungsergebnis r = Araeometer(c.quelle, QString::fromUtf16(c.eingabe), c.leichter);
    ASSERT_TRUE(r.Berechnet) << Meldungstext(r).toStdString();
    EXPECT_EQ(r.Ergebnisse.at(c.quelle).fliess.text(), QString::fromUtf16(c.festkomma));
}

INSTANTIATE_TEST_SUITE_P(
    Skalen, AraeometerRueckwegTest,
    testing::Values(Rueckweg{"gram20", Gramm20, u"0,95", std::nullopt, u"0,9500000000"},
                    Rueckweg{"api", API, u"30", std::nullopt, u"30,000000000"},
                    Rueckweg{"ballingHeavy", Balling, u"10", false, u"10,000000000"},
                    Rueckweg{"ballingLight", Balling, u"10", true, u"10,000000000"},
                    Rueckweg{"baumeNlHeavy", BaumeNL, u"10", false, u"10,000000000"},
                    Rueckweg{"baumeNlLight", BaumeNL, u"10", true, u"10,000000000"},
                    Rueckweg{"baumeUsaHeavy", BaumeUSA, u"10", false, u"10,000000000"},
                    Rueckweg{"baumeUsaLight", BaumeUSA, u"10", true, u"10,000000000"},
                    Rueckweg{"baumeOldHeavy", BaumeAlt, u"10", false, u"10,000000000"},
                    Rueckweg{"baumeOldLight", BaumeAlt, u"10", true, u"10,000000000"},
                    Rueckweg{"baumeRationalHeavy", BaumeRationell, u"10", false, u"10,000000000"},
                    Rueckweg{"baumeRationalLight", BaumeRationell, u"10", true, u"10,000000000"},
                    Rueckweg{"beckHeavy", Beck, u"10", false, u"10,000000000"},
                    Rueckweg{"beckLight", Beck, u"10", true, u"10,000000000"},
                    Rueckweg{"brixHeavy", Brix, u"10", false, u"10,000000000"},
                    Rueckweg{"brixLight", Brix, u"10", true, u"10,000000000"},
                    Rueckweg{"cartierHeavy", Cartier, u"20", false, u"20,000000000"},
                    Rueckweg{"cartierLight", Cartier, u"20", true, u"20,000000000"},
                    Rueckweg{"stoppaniHeavy", Stoppani, u"10", false, u"10,000000000"},
                    Rueckweg{"stoppaniLight", Stoppani, u"10", true, u"10,000000000"},
                    Rueckweg{"fleischer", Fleischer, u"10", std::nullopt, u"10,000000000"},
                    Rueckweg{"twaddle", Twaddle, u"10", std::nullopt, u"10,000000000"},
                    Rueckweg{"gayLussac", GayLussac, u"50", std::nullopt, u"50,000000000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AraeometerTest, ScalesForBothKindsAskWhetherTheLiquidIsLighter) {
    for (int quelle :
         {Balling, BaumeNL, BaumeUSA, BaumeAlt, BaumeRationell, Beck, Brix, Cartier, Stoppani}) {
        const Umrechnungsergebnis r = Araeometer(quelle, u"10"_qs);
        EXPECT_TRUE(r.Frage) << quelle;
        EXPECT_FALSE(r.Berechnet);
        EXPECT_TRUE(r.Ergebnisse.empty());
        ASSERT_EQ(r.Meldungen.size(), 1u);
        EXPECT_EQ(r.Meldungen[0],
                  (Meldung{Meldungsart::Bestaetigung,
                           u"Zur Berechnung werden weitere Angaben benötigt. Ist Ihre "
                           u"Flüssigkeit leichter als Wasser?"_qs,
                           {}}));
    }
    for (int quelle : {Gramm15, Gramm20, API, Fleischer, Twaddle, GayLussac})
        EXPECT_FALSE(Araeometer(quelle, u"10"_qs).Frage) << quelle;
}

// The Dutch and the American Baumé scale differ; the country tells them apart.
TEST(AraeometerTest, ComparisonRowsUseTheSourceReferenceTemperature) {
    const Umrechnungsergebnis r = Araeometer(BaumeUSA, u"10"_qs, false);
    ASSERT_TRUE(r.Berechnet);
    EXPECT_EQ(r.Ergebnisse[Bezug].fliess.text(), u"1,0730429630"_qs);
    EXPECT_EQ(r.Ergebnisse[Relativ].fliess.text(), u"1,0740740741"_qs);
    EXPECT_EQ(r.Ergebnisse[Gramm15].fliess.text(), u"1,0731351901"_qs);
    EXPECT_EQ(r.Ergebnisse[Gramm20].fliess.text(), u"1,0721728199"_qs);
    EXPECT_NE(r.Ergebnisse[BaumeNL].fliess.text(), u"10,000000000"_qs);

    ObjektListe liste = Skalen();
    liste[BaumeUSA].Ausgabetext.entspricht = u"99° C"_qs;
    const Umrechnungsergebnis ohneBezug = Araeometer(BaumeUSA, u"10"_qs, false, liste);
    ASSERT_TRUE(ohneBezug.Berechnet);
    EXPECT_EQ(ohneBezug.Ergebnisse[Bezug], Textpaar(Keine));
    EXPECT_EQ(ohneBezug.Ergebnisse[Relativ], Textpaar(Keine));
    EXPECT_EQ(ohneBezug.Ergebnisse[BaumeUSA].fliess.text(), u"10,000000000"_qs);
}

TEST(AraeometerTest, ValuesBelowTheirScaleAreCorrectedAndReported) {
    const Umrechnungsergebnis gay = Araeometer(GayLussac, u"0,5"_qs);
    ASSERT_TRUE(gay.Berechnet);
    EXPECT_EQ(gay.Meldungen, (std::vector<Meldung>{
                                 {Meldungsart::Schlicht,
                                  u"Eingabe von Werten < 1 ist bei Gay-Lussac nicht zulässig!"_qs,
                                  {}}}));
    EXPECT_EQ(gay.Neue_Eingabe, u"1"_qs);
    EXPECT_EQ(gay.Ergebnisse[GayLussac].fliess.text(), u"1,0000000000"_qs);

    const Umrechnungsergebnis api = Araeometer(API, u"5"_qs);
    ASSERT_TRUE(api.Berechnet);
    EXPECT_EQ(api.Meldungen,
              (std::vector<Meldung>{{Meldungsart::Schlicht,
                                     u"Eingabe von Werten < 10 ist bei API nicht zulässig!"_qs,
                                     {}}}));
    EXPECT_EQ(api.Neue_Eingabe, u"10"_qs);
    EXPECT_EQ(api.Ergebnisse[API].fliess.text(), u"10,000000000"_qs);

    const Umrechnungsergebnis genug = Araeometer(API, u"10"_qs);
    EXPECT_TRUE(genug.Meldungen.empty());
    EXPECT_FALSE(genug.Neue_Eingabe);
}

TEST(AraeometerTest, ANegativeReadingCountsWithoutItsSign) {
    const Umrechnungsergebnis r = Araeometer(BaumeRationell, u"-12,5"_qs, true);
    ASSERT_TRUE(r.Berechnet);
    EXPECT_TRUE(r.Meldungen.empty());
    EXPECT_EQ(r.Neue_Eingabe, u" 12.5"_qs);
    EXPECT_EQ(r.Ergebnisse[BaumeRationell].fliess.text(), u"12,500000000"_qs);
}

TEST(AraeometerTest, UnitsWithoutConversion) {
    for (int quelle : {Bezug, Relativ}) {
        const Umrechnungsergebnis r = Araeometer(quelle, u"1"_qs);
        EXPECT_FALSE(r.Berechnet);
        EXPECT_EQ(r.Meldungen, (std::vector<Meldung>{
                                   {Meldungsart::Schlicht,
                                    u"Diese Einheit ist nur zu Vergleichszwecken vorhanden und "
                                    u"kann nicht umgerechnet werden."_qs,
                                    {}}}));
    }
    for (int quelle : {BaumeFrankreich, Unbekannt}) {
        const Umrechnungsergebnis r = Araeometer(quelle, u"10"_qs, true);
        EXPECT_FALSE(r.Berechnet);
        ASSERT_EQ(r.Meldungen.size(), 1u);
        EXPECT_TRUE(r.Meldungen[0].text.startsWith(u"Für diese Einheit ist keine"_qs));
    }
}

TEST(AraeometerTest, ReadingsWithoutADensityAreRejected) {
    for (const auto& [quelle, eingabe] : {std::pair{BaumeNL, u"144"_qs},
                                          {BaumeNL, u"150"_qs},
                                          {Cartier, u"126,1"_qs},
                                          {Gramm15, u"0"_qs}}) {
        const Umrechnungsergebnis r = Araeometer(quelle, eingabe, false);
        EXPECT_FALSE(r.Berechnet) << eingabe.toStdString();
        ASSERT_EQ(r.Meldungen.size(), 1u);
        EXPECT_EQ(r.Meldungen[0], (Meldung{Meldungsart::Fehler,
                                           u"Zahlenwert außerhalb Wertebereich! Zu diesem Wert "
                                           u"gibt es keine Dichte!"_qs,
                                           u"Edit_Eingabe"_qs}));
    }
    EXPECT_EQ(Meldungstext(Araeometer(Gramm15, u"1,2 g"_qs)), Eingabefehler_Text);
}

} // namespace
