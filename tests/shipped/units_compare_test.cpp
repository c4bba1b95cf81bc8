#include "database/records.h"
#include "shipped_db.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <cmath>
#include <gtest/gtest.h>
#include <iostream>

using namespace talvero;
using namespace talvero::test;

namespace {

// One line of data/mapping/gnu_units.tsv: our unit and the GNU units expression for it.
struct Zuordnung {
    QString datei, einheit, land, ausdruck;
    bool exakt = false;
};

std::vector<Zuordnung> zuordnungen() {
    std::vector<Zuordnung> out;
    QFile f(QStringLiteral(TALVERO_SOURCE_DIR "/data/mapping/gnu_units.tsv"));
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList p = line.split(u'\t');
        if (p.size() >= 5)
            out.push_back({p[0], p[1], p[2], p[3], p[4].trimmed() == u"exact"});
    }
    return out;
}

// How many of `to` make one `from`, as GNU units computes it; nullopt if it cannot.
std::optional<long double> gnuUnits(const QString& from, const QString& to) {
    QProcess p;
    p.start(QStringLiteral("units"), {u"-t"_qs, u"-d"_qs, u"15"_qs, from, to});
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        return std::nullopt;
    bool ok = false;
    const long double v = QString::fromUtf8(p.readAllStandardOutput()).trimmed().toDouble(&ok);
    return ok ? std::optional(v) : std::nullopt;
}

TEST(UnitsCompareTest, ModernUnitsAgreeWithGnuUnits) {
    if (QStandardPaths::findExecutable(u"units"_qs).isEmpty())
        GTEST_FAIL() << "GNU units is not installed (Debian package units)";
    const auto mapping = zuordnungen();
    ASSERT_FALSE(mapping.empty());

    QHash<QString, long double> factor; // file \t unit \t country -> Mult
    for (const auto& a : Ausgelieferte_Gebiete())
        for (const QString& line : a.zeilen) {
            const Typ_Ausgabetext t = Ausgabetext_aus_Zeile(line);
            factor.insert(a.gruppe.Dateiname + u'\t' + t.Einheit + u'\t' + t.Land_Name, t.Mult);
        }

    // Each unit is compared with the first mapped unit of its area, so that the test
    // does not depend on which reference unit an area's factors use.
    QHash<QString, const Zuordnung*> anchor;
    int checked = 0;
    QStringList differing;
    for (const Zuordnung& z : mapping) {
        const QString key = z.datei + u'\t' + z.einheit + u'\t' + z.land;
        if (!factor.contains(key)) {
            differing << key + u": not in the database"_qs;
            continue;
        }
        const Zuordnung*& a = anchor[z.datei];
        if (!a) {
            a = &z;
            continue;
        }
        const long double ours =
            factor.value(key) / factor.value(a->datei + u'\t' + a->einheit + u'\t' + a->land);
        const auto theirs = gnuUnits(z.ausdruck, a->ausdruck);
        if (!theirs) {
            differing << key + u": GNU units cannot convert "_qs + z.ausdruck + u" to "_qs +
                             a->ausdruck;
            continue;
        }
        const long double tolerance = (z.exakt && a->exakt) ? 1e-9L : 1e-6L;
        ++checked;
        if (std::fabs(ours - *theirs) > tolerance * std::fabs(*theirs))
            differing << key + QStringLiteral(": %1 / %2")
                                   .arg(static_cast<double>(ours), 0, 'g', 15)
                                   .arg(static_cast<double>(*theirs), 0, 'g', 15);
    }
    std::cout << "compared with GNU units: " << checked << " units\n";
    EXPECT_TRUE(differing.isEmpty()) << qPrintable(differing.join(u'\n'));
}

} // namespace
