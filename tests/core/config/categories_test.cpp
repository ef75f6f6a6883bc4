#include "core/config/categories.h"

#include <gtest/gtest.h>

#include "base/text/codec.h"

using namespace kefelo;
using config::MaskTable;

TEST(Categories, NamesAndFixedLinesAreTheDesignedOnes) {
    const auto& names = config::categoryNames();
    ASSERT_EQ(names.size(), 22u);
    EXPECT_EQ(names[0], "Általános átmeneti fájlok");
    EXPECT_EQ(names[10], "Adatbázisok ideinglenes állományai");
    EXPECT_EQ(names[20], "\"Olvassel\" állományok");
    EXPECT_EQ(names[21], "Saját állomány-típusaim (max. összhosszúság: 255 karakter)");

    EXPECT_EQ(config::fixedMaskLine(0),
              "*.TMP|*.TEMP|*.$$$|*.FND|*.~MP|*.~*|~*.*|*.??~|*.??$|*.^*|*.*~|*.___|*._DD|*._MP");
    EXPECT_EQ(config::fixedMaskLine(2), "CHKLIST.*|*.CHK|FILE*._DD");
    EXPECT_EQ(config::fixedMaskLine(20), "*.WRI|README.TXT");
    EXPECT_EQ(config::fixedMaskLine(21), "");  // the own types are not a fixed line

    auto logs = config::splitMaskLine(config::fixedMaskLine(12));
    ASSERT_EQ(logs.size(), 19u);
    EXPECT_EQ(logs.front(), "*LOG.TXT");
    EXPECT_EQ(logs[14], "ENVCHECKLOG.TXT");
    EXPECT_EQ(logs.back(), "SCANDISK.LOG");

    size_t total = 0;
    for (int i = 0; i < config::kFixedCategoryCount; ++i) {
        const std::string& line = config::fixedMaskLine(i);
        EXPECT_EQ(text::upper(line), line) << "line " << i;
        for (const auto& mask : config::splitMaskLine(line)) EXPECT_FALSE(mask.empty()) << "line " << i;
        total += config::splitMaskLine(line).size();
    }
    EXPECT_EQ(total, 68u);
}

TEST(Categories, MaskTableKeepsOwnTypesAsItsLastLine) {
    MaskTable empty;
    ASSERT_EQ(empty.lineCount(), 22);
    EXPECT_EQ(empty.ownTypes(), "");
    EXPECT_EQ(empty.line(1), "*.BAK|*.OLD|*.PRV");

    MaskTable table("*.abc|*.def");
    EXPECT_EQ(table.line(21), "*.abc|*.def");
    table.setOwnTypes("*.x");
    EXPECT_EQ(table.lines().back(), "*.x");
    EXPECT_EQ(table.lineCount(), 22);
    EXPECT_EQ(table.line(0), config::fixedMaskLine(0));
    EXPECT_EQ(table.line(22), "");
    EXPECT_EQ(table.line(-1), "");
}

TEST(Categories, SplittingKeepsEmptyPiecesButNotATrailingBar) {
    using V = std::vector<std::string>;
    EXPECT_EQ(config::splitMaskLine(""), V{});
    EXPECT_EQ(config::splitMaskLine("*.a"), V{"*.a"});
    EXPECT_EQ(config::splitMaskLine("*.a|"), V{"*.a"});
    EXPECT_EQ(config::splitMaskLine("*.a||*.b"), (V{"*.a", "", "*.b"}));
    EXPECT_EQ(config::splitMaskLine("|"), V{""});
    EXPECT_EQ(config::splitMaskLine("|*.b"), (V{"", "*.b"}));
}

TEST(Categories, FileMaskSeparatesWithCommaAndBlank) {
    EXPECT_EQ(config::FileMask("*.TMP|*.BAK|~*.*"), "*.TMP, *.BAK, ~*.*");
    EXPECT_EQ(config::FileMask("*.TMP"), "*.TMP");
    EXPECT_EQ(config::FileMask(""), "");
    EXPECT_EQ(config::FileMask("a||b"), "a, , b");
}
