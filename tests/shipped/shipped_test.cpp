#include "convert/numbers.h"
#include "database/textcodec.h"
#include "shipped_db.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

// Field limits of a unit line (1-based field number, most characters).
constexpr std::pair<int, int> kLimits[] = {{3, 5},   {7, 20},  {8, 34},  {10, 33}, {11, 32},
                                           {12, 27}, {13, 40}, {14, 21}, {15, 17}, {17, 15}};

// Order of the unit names in a file: upper-cased character by character (ß stays ß),
// Windows-1252 bytes compared unsigned.
QByteArray sortKey(const QString& name) {
    QString upper = name.left(34);
    for (QChar& c : upper)
        c = c.toUpper();
    return toAnsi(upper);
}

// True for a factor such as 0,333333333 or 1.84013072833333E-6: a repeating decimal
// cut after a few periods, which shows in the last displayed digits. Such factors must
// carry the full precision of the number type (about 20 digits).
bool cutRepeatingDecimal(const QString& factor) {
    const QString t = Tausche(factor, u',', u'.');
    const qsizetype point = t.indexOf(u'.');
    if (point < 0)
        return false;
    const qsizetype e = t.indexOf(u'E', point, Qt::CaseInsensitive);
    const QString fraction = t.mid(point + 1, e < 0 ? -1 : e - point - 1);
    QString significant = t.left(point) + fraction;
    significant.remove(u'-').remove(u'+');
    while (significant.startsWith(u'0'))
        significant.remove(0, 1);
    if (significant.size() < 9 || significant.size() >= 19)
        return false;
    const QString body = fraction.chopped(1);
    for (int period = 1; period <= 6; ++period) {
        const QString pattern = body.right(period);
        if (body.size() < 3 * period || pattern.count(u'0') == period ||
            pattern.count(u'9') == period)
            continue;
        // The last digit continues the period, rounded or not.
        const int next = pattern.at(0).digitValue();
        const int last = fraction.back().digitValue();
        if (body.endsWith(pattern.repeated(3)) && (last == next || last == next + 1))
            return true;
    }
    return false;
}

class ShippedDatabaseTest : public testing::Test {
protected:
    std::vector<Ausgeliefertes_Gebiet> areas = Ausgelieferte_Gebiete();
    QStringList countries = Ausgelieferte_Laender();
};

TEST_F(ShippedDatabaseTest, EveryAreaHasReadableUnits) {
    ASSERT_FALSE(areas.empty());
    QStringList names;
    for (const auto& a : areas) {
        names << a.gruppe.Gebietname;
        EXPECT_FALSE(a.zeilen.isEmpty()) << qPrintable(a.gruppe.Gebietname);
        EXPECT_FALSE(a.gruppe.Dateiname.isEmpty());
    }
    for (const char16_t* needed : {u"Länge", u"Temperatur"})
        EXPECT_TRUE(names.contains(QString::fromUtf16(needed)));
}

TEST_F(ShippedDatabaseTest, AreaTableIsInInsertionOrder) {
    for (std::size_t i = 1; i < areas.size(); ++i)
        EXPECT_LE(areas[i - 1].gruppe.Gebietname.toUpper(), areas[i].gruppe.Gebietname.toUpper())
            << qPrintable(areas[i].gruppe.Gebietname);
}

TEST_F(ShippedDatabaseTest, EveryLineIsWellFormed) {
    for (const auto& a : areas) {
        for (qsizetype n = 0; n < a.zeilen.size(); ++n) {
            const QStringList f = a.zeilen[n].split(u'\t');
            const QString where = a.gruppe.Gebietname + u" Zeile "_qs + QString::number(n + 1);
            ASSERT_EQ(f.size(), 19) << qPrintable(where);
            EXPECT_TRUE(Zahl_lesen(f[8]).has_value())
                << qPrintable(where) << " Faktor " << qPrintable(f[8]);
            EXPECT_FALSE(cutRepeatingDecimal(f[8]))
                << qPrintable(where) << " Faktor " << qPrintable(f[8]);
            for (const auto& [field, most] : kLimits)
                EXPECT_LE(f[field - 1].size(), most)
                    << qPrintable(where) << " Feld " << field << ": " << qPrintable(f[field - 1]);
            EXPECT_FALSE(f[1].isEmpty()) << qPrintable(where);
            EXPECT_TRUE(f[15] == u"j" || f[15] == u"n") << qPrintable(where);
            EXPECT_TRUE(f[17] == u"j" || f[17] == u"n") << qPrintable(where);
        }
    }
}

TEST_F(ShippedDatabaseTest, UnitsAreUniqueAndInNameOrder) {
    for (const auto& a : areas) {
        QSet<QString> seen;
        QByteArray previous;
        for (const QString& line : a.zeilen) {
            const Typ_Ausgabetext t = Ausgabetext_aus_Zeile(line);
            const QString key = t.Einheit + u'\t' + t.Land_Name;
            EXPECT_FALSE(seen.contains(key))
                << qPrintable(a.gruppe.Gebietname) << ": twice " << qPrintable(key);
            seen.insert(key);
            if (!Sondergebiet_mit_festen_Positionen(a.gruppe.Gebietname)) {
                EXPECT_LE(previous, sortKey(t.Einheit))
                    << qPrintable(a.gruppe.Gebietname) << ": " << qPrintable(t.Einheit) << " after "
                    << qPrintable(fromAnsi(previous));
                previous = sortKey(t.Einheit);
            }
        }
    }
}

TEST_F(ShippedDatabaseTest, CountriesMatchTheCountryFile) {
    ASSERT_FALSE(countries.isEmpty());
    QSet<QString> used;
    for (const auto& a : areas)
        for (const QString& line : a.zeilen)
            used.insert(Ausgabetext_aus_Zeile(line).Land_Name);
    QSet<QString> listed;
    for (const QString& line : countries) {
        const QStringList f = line.split(u'\t');
        ASSERT_GE(f.size(), 4) << qPrintable(line);
        listed.insert(f[0]);
        // The group of the user's own units is always listed, so that an own unit in a
        // hideable area is shown even when the shipped database has none.
        const bool listed = used.contains(f[0]) || f[0] == u"Eigene Einheit";
        EXPECT_EQ(f[3] == u"j", listed)
            << qPrintable(f[0]) << ": field 4 must be \"j\" exactly when it has units";
    }
    for (const QString& c : used)
        EXPECT_TRUE(listed.contains(c)) << "not in the country file: " << qPrintable(c);
}

TEST(ShippedSourcesTest, SourcesAreWindows1252) {
    // Packing turns what the code page lacks into "?": catch it in the sources.
    for (const QString& dir : {u"database"_qs, u"program"_qs}) {
        const QString folder = QStringLiteral(TALVERO_SOURCE_DIR "/data/") + dir;
        for (const QString& name : QDir(folder).entryList(QDir::Files)) {
            QFile f(folder + u'/' + name);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(f.readAll());
            EXPECT_EQ(fromAnsi(toAnsi(text)), text) << qPrintable(name);
        }
    }
}

} // namespace
