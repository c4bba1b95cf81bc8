#include "entries.h"

#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

ObjektListe Waehrungen() {
    return {Eintrag(u"Euro"_qs, 1, 0), Eintrag(u"Deutsche Mark"_qs, 0.511291881196218L, 1),
            Eintrag(u"Italienische Lira"_qs, 0.000516456899089486L, 2),
            Eintrag(u"Ohne Kurs"_qs, 0, 3)};
}

TEST(WaehrungenTest, ConvertsAndShowsUnknownRates) {
    const Umrechnungsergebnis r = Rechnen(u"Währungen"_qs, Waehrungen(), 1, u"100"_qs);
    ASSERT_TRUE(r.Berechnet);
    EXPECT_EQ(Festkomma(r), (QStringList{u"51,129188120"_qs, u"100,00000000"_qs,
                                         u"98.999,913080"_qs, u"unbekannt"_qs}));
    EXPECT_EQ(Wissenschaftlich(r), (QStringList{u"5,112919E+0001"_qs, u"1,000000E+0002"_qs,
                                                u"9,899991E+0004"_qs, u"unbekannt"_qs}));

    const Umrechnungsergebnis lira = Rechnen(u"Währungen"_qs, Waehrungen(), 0, u"1"_qs);
    ASSERT_TRUE(lira.Berechnet);
    EXPECT_EQ(lira.Ergebnisse[2].fliess.text(), u"1.936,2700000"_qs);
}

TEST(WaehrungenTest, WithoutASourceRateEverythingIsUnknown) {
    const Umrechnungsergebnis r = Rechnen(u"Währungen"_qs, Waehrungen(), 3, u"100"_qs);
    ASSERT_TRUE(r.Berechnet);
    EXPECT_EQ(Festkomma(r), QStringList(4, u"unbekannt"_qs));
    EXPECT_EQ(Wissenschaftlich(r), QStringList(4, u"unbekannt"_qs));
}

TEST(WaehrungenTest, ZeroUnreadableAndTooLargeValuesAreEntryErrors) {
    for (const QString& eingabe : {u"0"_qs, u"abc"_qs, u"1e400"_qs, u"100 €"_qs}) {
        const Umrechnungsergebnis r = Rechnen(u"Währungen"_qs, Waehrungen(), 0, eingabe);
        EXPECT_FALSE(r.Berechnet) << eingabe.toStdString();
        EXPECT_EQ(Meldungstext(r), Eingabefehler_Text);
    }
}

} // namespace
