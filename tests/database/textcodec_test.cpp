#include "database/textcodec.h"

#include <gtest/gtest.h>

using namespace talvero;

TEST(TextcodecTest, Windows1252BothWays) {
    const QString text = u"Länge Öl Maß € „x“ – ½"_qs;
    const QByteArray bytes = toAnsi(text);
    EXPECT_EQ(bytes, QByteArray("L\xE4nge \xD6l Ma\xDF \x80 \x84x\x93 \x96 \xBD"));
    EXPECT_EQ(fromAnsi(bytes), text);
    EXPECT_EQ(toAnsi(u"Ω→"_qs), QByteArray("??"));
}

TEST(TextcodecTest, ShortStringsAreCutAndReplaced) {
    EXPECT_EQ(ansiKuerzen(u"Großbritannien"_qs, 5), u"Großb"_qs);
    EXPECT_EQ(ansiKuerzen(u"Ωmega"_qs, 20), u"?mega"_qs);
}

TEST(TextcodecTest, SplitsAtEveryLineBreak) {
    EXPECT_EQ(Textzeilen_lesen("a\r\nb\rc\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(Textzeilen_lesen("a\r\n"), QStringList{"a"});
    EXPECT_EQ(Textzeilen_lesen("a\r\n\r\n"), (QStringList{"a", ""}));
    EXPECT_EQ(Textzeilen_lesen(""), QStringList{});
    EXPECT_EQ(Textzeilen_lesen("\n"), QStringList{""});
}

TEST(TextcodecTest, ByteOrderMarksSelectTheEncoding) {
    EXPECT_EQ(Textzeilen_lesen("\xEF\xBB\xBFL\xC3\xA4nge\r\n"), QStringList{u"Länge"_qs});
    EXPECT_EQ(Textzeilen_lesen(QByteArray("\xFF\xFEL\0\xE4\0\n\0", 8)), QStringList{u"Lä"_qs});
    EXPECT_EQ(Textzeilen_lesen(QByteArray("\xFE\xFF\0L\0\xE4", 6)), QStringList{u"Lä"_qs});
    EXPECT_EQ(Textzeilen_lesen("L\xE4nge"), QStringList{u"Länge"_qs});
}

TEST(TextcodecTest, WritesCp1252WithCrLf) {
    EXPECT_EQ(Textzeilen_schreiben({u"Länge"_qs, u""_qs}), QByteArray("L\xE4nge\r\n\r\n"));
    EXPECT_EQ(Textzeilen_schreiben({}), QByteArray());
}
