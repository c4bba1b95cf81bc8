#include "database/container.h"
#include "database/keys.h"
#include "database/textcodec.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace talvero;
namespace c = talvero::container;

namespace {

QByteArray fixture(const char* name) {
    QFile f(QStringLiteral(TALVERO_FIXTURES "/container/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "missing fixture " << name;
    return f.readAll();
}

const QByteArray kKey1 = toAnsi(Schluessel1());

// Made by an independent implementation (tools/make_container_fixtures.py).
TEST(ContainerGoldenTest, ReadsIndependentFiles) {
    EXPECT_EQ(c::entschluesseln(fixture("empty.DAT1"), kKey1).value(), QByteArray());
    EXPECT_EQ(c::entschluesseln(fixture("j.DAT1"), kKey1).value(), QByteArray("j\r\n"));
    const QStringList lines =
        Textzeilen_lesen(c::entschluesseln(fixture("laenge.DAT1"), kKey1).value());
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith(u"j\tn\t\t1\tGroßbritannien\t1\tft\tFuß\t0,3048"_qs));
    EXPECT_EQ(c::entschluesseln(fixture("mode3.bin"), "another password", 3).value(),
              QByteArray("Talvero AES-256 mode\r\n"));
}

TEST(ContainerGoldenTest, WritesIdenticalBytesForTheSameSalt) {
    for (const char* name : {"empty.DAT1", "j.DAT1", "laenge.DAT1"}) {
        const QByteArray golden = fixture(name);
        const QByteArray plain = c::entschluesseln(golden, kKey1).value();
        EXPECT_EQ(c::verschluesseln_mit_Salz(plain, kKey1, golden.first(8)), golden) << name;
    }
}

TEST(ContainerTest, SizesAndFreshSalt) {
    EXPECT_EQ(c::verschluesseln("", kKey1).size(), 20);
    EXPECT_EQ(c::verschluesseln("j\r\n", kKey1).size(), 23);
    const QByteArray a = c::verschluesseln("j\r\n", kKey1);
    const QByteArray b = c::verschluesseln("j\r\n", kKey1);
    EXPECT_NE(a.first(8), b.first(8));
    EXPECT_EQ(c::entschluesseln(a, kKey1).value(), c::entschluesseln(b, kKey1).value());
}

class ContainerRoundTrip : public testing::TestWithParam<int> {};

TEST_P(ContainerRoundTrip, AroundTheWorkBuffer) {
    QByteArray plain(GetParam(), Qt::Uninitialized);
    for (int i = 0; i < plain.size(); ++i)
        plain[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    const QByteArray sealed = c::verschluesseln(plain, kKey1);
    EXPECT_EQ(sealed.size(), plain.size() + 20);
    EXPECT_EQ(c::entschluesseln(sealed, kKey1).value(), plain);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ContainerRoundTrip,
                         testing::Values(0, 1, 262143, 262144, 262145, 600000));

TEST(ContainerTest, TamperingIsAFailedRead) {
    const QByteArray good = c::verschluesseln(QByteArray(100, 'x'), kKey1);
    auto flipped = [&](qsizetype at) {
        QByteArray bad = good;
        bad[at] = static_cast<char>(bad[at] ^ 0x01);
        return c::entschluesseln(bad, kKey1);
    };
    // A changed salt changes the keys: the check value or the code no longer fits.
    EXPECT_FALSE(flipped(0).has_value());
    EXPECT_EQ(flipped(8).error(), c::Fehler::Passwort);
    EXPECT_EQ(flipped(50).error(), c::Fehler::Authentisierung);
    EXPECT_EQ(flipped(good.size() - 1).error(), c::Fehler::Authentisierung);
    EXPECT_EQ(c::entschluesseln(good.chopped(1), kKey1).error(), c::Fehler::Authentisierung);
}

TEST(ContainerTest, BadContainersAreFailedReads) {
    const QByteArray good = c::verschluesseln("j\r\n", kKey1);
    EXPECT_EQ(c::entschluesseln("", kKey1).error(), c::Fehler::ZuKurz);
    EXPECT_EQ(c::entschluesseln(good.first(19), kKey1).error(), c::Fehler::ZuKurz);
    EXPECT_FALSE(c::entschluesseln(good, toAnsi(Schluessel2())).has_value());
    EXPECT_FALSE(c::entschluesseln(QByteArray(64, '\0'), kKey1).has_value());
    EXPECT_FALSE(c::entschluesseln("PK\x03\x04 this is some other file format", kKey1).has_value());
}

TEST(ContainerTest, PasswordIsCutAt128Bytes) {
    const QByteArray longKey(200, 'k');
    const QByteArray sealed = c::verschluesseln("abc", longKey);
    EXPECT_TRUE(c::entschluesseln(sealed, longKey.left(128)).has_value());
    EXPECT_FALSE(c::entschluesseln(sealed, longKey.left(127)).has_value());
}

} // namespace
