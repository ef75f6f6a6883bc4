#include "core/search/mask.h"

#include <gtest/gtest.h>

#include <string>

using kefelo::search::InvalidMask;
using kefelo::search::TMask;

namespace {

bool matches(const char* mask, const std::string& name) { return TMask(mask).Matches(name); }

std::string repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

// The error a mask gives, or "" when it compiles.
std::string errorOf(const std::string& mask) {
    try {
        TMask compiled(mask);
    } catch (const InvalidMask& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(Mask, LettersFoldByAsciiRuleOnly) {
    EXPECT_TRUE(matches("*.TMP", "x.tmp"));
    EXPECT_TRUE(matches("*.TMP", "X.Tmp"));
    EXPECT_FALSE(matches("*.TMP", "x.tmp.old"));
    EXPECT_TRUE(matches("*.tmp", "a.b.TMP"));
    EXPECT_TRUE(matches("*.á", "x.á"));
    EXPECT_FALSE(matches("*.á", "x.Á"));
}

TEST(Mask, AllButTheLastDotAreDroppedFromTheName) {
    EXPECT_FALSE(matches("*.*", "README"));
    EXPECT_FALSE(matches("*.*", "Makefile"));
    EXPECT_TRUE(matches("*", "README"));
    EXPECT_TRUE(matches("*.*", ".htaccess"));
    EXPECT_TRUE(matches("*.*", "name."));
    // a.b.c.txt is read as abc.txt.
    EXPECT_TRUE(matches("abc.txt", "a.b.c.txt"));
    EXPECT_TRUE(matches("ab*.txt", "a.b.c.txt"));
    EXPECT_FALSE(matches("a.b*", "a.b.c"));
    // A folded name has one dot at most, so two dots in a mask never match.
    EXPECT_FALSE(matches("*.*.*", "a.b.c"));
}

TEST(Mask, QuestionMarkTakesExactlyOneCharacterUnlessAfterStar) {
    EXPECT_TRUE(matches("a?", "ab"));
    EXPECT_FALSE(matches("a?", "a"));
    EXPECT_FALSE(matches("a?", "abc"));
    EXPECT_TRUE(matches("?.txt", "ő.txt"));  // one character, though two bytes
    EXPECT_TRUE(matches("a*?", "a"));
    EXPECT_TRUE(matches("*?.tmp", ".tmp"));
    EXPECT_TRUE(matches("*.??~", "data.ba~"));
    EXPECT_FALSE(matches("*.??~", "data.b~"));
    EXPECT_TRUE(matches("~*.*", "~wrl0001.tmp"));
}

TEST(Mask, SetsWithNegationAndRanges) {
    EXPECT_TRUE(matches("[!a-c]*", "dog"));
    EXPECT_FALSE(matches("[!a-c]*", "cat"));
    EXPECT_FALSE(matches("[!a-c]*", "Bat"));
    EXPECT_TRUE(matches("[z-a]", "z"));
    EXPECT_TRUE(matches("[z-a]", "Z"));
    EXPECT_FALSE(matches("[z-a]", "a"));
    // The range start stays after a range.
    EXPECT_TRUE(matches("[a-c-e]", "d"));
    EXPECT_FALSE(matches("[a-c-e]", "f"));
    // Wildcard characters inside a set are plain members.
    EXPECT_TRUE(matches("x[*?]", "x?"));
    EXPECT_FALSE(matches("x[*?]", "xa"));
    EXPECT_TRUE(matches("[őű]*", "ű.txt"));
    EXPECT_FALSE(matches("[őű]*", "Ű.txt"));
    EXPECT_TRUE(matches("[á-ű]", "é"));  // ranges beyond ASCII follow character order
}

TEST(Mask, StarsBacktrackToLaterPositions) {
    EXPECT_TRUE(matches("*a*b", "xaxaxb"));
    EXPECT_TRUE(matches("*ab", "aab"));
    EXPECT_FALSE(matches("*ab", "aba"));
    EXPECT_TRUE(matches("*[0-9][0-9]", "log12"));
    EXPECT_FALSE(matches("*[0-9][0-9]", "log1x2"));
}

TEST(Mask, ManyStarsOnLongNamesFinishQuickly) {
    // A full search over every star would never end here.
    const TMask mask(repeat("*a", 40) + "*b");
    const std::string name(20000, 'a');
    EXPECT_FALSE(mask.Matches(name));
    EXPECT_TRUE(mask.Matches(name + "b"));
}

TEST(Mask, LongAndMalformedNamesAreMatchedSafely) {
    std::string name = repeat("a.", 16383) + "tmp";  // 32769 bytes, 16383 dots
    EXPECT_TRUE(matches("*.tmp", name));
    EXPECT_TRUE(matches(("a" + repeat("?", 16382) + ".tmp").c_str(), name));
    EXPECT_FALSE(matches(("a" + repeat("?", 16381) + ".tmp").c_str(), name));
    EXPECT_TRUE(matches("??.tmp", std::string("\xFF\xC3.tmp")));  // each stray byte reads as one character
    EXPECT_FALSE(matches("*.tmp", std::string("a.tm\xE2")));
}

TEST(Mask, InvalidMasksReportWhereTheFaultWasFound) {
    EXPECT_EQ(errorOf("["), "'[' is an invalid mask at (2)");
    EXPECT_EQ(errorOf("[]"), "'[]' is an invalid mask at (2)");
    EXPECT_EQ(errorOf("[-a]"), "'[-a]' is an invalid mask at (2)");
    EXPECT_EQ(errorOf("[a"), "'[a' is an invalid mask at (3)");
    EXPECT_EQ(errorOf("x[!]"), "'x[!]' is an invalid mask at (4)");
    EXPECT_EQ(errorOf("[!-a]"), "'[!-a]' is an invalid mask at (3)");
    EXPECT_EQ(errorOf("[a-"), "'[a-' is an invalid mask at (4)");
    EXPECT_EQ(errorOf("ő["), "'ő[' is an invalid mask at (3)");  // counted in characters
    EXPECT_EQ(errorOf("[z-a]"), "");
    EXPECT_EQ(errorOf(""), "");

    try {
        TMask mask("*.tmp[");
        FAIL();
    } catch (const InvalidMask& e) {
        EXPECT_EQ(e.mask(), "*.tmp[");
        EXPECT_EQ(e.position(), 7);
    }
}

TEST(Mask, AtMost255WildcardsPerMask) {
    EXPECT_EQ(errorOf(repeat("*a", 255)), "");
    const std::string tooMany = repeat("*a", 256);
    EXPECT_EQ(errorOf(tooMany), "'" + tooMany + "' is an invalid mask at (512)");
    // A trailing star counts too: it is carried by the end of the name.
    const std::string trailing = repeat("*a", 255) + "*";
    EXPECT_EQ(errorOf(trailing), "'" + trailing + "' is an invalid mask at (512)");
    // "*?" and "**" write one wildcard.
    EXPECT_EQ(errorOf(repeat("**?a", 255)), "");
    EXPECT_TRUE(TMask(repeat("*a", 255)).Matches(std::string(255, 'a')));
    EXPECT_FALSE(TMask(repeat("*a", 255)).Matches(std::string(254, 'a')));
}
