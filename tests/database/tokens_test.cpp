#include "database/tokens.h"

#include <gtest/gtest.h>

using namespace talvero;

namespace {

struct TokenCase {
    const char* name;
    const char16_t* line;
    const char16_t* sep;
    int field;
    const char16_t* expected;
    friend void PrintTo(const TokenCase& c, std::ostream* os) { *os << c.name; }
};

class GetTokenTest : public testing::TestWithParam<TokenCase> {};

TEST_P(GetTokenTest, GivesTheField) {
    const TokenCase& c = GetParam();
    EXPECT_EQ(GetToken(QString::fromUtf16(c.line), QString::fromUtf16(c.sep), c.field),
              QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, GetTokenTest,
    testing::Values(TokenCase{"third", u"a\tb\tc", u"\t", 3, u"c"},
                    TokenCase{"beyondLast", u"a\tb\tc", u"\t", 4, u""},
                    TokenCase{"emptyMiddle", u"a\t\tc", u"\t", 2, u""},
                    TokenCase{"afterEmptyMiddle", u"a\t\tc", u"\t", 3, u"c"},
                    TokenCase{"trailingTab", u"a\tb\t", u"\t", 3, u""},
                    TokenCase{"emptyLine", u"", u"\t", 1, u""},
                    TokenCase{"zeroField", u"a\tb", u"\t", 0, u""},
                    TokenCase{"first", u"a\tb", u"\t", 1, u"a"},
                    TokenCase{"noSeparator", u"abc", u"\t", 1, u"abc"},
                    TokenCase{"multiCharSep", u"x--y--z", u"--", 2, u"y"},
                    TokenCase{"infoBlock2", u"A1\r\nA2\r\n*\r\nB\r\n*\r\n", u"*", 2, u"\r\nB\r\n"},
                    TokenCase{"infoBlock3", u"A1\r\n*\r\nB\r\n*\r\n", u"*", 3, u"\r\n"},
                    TokenCase{"infoBlock4", u"A1\r\n*\r\nB\r\n*\r\n", u"*", 4, u""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SetTokenTest, ReplacesOnlyTheField) {
    const QString tab(u'\t');
    EXPECT_EQ(SetToken(u"a\tb\tc"_qs, u"X"_qs, 2), u"a\tX\tc"_qs);
    EXPECT_EQ(SetToken(u"a\tb\t"_qs, u"X"_qs, 3), u"a\tb\tX"_qs);
    EXPECT_EQ(SetToken(u"a"_qs, u"X"_qs, 1), u"X"_qs);
    EXPECT_EQ(SetToken(u"a\tb\t"_qs, u"X"_qs, 1), u"X\tb\t"_qs);
    EXPECT_EQ(SetToken(u"a\tb"_qs, u"X"_qs, 3), u"a\tb"_qs) << "out of range leaves the line";
}

} // namespace
