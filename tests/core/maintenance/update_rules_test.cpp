#include "core/maintenance/update_rules.h"
#include "base/text/batch_code_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/text/codec.h"
#include "core/maintenance/sha256.h"

namespace kefelo::maintenance {
namespace {

TEST(Sha256, KnownVectorsWholeAndInPieces) {
    EXPECT_EQ(toHex(sha256("")), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(toHex(sha256("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 56 bytes: the length no longer fits the first block's padding.
    EXPECT_EQ(toHex(sha256("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    const std::string million(1'000'000, 'a');
    const char* expected = "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0";
    EXPECT_EQ(toHex(sha256(million)), expected);
    Sha256 pieces;
    for (size_t at = 0; at < million.size(); at += 7) pieces.update(std::string_view(million).substr(at, 7));
    EXPECT_EQ(toHex(pieces.finish()), expected);
}

TEST(VersionFile, TwoNumbersAndAnOptionalDigest) {
    auto offer = parseVersionFile("1500000000\r\n123456\r\n");
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->fileAge, 1500000000);
    EXPECT_EQ(offer->size, 123456u);
    EXPECT_FALSE(offer->sha256);

    // Unix line ends, blanks around the numbers, an empty third line.
    offer = parseVersionFile(" 42 \n7\n\n");
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->fileAge, 42);

    const std::string digest = toHex(sha256("archive"));
    offer = parseVersionFile("1\r\n7\r\n" + text::asciiUpper(digest) + "\r\nanything else");
    ASSERT_TRUE(offer && offer->sha256);
    EXPECT_EQ(toHex(*offer->sha256), digest);

    // A packed age past 2^31 (a date from 2044) is the same bit pattern as its signed form.
    EXPECT_EQ(parseVersionFile("3000000000\n1")->fileAge, static_cast<int32_t>(3000000000u));
}

TEST(VersionFile, AnythingElseFailsTheCheck) {
    for (const char* bad : {"", "1500000000", "abc\r\n12", "1500000000\r\nx12", "1500000000\r\n0", "1500000000\r\n-5",
                            "99999999999\r\n5", "1\r\n5\r\nnot-a-digest", "1\r\n5\r\nabcd", "<html>404</html>"}) {
        EXPECT_FALSE(parseVersionFile(bad)) << bad;
    }
    // Only the first 1024 bytes count: lines after them are never seen.
    EXPECT_FALSE(parseVersionFile(std::string(1030, ' ') + "\n1\n2"));
}

TEST(VersionFile, NewerIsASmallerAgeOfTheRunningExecutable) {
    EXPECT_TRUE(isNewer(100, 101));
    EXPECT_FALSE(isNewer(100, 100));
    EXPECT_FALSE(isNewer(101, 100));
    // An executable that cannot be looked up (-1) takes any real offer.
    EXPECT_TRUE(isNewer(-1, 1));
}

TEST(Archive, MatchesOnlyTheAnnouncedSizeAndDigest) {
    VersionOffer offer{1, 7, std::nullopt};
    EXPECT_TRUE(archiveMatches("archive", offer));
    EXPECT_FALSE(archiveMatches("archiv", offer));
    EXPECT_FALSE(archiveMatches("archive!", offer));
    offer.sha256 = sha256("archive");
    EXPECT_TRUE(archiveMatches("archive", offer));
    EXPECT_FALSE(archiveMatches("Archive", offer));
}

TEST(Archive, OnlyTheNewExecutableAtTheTopIsUnpacked) {
    using E = platform::ZipEntryInfo;
    const std::vector<E> entries = {{"readme.txt", 1, false}, {"../new.exe", 1, false},     {"/new.exe", 1, false},
                                    {"C:/new.exe", 1, false}, {"sub/new.exe", 1, false},    {"new.exe/", 0, true},
                                    {"NEW.EXE", 5, false},    {"beallitasok.cfg", 1, false}};
    EXPECT_EQ(entriesToUnpack(entries), std::vector<size_t>{6});
    // Two of them: neither is trusted.
    EXPECT_TRUE(entriesToUnpack({{"new.exe", 1, false}, {"New.exe", 2, false}}).empty());
}

TEST(Batch, ChangesToItsFolderQuotesTheNameAndGivesUp) {
    const auto lines = updateBatchLines("kefelo 100%.exe");
    ASSERT_TRUE(lines);
    const std::vector<std::string>& l = *lines;
    EXPECT_EQ(l.front(), "@Echo OFF");
    EXPECT_EQ(l[5], "cd /d \"%~dp0\"");
    const auto has = [&](const std::string& line) { return std::find(l.begin(), l.end(), line) != l.end(); };
    EXPECT_TRUE(has("del \"kefelo 100%%.exe\" /q"));
    EXPECT_TRUE(has("if not Exist \"kefelo 100%%.exe\" goto ren"));
    EXPECT_TRUE(has("if %tries% GEQ 60 goto end"));
    EXPECT_TRUE(has("ren new.exe \"kefelo 100%%.exe\""));
    EXPECT_TRUE(has("start \"\" \"kefelo 100%%.exe\" /update"));
    // The retry jumps back only after the counter and the pause.
    const auto at = [&](const std::string& line) { return std::find(l.begin(), l.end(), line) - l.begin(); };
    EXPECT_LT(at("set /a tries+=1"), at("goto del"));
    EXPECT_LT(at("if %tries% GEQ 60 goto end"), at("goto del"));

    EXPECT_TRUE(updateBatchLines("kefelő.exe"));               // Windows-1250 has it
    EXPECT_FALSE(updateBatchLines("kefelo\xe2\x98\x83.exe"));  // a snowman it has not
    EXPECT_FALSE(updateBatchLines("a\"b.exe"));
    EXPECT_FALSE(updateBatchLines(""));
}

// cmd decodes a line in the console's code page when it reaches it: everything up to the
// switch is ASCII, the name after it is in Windows-1250, and the code page the console had
// comes back at the very end.
TEST(Batch, SwitchesToItsOwnCodePageBeforeTheNameAndBackAtTheEnd) {
    const auto lines = updateBatchLines("kefelő!.exe");
    ASSERT_TRUE(lines);
    const std::vector<std::string>& switching = text::batchCodePageSwitch();
    ASSERT_GT(lines->size(), switching.size() + 2);
    EXPECT_TRUE(std::equal(switching.begin(), switching.end(), lines->begin() + 1));
    EXPECT_EQ(lines->back(), text::batchCodePageRestore());

    const std::string bytes = text::encodeLines(*lines);
    const size_t switched = bytes.find("@chcp 1250 >nul 2>&1\r\n");
    ASSERT_NE(switched, std::string::npos);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(switched),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    EXPECT_NE(bytes.find("ren new.exe \"kefel\xF5!.exe\"\r\n", switched), std::string::npos);
}

TEST(Server, EnvironmentOverridesTheOwnSite) {
    EXPECT_EQ(updateServerBase(std::nullopt), "https://kefelo.hu");
    EXPECT_EQ(updateServerBase(std::string("  ")), "https://kefelo.hu");
    EXPECT_EQ(updateServerBase(std::string("http://127.0.0.1:8080/")), "http://127.0.0.1:8080");
}

TEST(LastAttempt, CaptionWithTheShortDateOrNever) {
    EXPECT_EQ(lastUpdateCaption(0.0, "yyyy. MM. dd."), "Még nem történt frissítés!");
    EXPECT_EQ(lastUpdateCaption(timeutil::toDateTime({2024, 3, 5, 10, 0, 0, 0}), "yyyy. MM. dd."),
              "Utolsó frissítési kísérlet: 2024. 03. 05.");
}

}  // namespace
}  // namespace kefelo::maintenance
