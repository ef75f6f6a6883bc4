#include "core/maintenance/update_wizard.h"

#include <gtest/gtest.h>

#include "base/text/codec.h"
#include "core/app/file_age.h"
#include "platform/fake/fake_internet.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_zip_reader.h"

namespace kefelo::maintenance {
namespace {

using platform::Answer;
using platform::MessageKind;

constexpr const char* kDir = "C:\\Program Files\\Kefelo\\";
constexpr const char* kServer = "http://127.0.0.1:8080";

platform::fake::FakeReply served(std::string body, bool breaksAfterBody = false) {
    platform::fake::FakeReply reply;
    reply.body = std::move(body);
    reply.breaksAfterBody = breaksAfterBody;
    return reply;
}

struct UpdateWizardTest : platform::fake::FakePlatform, UpdateHost, ::testing::Test {
    platform::fake::FakeInternet internet;
    platform::fake::FakeZipReader zip;
    UpdateWizard wizard{UpdateContext{platform, shell, internet, zip, kDir, std::string(kDir) + "kefelo.exe", kServer},
                        *this};
    int64_t age = 0;
    std::vector<int> pagesShown;
    int beeps = 0, closes = 0, quits = 0, splashHidden = 0;
    std::vector<timeutil::TDateTime> attempts;

    void changed() override {
        if (pagesShown.empty() || pagesShown.back() != wizard.page) pagesShown.push_back(wizard.page);
    }
    void endBeep() override { ++beeps; }
    void hideSplash() override { ++splashHidden; }
    void lastAttemptChanged(timeutil::TDateTime at) override { attempts.push_back(at); }
    void quitForRestart() override { ++quits; }
    void close() override { ++closes; }

    void SetUp() override {
        fs.addFile(std::string(kDir) + "kefelo.exe", "old program", platform::attr::kArchive,
                   timeutil::toFileTime(timeutil::toDateTime({2024, 5, 1, 12, 0, 0, 0})));
        clock.current = timeutil::toDateTime({2024, 6, 1, 9, 0, 0, 0});
        age = app::FileAge(fs, clock, std::string(kDir) + "kefelo.exe");
        ASSERT_GT(age, 0);
    }

    std::string url(const char* path) const { return std::string(kServer) + path; }
    std::string file(const char* name) const { return std::string(kDir) + name; }
    void serveVersion(const std::string& body) { internet.replies[url(kVersionFilePath)] = served(body); }
    // A newer offer for the given archive, with or without its digest.
    void offerArchive(const std::string& archive, bool withDigest) {
        std::string body = std::to_string(age + 1) + "\r\n" + std::to_string(archive.size()) + "\r\n";
        if (withDigest) body += toHex(sha256(archive)) + "\r\n";
        serveVersion(body);
        internet.replies[url(kArchivePath)] = served(archive);
    }
    void reachDownloaded(const std::string& archive = std::string(3000, 'z')) {
        offerArchive(archive, true);
        ASSERT_TRUE(wizard.Check());
        wizard.button_downloadClick();
        ASSERT_EQ(wizard.page, kPageDownloaded);
        zip.archives[file("new.zip")] = {{"readme.txt", "r"}, {"new.exe", "new program"}};
    }
};

TEST_F(UpdateWizardTest, SameAgeIsTheLatestAndRecordsTheAttempt) {
    serveVersion(std::to_string(age) + "\r\n5000\r\n");
    EXPECT_TRUE(wizard.Check());
    EXPECT_EQ(pagesShown, (std::vector<int>{kPageConnecting, kPageLatest}));
    EXPECT_EQ(wizard.status, "Jelenleg ez a változat a legújabb!");
    EXPECT_EQ(wizard.caption, "Kefeló frissítése  -  Újabb változat még nem elérhető!");
    EXPECT_EQ(attempts, std::vector<timeutil::TDateTime>{clock.current});
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(internet.openStreams, 0);
}

TEST_F(UpdateWizardTest, NewerOfferShowsItsGroupedSize) {
    serveVersion(std::to_string(age + 1) + "\r\n1234567\r\n");
    EXPECT_TRUE(wizard.Check());
    EXPECT_EQ(wizard.page, kPageNewer);
    EXPECT_EQ(wizard.caption, "Kefeló frissítése  -  2. lépés");
    const std::string memo = wizard.memoText(kPageNewer);
    EXPECT_NE(memo.find("\r\nA frissítést tartalmazó állomány mérete: 1.234.567 bájt.\r\n"), std::string::npos);
    EXPECT_TRUE(attempts.empty());  // a newer version found is no finished attempt
}

TEST_F(UpdateWizardTest, FailedOrSenselessVersionFileEndsOnTheFailedPage) {
    struct Case {
        const char* what;
        platform::fake::FakeReply reply;
        bool served;
    };
    const Case cases[] = {
        {"not found", {}, false},
        {"no session", {platform::UrlOpen::NoConnection, "", false}, true},
        {"size 0", served("1\r\n0\r\n"), true},
        {"not numbers", served("<html>Moved</html>\r\n"), true},
        {"connection broke", served("1\r\n", true), true},
    };
    for (const Case& c : cases) {
        internet.replies.clear();
        if (c.served) internet.replies[url(kVersionFilePath)] = c.reply;
        EXPECT_FALSE(wizard.Check()) << c.what;
        EXPECT_EQ(wizard.page, kPageFailed) << c.what;
        EXPECT_EQ(wizard.caption, "Kefeló frissítése  -  a letöltés meghiúsult!");
        EXPECT_FALSE(fs.exists(file("update.txt"))) << c.what;
        EXPECT_EQ(internet.openStreams, 0) << c.what;
    }
    EXPECT_TRUE(attempts.empty());
    EXPECT_NE(wizard.memoText(kPageFailed).find("kiszolgálója ( http://127.0.0.1:8080 )"), std::string::npos);
}

TEST_F(UpdateWizardTest, VersionFileIsReadToItsEndButNoFurtherThanTheLimit) {
    // A long file: its first lines still count, the rest is never fetched.
    const std::string body = std::to_string(age + 1) + "\r\n99\r\n\r\n" + std::string(5000, '#');
    serveVersion(body);
    EXPECT_TRUE(wizard.Check());
    EXPECT_EQ(fs.content(file("update.txt")), body.substr(0, kVersionFileLimit));
    EXPECT_EQ(wizard.page, kPageNewer);
}

TEST_F(UpdateWizardTest, DownloadShowsProgressAndVerifiesTheArchive) {
    const std::string archive(3000, 'z');
    offerArchive(archive, true);
    ASSERT_TRUE(wizard.Check());
    std::vector<int> gauges;
    internet.onRead = [&] { gauges.push_back(wizard.gauge); };
    wizard.button_downloadClick();
    EXPECT_EQ(wizard.page, kPageDownloaded);
    EXPECT_EQ(wizard.status, "Frissítés letöltve!");
    EXPECT_EQ(wizard.caption, "Kefeló frissítése  -  A frissítés letöltve");
    EXPECT_EQ(gauges, (std::vector<int>{0, 34, 68, 100}));
    EXPECT_EQ(fs.content(file("new.zip")), archive);
    EXPECT_EQ(wizard.downloadState, kDownloadIdle);
    EXPECT_EQ(internet.openStreams, 0);
}

TEST_F(UpdateWizardTest, WrongArchiveIsDroppedOnTheFailedPage) {
    for (const std::string& body : {std::string(2999, 'z'), std::string(3001, 'z'), std::string(3000, 'y')}) {
        offerArchive(std::string(3000, 'z'), true);
        ASSERT_TRUE(wizard.Check());
        internet.replies[url(kArchivePath)] = served(body);
        wizard.button_downloadClick();
        EXPECT_EQ(wizard.page, kPageFailed) << body.size();
        EXPECT_FALSE(fs.exists(file("new.zip")));
    }
    EXPECT_EQ(fs.content(file("kefelo.exe")), "old program");
    EXPECT_TRUE(shell.executed.empty());
}

TEST_F(UpdateWizardTest, ArchiveTakesItsNameOnlyWhenWholeAndMatching) {
    const std::string archive(3000, 'z');
    offerArchive(archive, true);
    ASSERT_TRUE(wizard.Check());
    std::vector<std::vector<std::string>> seen;
    internet.onRead = [&] { seen.push_back(fs.namesIn(kDir)); };
    wizard.button_downloadClick();
    ASSERT_EQ(wizard.page, kPageDownloaded);
    // While it comes, the body grows in one file beside the target, never under its name.
    ASSERT_EQ(seen.size(), 4u);
    for (const auto& names : seen) {
        ASSERT_EQ(names.size(), 3u);
        EXPECT_EQ(names[2].rfind("new.zip.", 0), 0u) << names[2];
    }
    EXPECT_EQ(fs.namesIn(kDir), (std::vector<std::string>{"kefelo.exe", "update.txt", "new.zip"}));
    EXPECT_EQ(fs.content(file("new.zip")), archive);
}

TEST_F(UpdateWizardTest, BodyLongerThanAnnouncedStopsAtTheFirstByteTooMany) {
    offerArchive(std::string(3000, 'z'), false);
    ASSERT_TRUE(wizard.Check());
    // As good as endless: the read that brings byte 3001 is the last.
    internet.replies[url(kArchivePath)] = served(std::string(1u << 20, 'z'));
    int reads = 0;
    internet.onRead = [&] { ++reads; };
    wizard.button_downloadClick();
    EXPECT_EQ(reads, 3);
    EXPECT_EQ(wizard.page, kPageFailed);
    EXPECT_EQ(wizard.gauge, 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(internet.openStreams, 0);
    EXPECT_EQ(fs.namesIn(kDir), std::vector<std::string>{"kefelo.exe"});
}

TEST_F(UpdateWizardTest, ArchiveThatCannotTakeItsNameIsAFailedDownload) {
    fs.addFile(file("new.zip"), "held by another program");
    fs.setLocked(file("new.zip"), true);
    offerArchive(std::string(3000, 'z'), true);
    ASSERT_TRUE(wizard.Check());
    wizard.button_downloadClick();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kNetworkErrorMessage);
    EXPECT_EQ(wizard.page, kPageNewer);
    fs.setLocked(file("new.zip"), false);
    EXPECT_EQ(fs.content(file("new.zip")), "held by another program");
    EXPECT_EQ(fs.namesIn(kDir), (std::vector<std::string>{"kefelo.exe", "new.zip", "update.txt"}));
}

TEST_F(UpdateWizardTest, NetworkErrorKeepsStepTwoAndTheButtonReady) {
    offerArchive(std::string(3000, 'z'), false);
    ASSERT_TRUE(wizard.Check());
    internet.replies.erase(url(kArchivePath));
    wizard.button_downloadClick();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kNetworkErrorMessage);
    EXPECT_EQ(wizard.page, kPageNewer);
    EXPECT_EQ(wizard.caption, "Kefeló frissítése  -  A frissítést nem sikerült letölteni!");
    // The next click downloads again rather than "cancelling" a download that is over.
    internet.replies[url(kArchivePath)] = served(std::string(3000, 'z'));
    wizard.button_downloadClick();
    EXPECT_EQ(wizard.page, kPageDownloaded);
}

TEST_F(UpdateWizardTest, CancelDuringTheDownloadStopsItOnce) {
    offerArchive(std::string(5000, 'z'), false);
    ASSERT_TRUE(wizard.Check());
    int reads = 0;
    internet.onRead = [&] {
        if (++reads == 2) wizard.button_downloadClick();  // the click arrives through the pump
    };
    wizard.button_downloadClick();
    EXPECT_EQ(reads, 2);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kCancelledDownloadMessage);
    EXPECT_EQ(wizard.status, "A letöltés megszakadt!");
    EXPECT_EQ(wizard.gauge, 0);
    EXPECT_EQ(wizard.page, kPageNewer);
    EXPECT_EQ(wizard.downloadState, kDownloadIdle);
    EXPECT_EQ(beeps, 1);  // the check's only
    // A partial archive is never kept, neither under its name nor beside it.
    EXPECT_EQ(fs.namesIn(kDir), (std::vector<std::string>{"kefelo.exe", "update.txt"}));
    wizard.cancel();
    EXPECT_EQ(fs.namesIn(kDir), std::vector<std::string>{"kefelo.exe"});
    EXPECT_EQ(closes, 1);
}

TEST_F(UpdateWizardTest, ClosingWhileDownloadingWaitsForTheDownloadToStop) {
    offerArchive(std::string(5000, 'z'), false);
    ASSERT_TRUE(wizard.Check());
    internet.onRead = [&] {
        if (closes == 0 && wizard.downloadState == kDownloading) wizard.cancel();
    };
    wizard.button_downloadClick();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(fs.exists(file("new.zip")));
    EXPECT_FALSE(fs.exists(file("update.txt")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(UpdateWizardTest, CancelDeletesOnlyWhatThisWizardWrote) {
    // The user's own files of those names, there before the wizard opened.
    fs.addFile(file("new.zip"), "mine");
    fs.addFile(file("new.exe"), "mine");
    fs.addFile(file("update.txt"), "mine");
    wizard.start();
    wizard.cancel();
    EXPECT_EQ(closes, 1);
    for (const char* name : {"new.zip", "new.exe", "update.txt"}) EXPECT_EQ(fs.content(file(name)), "mine") << name;

    // A check that fails before anything came leaves them too.
    wizard.start();
    EXPECT_FALSE(wizard.Check());
    wizard.cancel();
    for (const char* name : {"new.zip", "new.exe", "update.txt"}) EXPECT_EQ(fs.content(file(name)), "mine") << name;

    // The version file it fetched is its own; the rest is not.
    serveVersion(std::to_string(age) + "\r\n5000\r\n");
    wizard.start();
    ASSERT_TRUE(wizard.Check());
    wizard.cancel();
    EXPECT_FALSE(fs.exists(file("update.txt")));
    EXPECT_EQ(fs.content(file("new.zip")), "mine");
    EXPECT_EQ(fs.content(file("new.exe")), "mine");
}

TEST_F(UpdateWizardTest, CancelAfterUnpackingDeletesEveryFileOfTheRun) {
    reachDownloaded();
    shell.accept = false;
    wizard.button_restartClick();
    ASSERT_EQ(fs.content(file("new.exe")), "new program");
    fs.addFile(file("readme.txt"), "not the wizard's");
    wizard.cancel();
    for (const char* name : {"new.zip", "new.exe", "update.txt"}) EXPECT_FALSE(fs.exists(file(name))) << name;
    EXPECT_EQ(fs.content(file("readme.txt")), "not the wizard's");
    EXPECT_EQ(fs.content(file("kefelo.exe")), "old program");
}

TEST_F(UpdateWizardTest, ReplacementWritesTheScriptStartsItHiddenAndQuits) {
    reachDownloaded();
    wizard.button_restartClick();
    EXPECT_EQ(fs.content(file("new.exe")), "new program");
    EXPECT_FALSE(fs.exists(file("readme.txt")));
    EXPECT_EQ(zip.openArchives, 0);
    const auto script = fs.content(file("update.bat"));
    ASSERT_TRUE(script);
    // The paths in full, whichever folder the shell starts the script in.
    EXPECT_NE(script->find("ren \"C:\\Program Files\\Kefelo\\new.exe\" \"kefelo.exe\"\r\n"), std::string::npos);
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].file, file("update.bat"));
    EXPECT_FALSE(shell.executed[0].showNormal);
    EXPECT_EQ(wizard.restartFlag, 1);
    EXPECT_EQ(attempts, std::vector<timeutil::TDateTime>{clock.current});
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(fs.content(file("kefelo.exe")), "old program");  // the script replaces it, later
}

TEST_F(UpdateWizardTest, ArchiveWithoutUsableExecutableAsksAndOpensTheFolder) {
    reachDownloaded();
    zip.archives[file("new.zip")] = {{"../new.exe", "evil"}, {"sub/new.exe", "evil"}};
    ui.answers = {Answer::Yes};
    wizard.button_restartClick();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kUnpackFailedQuestion);
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].file, "explorer.exe");
    EXPECT_EQ(shell.executed[0].parameters, kDir);
    EXPECT_FALSE(fs.exists(file("new.exe")));
    EXPECT_EQ(quits, 0);

    // A damaged entry is no better.
    zip.archives[file("new.zip")] = {{"new.exe", "x", true}};
    ui.answers = {Answer::No};
    wizard.button_restartClick();
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(wizard.restartFlag, 0);
}

TEST_F(UpdateWizardTest, ScriptThatCannotStartLeavesTheWizardOpen) {
    reachDownloaded();
    shell.accept = false;
    wizard.button_restartClick();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text, kReplaceFailedMessage);
    EXPECT_EQ(wizard.restartFlag, 0);
    EXPECT_EQ(quits, 0);
    EXPECT_EQ(closes, 0);
}

TEST_F(UpdateWizardTest, AutomaticRunHidesTheSplashOnceAndRestoresTheCaptions) {
    serveVersion(std::to_string(age) + "\r\n5\r\n");
    wizard.beginAutomaticRun();
    EXPECT_EQ(wizard.cancel3Caption, "A program képernyője");
    EXPECT_EQ(wizard.backCaption, "A program képernyője");
    wizard.Check();
    EXPECT_EQ(splashHidden, 1);
    EXPECT_EQ(wizard.autoRun, 0);
    wizard.endAutomaticRun();
    EXPECT_EQ(wizard.cancel3Caption, "Mégse");
    EXPECT_EQ(wizard.backCaption, "Vissza");
}

}  // namespace
}  // namespace kefelo::maintenance
