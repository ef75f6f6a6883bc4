#include "core/search/mask_list.h"

#include <gtest/gtest.h>

using kefelo::search::InvalidMask;
using kefelo::search::MaskList;
using kefelo::search::parseMaskList;
using Masks = std::vector<std::string>;

TEST(MaskListParse, BlanksAroundEntriesAreDroppedInsideKept) {
    EXPECT_EQ(parseMaskList("*.tmp, *.bak"), (Masks{"*.tmp", "*.bak"}));
    EXPECT_EQ(parseMaskList("*.tmp,*.bak"), parseMaskList(" *.tmp , *.bak "));
    EXPECT_EQ(parseMaskList("  my file.tmp  ,x"), (Masks{"my file.tmp", "x"}));
    EXPECT_EQ(parseMaskList("*.tmp, "), (Masks{"*.tmp"}));
    EXPECT_TRUE(parseMaskList("").empty());
    EXPECT_TRUE(parseMaskList("   ").empty());
}

TEST(MaskListParse, OnlyTheCommaSeparatesAndEmptyEntriesMatchNothing) {
    EXPECT_EQ(parseMaskList("*.tmp|*.bak;x"), (Masks{"*.tmp|*.bak;x"}));
    EXPECT_EQ(parseMaskList(",*.tmp,  ,x"), (Masks{"", "*.tmp", "", "x"}));
    const MaskList list(",  ,*.TMP, ~*.*");
    EXPECT_TRUE(list.Matches("x.tmp"));
    EXPECT_TRUE(list.Matches("~x.doc"));
    EXPECT_FALSE(list.Matches("x.doc"));
    EXPECT_FALSE(MaskList("").Matches("x.doc"));
}

TEST(MaskListParse, FirstBadMaskIsReportedByItsOwnText) {
    try {
        MaskList list("*.tmp, [x, [");
        FAIL();
    } catch (const InvalidMask& e) {
        EXPECT_STREQ(e.what(), "'[x' is an invalid mask at (3)");
    }
}
