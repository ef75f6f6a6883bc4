#include "core/maintenance/update_rules.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/text/batch_code_page.h"
#include "base/text/codec.h"
#include "core/maintenance/sha256.h"
#include "platform/fake/fake_file_system.h"

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

TEST(VersionFile, AnAnnouncedSizeAboveTheCeilingIsRefused) {
    const std::string ceiling = std::to_string(kMaxArchiveSize);
    ASSERT_TRUE(parseVersionFile("1\r\n" + ceiling + "\r\n"));
    EXPECT_EQ(parseVersionFile("1\r\n" + ceiling + "\r\n")->size, kMaxArchiveSize);
    for (const std::string& size : {std::to_string(kMaxArchiveSize + 1), std::string("9000000000000000000"),
                                    std::string("99999999999999999999999")}) {
        EXPECT_FALSE(parseVersionFile("1\r\n" + size + "\r\n")) << size;
    }
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

TEST(BatchProgram, PrefersThePlainShortFormsAndFallsBackToTheLongOnes) {
    platform::fake::FakeFileSystem fs;
    const std::string dir = "C:\\Prog Files\\Kefeló 100%\\";
    fs.addFile(dir + "kefelő.exe", "");
    constexpr auto w1250 = text::BatchCharset::Windows1250;

    // No 8.3 names on the volume: the long forms, which the code-page switch carries.
    auto program = batchProgram(fs, dir, dir + "kefelő.exe", w1250);
    ASSERT_TRUE(program);
    EXPECT_EQ(program->folder, dir);
    EXPECT_EQ(program->executable, dir + "kefelő.exe");
    EXPECT_EQ(program->name, "kefelő.exe");
    // ...but not where only ASCII reads right.
    EXPECT_FALSE(batchProgram(fs, dir, dir + "kefelő.exe", text::BatchCharset::Ascii));

    fs.setShortName("C:\\Prog Files", "PROGFI~1");
    fs.setShortName("C:\\Prog Files\\Kefeló 100%", "KEFEL%~1");
    fs.setShortName(dir + "kefelő.exe", "KEFEL~2.EXE");
    program = batchProgram(fs, dir, dir + "kefelő.exe", w1250);
    ASSERT_TRUE(program);
    EXPECT_EQ(program->folder, "C:\\PROGFI~1\\KEFEL%~1\\");
    EXPECT_EQ(program->executable, "C:\\PROGFI~1\\KEFEL%~1\\KEFEL~2.EXE");
    // The name new.exe takes stays the long one.
    EXPECT_EQ(program->name, "kefelő.exe");
    EXPECT_TRUE(batchProgram(fs, dir, dir + "kefelő.exe", text::BatchCharset::Ascii));

    fs.addFile("C:\\Prog Files\\k\xe2\x98\x83.exe", "");  // a snowman Windows-1250 has not
    EXPECT_FALSE(batchProgram(fs, "C:\\Prog Files\\", "C:\\Prog Files\\k\xe2\x98\x83.exe", w1250));
}

// Whatever folder cmd starts the script in: no line changes folder or names a file
// without the full path, and every "%" of the path is doubled.
TEST(Batch, NamesEveryFileByItsFullPathAndDoesNothingElsewhere) {
    const BatchProgram program{"C:\\x 100% & y\\", "C:\\x 100% & y\\KEFEL~1.EXE", "kefelő 5%.exe"};
    const auto lines = updateBatchLines(program);
    ASSERT_TRUE(lines);
    const std::string folder = "\"C:\\x 100%% & y\\";
    size_t named = 0;
    for (const std::string& line : *lines) {
        EXPECT_EQ(line.find("%~"), std::string::npos) << line;
        EXPECT_NE(line.rfind("cd ", 0), 0u) << line;
        for (const char* command : {"del ", "copy /b /y ", "ren ", "start \"\" ", "if exist ", "if not exist "}) {
            if (line.rfind(command, 0) != 0) continue;
            ++named;
            EXPECT_EQ(line.substr(std::string_view(command).size(), folder.size()), folder) << line;
        }
    }
    EXPECT_GE(named, 12u);
    // The checks come first, and each leaves at once.
    const size_t first = text::batchCodePageSwitch().size() + 1;
    EXPECT_EQ((*lines)[first], "if not exist " + folder + "update.bat\" goto end");
    EXPECT_EQ((*lines)[first + 1], "if not exist " + folder + "KEFEL~1.EXE\" goto end");
    EXPECT_EQ((*lines)[first + 2], "if not exist " + folder + "new.exe\" goto end");
    const auto has = [&](const std::string& line) {
        return std::find(lines->begin(), lines->end(), line) != lines->end();
    };
    // "ren" gives the bare long name, "%" doubled there too.
    EXPECT_TRUE(has("ren " + folder + "new.exe\" \"kefelő 5%%.exe\""));
    EXPECT_TRUE(has("start \"\" " + folder + "kefelő 5%%.exe\" /update"));
    EXPECT_TRUE(has("if \"%kefelo_tries%\"==\"" + std::string(kBatchDeleteTries, 'x') + "\" goto keep"));

    EXPECT_FALSE(updateBatchLines({"C:\\x\\", "C:\\x\\kefelo.exe", "a\"b.exe"}));
    EXPECT_FALSE(updateBatchLines({"C:\\x\\", "C:\\x\\kefelo.exe", ""}));
    EXPECT_FALSE(updateBatchLines({"x\\", "x\\kefelo.exe", "kefelo.exe"}));  // not a full path
}

// cmd decodes a line in the console's code page when it reaches it: everything up to the
// switch is ASCII, the name after it is in Windows-1250, and the code page the console had
// comes back at the very end.
TEST(Batch, SwitchesToItsOwnCodePageBeforeTheNameAndBackAtTheEnd) {
    const auto lines = updateBatchLines({"C:\\Kefeló\\", "C:\\Kefeló\\kefelő!.exe", "kefelő!.exe"});
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
    EXPECT_NE(bytes.find("ren \"C:\\Kefel\xF3\\new.exe\" \"kefel\xF5!.exe\"\r\n", switched), std::string::npos);
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
