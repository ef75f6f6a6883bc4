#include "base/text/codec.h"

#include <gtest/gtest.h>

#include "base/text/format.h"
#include "base/time/datetime.h"

using namespace kefelo;

TEST(Codec, HungarianLettersRoundTripThroughWindows1250) {
    const std::string utf8 = "Árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP";
    std::string bytes = text::utf8ToCp1250(utf8);
    EXPECT_EQ(bytes.size(), 45u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xC1);   // Á
    EXPECT_EQ(static_cast<unsigned char>(bytes[6]), 0xFB);   // ű
    EXPECT_EQ(static_cast<unsigned char>(bytes[8]), 0xF5);   // ő
    EXPECT_EQ(text::cp1250ToUtf8(bytes), utf8);
}

TEST(Codec, EveryByteSurvivesDecodeAndEncode) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(text::utf8ToCp1250(text::cp1250ToUtf8(all)), all);
}

TEST(Codec, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(text::utf8ToCp1250("a\xE4\xB8\xAD" "b"), "a?b");  // a CJK character
}

TEST(Codec, FitsCp1250OnlyWhenNothingWouldBecomeAQuestionMark) {
    for (const char* fits : {"", "C:\\Temp\\*.T?P", "Árvíztűrő tükörfúrógép", "Crémé", "Łódź", "€ – „”"}) {
        EXPECT_TRUE(text::fitsCp1250(fits)) << fits;
        EXPECT_EQ(text::cp1250ToUtf8(text::utf8ToCp1250(fits)), fits) << fits;
    }
    for (const char* refused : {"C:\\Crème\\Temp", "D:\\Проект", "kép😀.jpg", "a\xE4\xB8\xAD", "\xEF\xBF\xBD"}) {
        EXPECT_FALSE(text::fitsCp1250(refused)) << refused;
        EXPECT_NE(text::cp1250ToUtf8(text::utf8ToCp1250(refused)), refused) << refused;
    }
    // A cut sequence, a stray continuation byte, an overlong "/" and a lone surrogate.
    for (const char* malformed : {"a\xC3", "\x80x", "\xC0\xAF", "\xED\xA0\x80"}) {
        EXPECT_FALSE(text::fitsCp1250(malformed)) << malformed;
    }
}

TEST(Codec, LinesAcceptCrLfCrAndLf) {
    auto lines = text::decodeLines("one\r\ntwo\rthree\nfour");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], "four");
    EXPECT_EQ(text::decodeLines("a\r\n\r\nb\r\n").size(), 3u);  // the empty line counts
    EXPECT_TRUE(text::decodeLines("").empty());
    EXPECT_EQ(text::encodeLines({"ő", ""}), std::string("\xF5\r\n\r\n"));
}

TEST(Codec, CaseFoldingCoversAccentsButAsciiHelpersDoNot) {
    EXPECT_TRUE(text::equalsNoCase("ŐSZ.TXT", "ősz.txt"));
    EXPECT_FALSE(text::equalsNoCase("a.txt", "á.txt"));
    EXPECT_EQ(text::asciiUpper("árvíz.tmp"), "áRVíZ.TMP");
    EXPECT_EQ(text::lower("README.TXT"), "readme.txt");
    EXPECT_TRUE(text::containsNoCase("*.TMP|*.TEMP", "tmp"));
}

TEST(Format, EzredelGroupsFromTheRight) {
    EXPECT_EQ(text::Ezredel("1234567"), "1.234.567");
    EXPECT_EQ(text::Ezredel("999"), "999");
    EXPECT_EQ(text::Ezredel("1000"), "1.000");
    EXPECT_EQ(text::Ezredel("123456"), "123.456");
    EXPECT_EQ(text::Ezredel(""), "");
    EXPECT_EQ(text::Ezredel("3000000000"), "3.000.000.000");
}

TEST(Format, DecimalParsingRejectsAnythingButAnInteger) {
    int64_t v = 0;
    EXPECT_TRUE(text::parseDecimal("15", v));
    EXPECT_EQ(v, 15);
    EXPECT_TRUE(text::parseDecimal("-3", v));
    EXPECT_FALSE(text::parseDecimal("1a", v));
    EXPECT_FALSE(text::parseDecimal("", v));
    EXPECT_FALSE(text::parseDecimal(" 1", v));
}

TEST(DateTime, KnownDaysAndTimes) {
    using namespace timeutil;
    EXPECT_DOUBLE_EQ(toDateTime({1899, 12, 30}), 0.0);
    EXPECT_DOUBLE_EQ(toDateTime({2026, 12, 8}), 46364.0);
    EXPECT_DOUBLE_EQ(toDateTime({2000, 1, 1, 12, 0, 0, 0}), 36526.5);
    CivilTime t = toCivil(46364.75);
    EXPECT_EQ(t.year, 2026);
    EXPECT_EQ(t.month, 12);
    EXPECT_EQ(t.day, 8);
    EXPECT_EQ(t.hour, 18);
    EXPECT_DOUBLE_EQ(dateOnly(46364.75), 46364.0);
}

TEST(DateTime, FileTimeAndDosConversions) {
    using namespace timeutil;
    // 2026-12-08 00:00 UTC in FILETIME ticks.
    int64_t ticks = (46364LL + 109205LL) * 864000000000LL;
    EXPECT_DOUBLE_EQ(fromFileTime(ticks), 46364.0);
    EXPECT_EQ(toFileTime(46364.0), ticks);
    uint32_t dos = toDosDateTime({2026, 12, 8, 15, 3, 57, 0});
    EXPECT_EQ(dos >> 16, static_cast<uint32_t>((46 << 9) | (12 << 5) | 8));
    EXPECT_EQ(dos & 0xFFFF, static_cast<uint32_t>((15 << 11) | (3 << 5) | 28));
}

TEST(DateTime, PicturesOfTheRegionalSettings) {
    using namespace timeutil;
    TDateTime d = toDateTime({2026, 3, 5, 9, 7, 2, 0});
    EXPECT_EQ(formatDate(d, "yyyy. MM. dd."), "2026. 03. 05.");
    EXPECT_EQ(formatDate(d, "M/d/yyyy"), "3/5/2026");
    EXPECT_EQ(formatDate(d, "dd'.'MM'.'yy"), "05.03.26");
    EXPECT_EQ(formatTime(d, "H:mm:ss"), "9:07:02");
    EXPECT_EQ(formatTime(d, "hh:mm:ss tt"), "09:07:02 AM");
}
