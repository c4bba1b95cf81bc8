#include "app/flags.h"
#include "app/infopanel.h"
#include "app/unitlist.h"
#include "app_env.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QTextStream>
#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

struct NameCase {
    const char* name;
    const char16_t* land;
    const char* resName;
    friend void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }
};

class ResNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(ResNameTest, Converts) {
    EXPECT_EQ(ResName(QString::fromUtf16(GetParam().land)),
              QString::fromLatin1(GetParam().resName));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ResNameTest,
    testing::Values(NameCase{"umlaut", u"Österreich", "BM_OESTERREICH"},
                    NameCase{"plain", u"Deutschland", "BM_DEUTSCHLAND"},
                    NameCase{"blank", u"Eigene Einheit", "BM_EIGENEEINHEIT"},
                    NameCase{"hyphen", u"SI-Einheit", "BM_SI-EINHEIT"},
                    NameCase{"eszett", u"Großbritannien", "BM_GROSSBRITANNIEN"},
                    NameCase{"lowerUmlauts", u"Türkei", "BM_TUERKEI"},
                    NameCase{"comma", u"Marianen, nördliche", "BM_MARIANEN,NOERDLICHE"},
                    NameCase{"brackets", u"Kongo Kinshasa (Zaire)", "BM_KONGOKINSHASA(ZAIRE)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FlagTest, EveryFlagOfTheTableIsAPictureOf32By16) {
    Anwendung_sicherstellen();
    QFile table(QStringLiteral(TALVERO_SOURCE_DIR "/resources/flags/countries.tsv"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&table);
    int n = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QString name = line.section(u'\t', 0, 0);
        const QImage image(QStringLiteral(":/flags/BM_") + name + QStringLiteral(".png"));
        EXPECT_EQ(image.size(), QSize(32, 16)) << name.toStdString();
        ++n;
    }
    EXPECT_EQ(n, 249);
}

TEST(FlagTest, CountryWithoutPictureDrawsNothing) {
    Anwendung_sicherstellen();
    Flaggenspeicher flaggen;
    EXPECT_TRUE(flaggen.Flagge(u"Atlantis"_qs).isNull());
    EXPECT_TRUE(flaggen.Flagge(QString()).isNull());
    EXPECT_FALSE(flaggen.Flagge(u"Österreich"_qs).isNull());
    // The same picture comes from the cache.
    EXPECT_EQ(flaggen.Flagge(u"Österreich"_qs).cacheKey(),
              flaggen.Flagge(u"Österreich"_qs).cacheKey());
}

TEST(UnitListTest, HintShowsSymbolOrName) {
    TAusgabetextobject e;
    e.Ausgabetext.Einheit = u"Meter"_qs;
    e.Ausgabetext.Kurzzeichen = u"m"_qs;
    e.Ausgabetext.Land_Name = u"Deutschland"_qs;
    EXPECT_EQ(Einheitenhinweis(e), u"m - Deutschland"_qs);
    e.Ausgabetext.Kurzzeichen.clear();
    EXPECT_EQ(Einheitenhinweis(e), u"Meter - Deutschland"_qs);
}

TEST(UnitListTest, RowsAreDrawnWithResultNameAndFlag) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();
    Testumrechner fake;
    w->Umrechner_setzen(std::ref(fake));
    auto* list = w->findChild<QListView*>(u"ListBoxEinheit"_qs);
    ASSERT_NE(list, nullptr);
    list->clearFocus();
    list->selectionModel()->clearSelection();

    const auto zeile = [&](int row) { return list->visualRect(list->model()->index(row, 0)); };
    const QRect r1 = zeile(1);
    const int hoehe = r1.height();
    ASSERT_GE(hoehe, 16);

    QImage ohne = list->viewport()->grab().toImage();
    // Odd rows silver, even rows the list's background.
    EXPECT_EQ(QColor(ohne.pixel(r1.left() + 2, r1.top() + 1)), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(QColor(ohne.pixel(zeile(2).left() + 2, zeile(2).top() + 1)),
              list->palette().color(QPalette::Base));
    // The flag (Englisches System: a red field) at Right - 2 x height.
    const int flaggeX = r1.right() + 1 - 2 * hoehe;
    const QColor flagge(ohne.pixel(flaggeX + 4, r1.top() + (hoehe - 16) / 2 + 4));
    EXPECT_GT(flagge.red(), 150);
    EXPECT_LT(flagge.green(), 60);
    // Nothing is drawn left of the name before a computation.
    const auto Tinte = [](const QImage& img, QRect bereich) {
        int dunkel = 0;
        for (int y = bereich.top(); y <= bereich.bottom(); ++y)
            for (int x = bereich.left(); x <= bereich.right(); ++x)
                if (qGray(img.pixel(x, y)) < 100)
                    ++dunkel;
        return dunkel;
    };
    const QRect links(r1.left() + 5, r1.top(), r1.width() / 3 - 8, hoehe);
    EXPECT_EQ(Tinte(ohne, links), 0);
    // The name starts at one third of the width.
    EXPECT_GT(Tinte(ohne, QRect(r1.width() / 3, r1.top(), 40, hoehe)), 0);

    w->RechentasteClick();
    list->clearFocus();
    list->selectionModel()->clearSelection();
    const QImage mit = list->viewport()->grab().toImage();
    EXPECT_GT(Tinte(mit, links), 0) << "the result is drawn on the left";
}

TEST(InfoPanelTest, CaptionsFollowTheArea) {
    Anwendung_sicherstellen();
    QWidget parent;
    Infopanel panel(&parent);
    TAusgabetextobject e;
    e.Ausgabetext.Kurzzeichen = u"°Bé"_qs;
    e.Ausgabetext.Uebersetzung = u"x"_qs;
    e.Ausgabetext.entspricht = u"15 °C"_qs;
    e.Ausgabetext.reg_Unterschiede = true;
    const auto text = [&](const char* name) {
        return panel.findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    struct Fall {
        QString gebiet, uebersetzung, entspricht;
    };
    for (const Fall& c : {Fall{u"Weltzeit"_qs, u"Sommerzeit (+ 1 Stunde): "_qs, u"entspricht: "_qs},
                          Fall{u"Währungen"_qs, u"Stand: "_qs, u"entspricht: "_qs},
                          Fall{u"Aräometerskalen"_qs, u"Übersetzung: "_qs, u"Bezugstemperatur:"_qs},
                          Fall{u"Länge"_qs, u"Übersetzung: "_qs, u"entspricht: "_qs}}) {
        panel.Werte_in_Info_Feld(&e, c.gebiet);
        EXPECT_EQ(text("Info_Uebersetzung1"), c.uebersetzung) << c.gebiet.toStdString();
        EXPECT_EQ(text("Info_entspricht1"), c.entspricht) << c.gebiet.toStdString();
    }
    EXPECT_EQ(text("Info_Kurzzeichen1"), u"Kurzzeichen:"_qs);
    EXPECT_EQ(text("Info_Kurzzeichen2"), u"°Bé"_qs);
    // Empty fields empty both labels; the country line always has its caption.
    EXPECT_EQ(text("Info_Ort1"), QString());
    EXPECT_EQ(text("Info_ort2"), QString());
    EXPECT_EQ(text("Info_Landname1"), u"Land: "_qs);
    EXPECT_EQ(text("Info_reg_Unterschiede"), u"Achtung: regionale Unterschiede"_qs);
    EXPECT_EQ(text("Info_zeit_unterschiede"), QString());

    panel.Werte_in_Info_Feld(nullptr, u"Länge"_qs);
    for (const char* name : {"Info_Kurzzeichen1", "Info_Kurzzeichen2", "Info_Landname1",
                             "Info_reg_Unterschiede", "Info_entspricht2"})
        EXPECT_EQ(text(name), QString()) << name;
    EXPECT_EQ(text("Label_Information"), u"Information"_qs);
}

} // namespace

namespace {

// The shipped database seeds an empty data folder at start; every area loads without a
// message, no unit is hidden by its country and every unit's country has its flag.
TEST(ShippedDatabaseTest, EveryAreaLoadsAndEveryCountryHasAFlag) {
    Anwendung_sicherstellen();
    Testumgebung env;
    qputenv("TALVERO_PROGRAM_DIR", TALVERO_BUILD_PROGRAM_DIR);
    Meldungsrekorder rekorder;
    meldungsdienst_installieren(&rekorder);
    {
        auto w = std::make_unique<TMyWindow>();
        w->show();
        QCoreApplication::processEvents();
        ASSERT_EQ(rekorder.gezeigt.size(), 1u) << "only the settings message";
        auto* box = w->findChild<QComboBox*>(u"ComboBox2"_qs);
        ASSERT_GT(box->count(), 10);
        Flaggenspeicher flaggen;
        for (int i = 0; i < box->count(); ++i) {
            box->setCurrentIndex(i);
            w->ComboBox2Change();
            EXPECT_FALSE(w->Objekte().empty()) << box->itemText(i).toStdString();
            // A country missing from the country file would hide its units.
            EXPECT_EQ(w->Ausblendungen_wegen_Land(), 0) << box->itemText(i).toStdString();
            for (const auto& e : w->Objekte())
                EXPECT_FALSE(flaggen.Flagge(e.Ausgabetext.Land_Name).isNull())
                    << e.Ausgabetext.Land_Name.toStdString();
        }
        EXPECT_EQ(rekorder.gezeigt.size(), 1u);
    }
    meldungsdienst_installieren(nullptr);
}

} // namespace
